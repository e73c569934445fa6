#include "oknotestowe.h"

#include "common/cp1250.h"
#include "common/daty.h"
#include "common/program.h"
#include "controls/justgrid.h"
#include "invoice/sumy.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

QByteArray TekstPliku(const QString &tekst)
{
    QString t = tekst;
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return Cp1250::Koduj(t);
}

QByteArray KonfiguracjaTestowa()
{
    return TekstPliku(QStringLiteral("[Parametry]\n"
                                     "TypNum=2\n"
                                     "Symbol=FV\n"
                                     "Folder=\n"
                                     "Podpis=\n"
                                     "MójVat=4\n"
                                     "Zaplac=1\n"
                                     "DniZap=14\n"
                                     "SlowoVAT=0\n"
                                     "DataSprzTak=0\n"
                                     "ProFormaNip=0\n"
                                     "TypDatSprze=0\n"
                                     "\n"
                                     "[FirmyRamki]\n"
                                     "Firma0=Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10\n"
                                     "\n"
                                     "[BankiKonta]\n"
                                     "Bank0=Bank Przykładowy;11 2222 3333 4444 5555 6666 7777\n"
                                     "\n"
                                     "[Sprzedawcy]\n"
                                     "Osoba0=Przykładowy Jan\n"));
}

double DzisTestowe() { return KodujDate(2018, 6, 15, 0); }

OknoTestowe::OknoTestowe(const QByteArray &konfiguracja)
{
    UstawDateDzis(DzisTestowe());
    // the index of the working folder keeps its cache away from the user's
    QStandardPaths::setTestModeEnabled(true);
    ini = Plik(QStringLiteral("Faktury.ini"));
    if (!konfiguracja.isNull())
        PiszBajty(ini, konfiguracja);
    okno = new TZentoraForma;
    adres = okno;
    TZentoraForma::TDialogi &d = okno->Dialogi;
    d.NazwaPliku = [this](QWidget *, bool zapis, const QString &tytul, const QString &folder, const QString &nazwa) {
        pytaniaOPlik.append({zapis, tytul, folder, nazwa});
        return nazwyPlikow.isEmpty() ? QString() : nazwyPlikow.takeFirst();
    };
    d.Parametry = [this](QWidget *, TiniZentora &p, int strona) {
        stronyParametrow.append(strona);
        return parametry ? parametry(p, strona) : false;
    };
    d.Lista = [this](QWidget *, const QString &linie, int kod, int szer, int wiersze, int czcionka, QWidget *pole,
                     QString &opis, QString &param) {
        listy.append({linie, kod, szer, wiersze, czcionka, pole, param});
        opis.clear();
        if (!listaWybrana)
            return false;
        param = wyborZListy;
        return true;
    };
    d.Kalendarz = [this](QWidget *, QWidget *, QString &tekst) {
        kalendarze.append(tekst);
        if (dataZKalendarza.isEmpty())
            return false;
        tekst = dataZKalendarza;
        return true;
    };
    d.Drukuj = [this](const TzentoraVat &f, const TiniZentora &, QWidget *, int &kopie) {
        wydruki.append(f);
        kopieWydrukow.append(kopie);
        return kopie;
    };
    d.OProgramie = [this](QWidget *) { okienka.append(QStringLiteral("oprogramie")); };
    d.Kalkulator = [this](int x, int y) { okienka.append(QStringLiteral("kalkulator %1,%2").arg(x).arg(y)); };
    okno->START(0, &adres, ini);
    Aktywuj(*okno);
}

OknoTestowe::~OknoTestowe() { delete okno.data(); }

void OknoTestowe::Wpisz(QWidget *pole, const QString &tekst, bool wyjdz)
{
    pole->setFocus(Qt::TabFocusReason);
    Przetworz();
    if (auto *e = qobject_cast<QLineEdit *>(pole)) {
        e->selectAll();
        if (!e->inputMask().isEmpty()) {
            e->setCursorPosition(0);
            e->setSelection(0, e->text().size());
        }
    }
    Klawisz(Qt::Key_Delete);
    if (auto *e = qobject_cast<QLineEdit *>(pole))
        e->setCursorPosition(0);
    Pisz(tekst);
    if (wyjdz) {
        Klawisz(Qt::Key_Tab);
        Przetworz();
    }
}

void OknoTestowe::Wpisz(const char *pole, const QString &tekst, bool wyjdz)
{
    Wpisz(Kontrolka(*okno, pole), tekst, wyjdz);
}

void OknoTestowe::WpiszKomorke(int kol, int wiersz, const QString &tekst)
{
    TjustGrid *g = Kontrolka<TjustGrid>(*okno, "Grid");
    g->setFocus(Qt::TabFocusReason);
    g->WybierzKomorke(kol, wiersz);
    Klawisz(Qt::Key_F2);
    if (QLineEdit *e = g->InplaceEditor()) {
        e->selectAll();
        Klawisz(Qt::Key_Delete);
    }
    Pisz(tekst);
    Klawisz(Qt::Key_Return);
    Przetworz();
}

void OknoTestowe::WpiszPozycje(int wiersz, const QString &towar, const QString &ilosc, const QString &cena,
                               const QString &stawka)
{
    WpiszKomorke(kolTowar, wiersz, towar);
    if (!stawka.isNull())
        WpiszKomorke(kolPrcVat, wiersz, stawka);
    WpiszKomorke(kolIlosc, wiersz, ilosc);
    WpiszKomorke(kolCena, wiersz, cena);
}

void OknoTestowe::Wykonaj(QAction *akcja)
{
    akcja->trigger();
    Przetworz();
}

void OknoTestowe::Wykonaj(const char *akcja) { Wykonaj(Kontrolka<QAction>(*okno, akcja)); }

void OknoTestowe::MenuSiatki(const std::function<void(QMenu &menu)> &wMenu)
{
    auto *g = Kontrolka<TjustGrid>(*okno, "Grid");
    auto *menu = Kontrolka<QMenu>(*okno, "PopupGrid");
    bool otwarte = false;
    // the menu runs its own event loop: the test acts inside it
    QTimer wMenuOtwartym;
    wMenuOtwartym.setSingleShot(true);
    QObject::connect(&wMenuOtwartym, &QTimer::timeout, menu, [&] {
        otwarte = menu->isVisible();
        wMenu(*menu);
        menu->close();
    });
    wMenuOtwartym.start(0);
    const QPoint p = g->viewport()->rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, g->viewport()->mapToGlobal(p), Qt::NoModifier);
    QCoreApplication::sendEvent(g->viewport(), &e);
    QVERIFY2(otwarte, "the grid's context menu did not open");
    // the offscreen platform leaves the closed menu active; a window system would not
    QVERIFY(Aktywuj(*okno));
    Przetworz();
}
