#include "przyciski.h"

#include "kolory.h"

#include <QAction>
#include <QBitmap>
#include <QPainter>

int TListaObrazkow::Dodaj(const QPixmap &obrazek)
{
    m_obrazki.append(obrazek);
    return Liczba() - 1;
}

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

void TGlifPrzycisku::Odswiez(QAbstractButton *b)
{
    const QPixmap obrazek = m_lista ? m_lista->Obrazek(m_nr) : QPixmap();
    if (obrazek.isNull()) {
        b->setIcon(QIcon());
        return;
    }
    const QPixmap normalny = ObrazekZMaska(obrazek, m_maska);
    QIcon ikona(normalny);
    if (m_stany >= 2)
        ikona.addPixmap(ObrazekZakazany(normalny), QIcon::Disabled);
    b->setIcon(ikona);
    b->setIconSize(normalny.size() / normalny.devicePixelRatio());
}

// ---------------------------------------------------------------------------------------------

TExBitBtn::TExBitBtn(QWidget *rodzic) : QPushButton(rodzic) {}

void TExBitBtn::Przerysuj()
{
    if (m_akcja)
        setIcon(m_akcja->icon());
    else
        Odswiez(this);
}

void TExBitBtn::setXnrObrazka(int nr)
{
    m_nr = nr;
    Przerysuj();
}
void TExBitBtn::setXmaskKolor(TKolor c)
{
    m_maska = c;
    Przerysuj();
}
void TExBitBtn::setNumGlyphs(int n)
{
    m_stany = std::clamp(n, 1, 4);
    Przerysuj();
}

void TExBitBtn::setXimageList(TListaObrazkow *lista)
{
    if (m_lista)
        disconnect(m_lista, nullptr, this, nullptr);
    m_lista = lista;
    if (lista)
        connect(lista, &QObject::destroyed, this, [this] {
            m_lista = nullptr;
            Przerysuj();
        });
    Przerysuj();
}

void TExBitBtn::setAction(QAction *a)
{
    if (m_akcja)
        disconnect(m_akcja, nullptr, this, nullptr);
    m_akcja = a;
    if (a) {
        setText(a->text());
        setEnabled(a->isEnabled());
        connect(a, &QAction::changed, this, [this] {
            setText(m_akcja->text());
            setEnabled(m_akcja->isEnabled());
            Przerysuj();
        });
        connect(this, &QPushButton::clicked, a, &QAction::trigger);
    }
    Przerysuj();
}

// ---------------------------------------------------------------------------------------------

TExSpeedButton::TExSpeedButton(QWidget *rodzic) : QToolButton(rodzic) { setAutoRaise(true); }

void TExSpeedButton::Przerysuj()
{
    if (defaultAction())
        return;   // the action's own picture
    Odswiez(this);
}

void TExSpeedButton::setXnrObrazka(int nr)
{
    m_nr = nr;
    Przerysuj();
}
void TExSpeedButton::setXmaskKolor(TKolor c)
{
    m_maska = c;
    Przerysuj();
}
void TExSpeedButton::setNumGlyphs(int n)
{
    m_stany = std::clamp(n, 1, 4);
    Przerysuj();
}

void TExSpeedButton::setXimageList(TListaObrazkow *lista)
{
    if (m_lista)
        disconnect(m_lista, nullptr, this, nullptr);
    m_lista = lista;
    if (lista)
        connect(lista, &QObject::destroyed, this, [this] {
            m_lista = nullptr;
            Przerysuj();
        });
    Przerysuj();
}

void TExSpeedButton::setDefaultAction(QAction *a)
{
    QToolButton::setDefaultAction(a);
    if (!a)
        Przerysuj();
}
