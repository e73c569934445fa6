// Every window of the program and its menus drawn offscreen into a picture and saved as PNG:
// drawing must not fail and must give a real picture (of the window's size, many colours).
// With ZENTORA_ZRZUTY=folder the pictures are kept there for a look side by side.

#include "oknotestowe.h"

#include "controls/modulapli.h"
#include "controls/stylmenu.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/dlgkontekst.h"
#include "dialogs/gdyotwarte.h"
#include "dialogs/kalkulator.h"
#include "dialogs/oprogramie.h"
#include "editor/fakparam.h"
#include "fakturaprzykladowa.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "print/dlgdrukstop.h"
#include "print/oknawydruku.h"
#include "print/opcjedruku.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TstOknaWygladu : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { GdyOtwarte::Sprzataj(); }
    void okna_data();
    void okna();
    void listaWyboru();
    void podgladIMenuEdycji();

private:
    void Zapisz(QWidget *w, const QString &nazwa);
    QTemporaryDir m_tymczasowy;
};

void TstOknaWygladu::Zapisz(QWidget *w, const QString &nazwa)
{
    w->ensurePolished();
    const QImage img = w->grab().toImage();
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), w->size() * img.devicePixelRatio());
    QSet<QRgb> kolory;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            kolory.insert(img.pixel(x, y));
    QVERIFY2(kolory.size() >= 6, qPrintable(nazwa + QStringLiteral(": %1 kolorów").arg(kolory.size())));
    const QString folder =
        qEnvironmentVariableIsSet("ZENTORA_ZRZUTY") ? qEnvironmentVariable("ZENTORA_ZRZUTY") : m_tymczasowy.path();
    QVERIFY(img.save(folder + QLatin1Char('/') + nazwa + QStringLiteral(".png")));
}

void TstOknaWygladu::okna_data()
{
    // clang-format off
    QTest::addColumn<QString>("okno");
    for (const char *n : {"glowne", "menu-plik", "parametry", "opcje-druku", "postep-druku", "kalkulator",
                          "kalendarz", "menu-miesiecy", "o-programie"})
        QTest::newRow(n) << QString::fromLatin1(n);
    // clang-format on
}

void TstOknaWygladu::okna()
{
    QFETCH(QString, okno);
    OknoTestowe t;
    const QString plik = t.Plik(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(plik, FakturaPrzykladowa());
    t.okno->OtworzProFormeEx(plik);
    TzentoraVat faktura = FakturaPrzykladowa();
    TiniZentora ini;
    std::unique_ptr<QWidget> w;
    QWidget *cel = nullptr;
    if (okno == u"glowne") {
        cel = t.okno;
    } else if (okno == u"menu-plik") {
        auto *m = Kontrolka<QMenuBar>(*t.okno, "MenuGlowne")->actions().at(0)->menu();
        m->setActiveAction(m->actions().at(1));
        m->adjustSize();
        cel = m;
    } else if (okno == u"parametry") {
        auto *p = new TFakParam(t.okno);
        CzytajParametry(t.ini, p->Param);   // filled as the parameters command opens it
        p->IniNaEkran();
        w.reset(p);
    } else if (okno == u"opcje-druku") {
        w = std::make_unique<TZentoraDialDruk>(t.okno, &faktura, &ini);
    } else if (okno == u"postep-druku") {
        auto *d = new TDLgDrukStop(t.okno);
        d->LadujTytul(QStringLiteral("Faktura VAT nr 12/2018"));
        d->LadujOpisy(QStringLiteral("Drukarka biurowa"), QStringLiteral("IPP"));
        d->LadujNrStr(1);   // as while the first page prints
        w.reset(d);
    } else if (okno == u"kalkulator") {
        w = std::make_unique<TDlgKalkulat>();
    } else if (okno == u"kalendarz" || okno == u"menu-miesiecy") {
        auto *k = new TDlgKalenUstaw;
        w.reset(k);
        if (okno == u"menu-miesiecy") {
            k->PopupMiesiace()->adjustSize();
            cel = k->PopupMiesiace();
        }
    } else if (okno == u"o-programie") {
        w = std::make_unique<THelpLodrin>();
    }
    if (!cel) {
        cel = w.get();
        cel->show();
        QVERIFY(QTest::qWaitForWindowExposed(cel));
    }
    Zapisz(cel, okno);
}

void TstOknaWygladu::listaWyboru()
{
    QWidget forma;
    forma.resize(300, 200);
    forma.show();
    bool zapisano = false;
    GdyOtwarte::Uruchom<TdlgKontekst>([] { return TdlgKontekst::Otwarty(); },
                                      [&](TdlgKontekst *d) {
                                          Zapisz(d, QStringLiteral("lista-wyboru"));
                                          zapisano = true;
                                          d->close();
                                      });
    QString opis, param;
    WybierzZListy(&forma,
                  QStringLiteral("00123 Usługa\n      tylko na zamówienie\n00124 Towar\n00999 Dodaj nową pozycję"), 5,
                  200, 6, 0, nullptr, opis, param);
    QVERIFY(zapisano);
}

void TstOknaWygladu::podgladIMenuEdycji()
{
    TModulApli modul;
    modul.APopupOkienEdit->setActiveAction(modul.A_kopiuj);
    modul.APopupOkienEdit->adjustSize();
    Zapisz(modul.APopupOkienEdit, QStringLiteral("menu-edycji"));

    QWidget forma;
    forma.resize(300, 200);
    forma.show();
    bool zapisano = false;
    GdyOtwarte::Uruchom<QPrintPreviewDialog>(
        []() -> QPrintPreviewDialog * {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<QPrintPreviewDialog *>(w))
                    return d;
            return nullptr;
        },
        [&](QPrintPreviewDialog *d) {
            d->resize(640, 560);
            QTest::qWait(50);   // the pages are laid out after the window shows
            Zapisz(d, QStringLiteral("podglad-wydruku"));
            zapisano = true;
            d->reject();
        });
    PokazPodglad(&forma, FakturaPrzykladowa(), TiniZentora(), 1);
    QVERIFY(zapisano);
}

QTEST_MAIN(TstOknaWygladu)
#include "tst_oknawygladu.moc"
