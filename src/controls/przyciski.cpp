#include "przyciski.h"

#include "kolory.h"

#include <QAction>
#include <QBitmap>
#include <QPainter>

QPixmap ObrazekZMaska(const QPixmap &obrazek, TKolor maska)
{
    if (obrazek.isNull())
        return obrazek;
    QPixmap wynik = obrazek;
    wynik.setMask(obrazek.createMaskFromColor(NaQColor(maska), Qt::MaskInColor));
    return wynik;
}

QPixmap ObrazekZakazany(const QPixmap &obrazek)
{
    QPixmap wynik(obrazek.size());
    wynik.setDevicePixelRatio(obrazek.devicePixelRatio());
    wynik.fill(Qt::transparent);
    QPainter p(&wynik);
    p.setOpacity(0.5);
    p.drawPixmap(0, 0, obrazek);
    return wynik;
}

void TGlifPrzycisku::setXnrObrazka(int nr) { UstawGlif(m_nr, nr); }

void TGlifPrzycisku::setXmaskKolor(TKolor c) { UstawGlif(m_maska, c); }

void TGlifPrzycisku::setNumGlyphs(int n) { UstawGlif(m_stany, std::clamp(n, 1, 4)); }

void TGlifPrzycisku::setXimageList(const TListaObrazow *lista)
{
    QObject::disconnect(m_sledzenie);
    m_lista = lista;
    if (lista)
        m_sledzenie = QObject::connect(lista, &QObject::destroyed, m_przycisk, [this] {
            m_lista = nullptr;
            Przerysuj();
        });
    Przerysuj();
}

void TGlifPrzycisku::Przerysuj()
{
    if (ObrazekWlasny())
        return;
    const QPixmap obrazek = m_lista ? m_lista->Obraz(m_nr, m_przycisk->devicePixelRatioF()) : QPixmap();
    if (obrazek.isNull()) {
        m_przycisk->setIcon(QIcon());
        return;
    }
    const QPixmap normalny = ObrazekZMaska(obrazek, m_maska);
    QIcon ikona(normalny);
    if (m_stany >= 2)
        ikona.addPixmap(ObrazekZakazany(normalny), QIcon::Disabled);
    m_przycisk->setIcon(ikona);
    m_przycisk->setIconSize(normalny.size() / normalny.devicePixelRatio());
}

// ---------------------------------------------------------------------------------------------

TExBitBtn::TExBitBtn(QWidget *rodzic) : QPushButton(rodzic), TGlifPrzycisku(this) {}

TExBitBtn::TExBitBtn(const QString &tekst, QWidget *rodzic) : QPushButton(tekst, rodzic), TGlifPrzycisku(this) {}

void TExBitBtn::setAction(QAction *a)
{
    // both directions: a click must no longer trigger the action given before
    if (m_akcja) {
        disconnect(m_akcja, nullptr, this, nullptr);
        disconnect(this, nullptr, m_akcja, nullptr);
    }
    m_akcja = a;
    if (a) {
        const auto zAkcji = [this] {
            setText(m_akcja->text());
            setEnabled(m_akcja->isEnabled());
            setIcon(m_akcja->icon());
        };
        zAkcji();
        connect(a, &QAction::changed, this, zAkcji);
        connect(this, &QPushButton::clicked, a, &QAction::trigger);
        connect(a, &QObject::destroyed, this, [this] { Przerysuj(); });   // back to the glyph
    }
    Przerysuj();
}

// ---------------------------------------------------------------------------------------------

TExSpeedButton::TExSpeedButton(QWidget *rodzic) : QToolButton(rodzic), TGlifPrzycisku(this) { setAutoRaise(true); }

void TExSpeedButton::setDefaultAction(QAction *a)
{
    QToolButton::setDefaultAction(a);
    Przerysuj();
}
