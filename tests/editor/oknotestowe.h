#pragma once
// The GUI test base of the editor: the main window started on a configuration file in a
// temporary folder, with the scripted message presenter, a fixed "today" and the window's
// dialogs answered by the test (file names, parameters, pick list, calendar, print).

#include "controls/pomocnicy.h"
#include "editor/zentoraedyt.h"
#include "prezentertestowy.h"

#include <QPointer>
#include <QTemporaryDir>
#include <functional>

// The configuration most tests start with: numbering N / S / R with "FV", the seller at
// "stawka  23 %", payment by transfer within 14 days, the working folder left blank.
QByteArray KonfiguracjaTestowa();
// Text in Windows-1250 with CR LF line ends, as the program writes its files.
QByteArray TekstPliku(const QString &tekst);

// 15.06.2018, the "today" of every editor test.
double DzisTestowe();

// A control or action of the window, found by its objectName as an accessibility tool
// finds it; a name that is missing, or given to more than one object, ends the test run.
template <class T = QWidget> T *Kontrolka(const TZentoraForma &okno, const char *nazwa)
{
    const QList<T *> znalezione = okno.findChildren<T *>(QLatin1String(nazwa));
    if (znalezione.size() != 1)
        qFatal("Okno ma %d obiektów \"%s\" typu %s", int(znalezione.size()), nazwa, T::staticMetaObject.className());
    return znalezione.constFirst();
}

struct OknoTestowe {
    explicit OknoTestowe(const QByteArray &konfiguracja = KonfiguracjaTestowa());
    ~OknoTestowe();

    QString Plik(const QString &nazwa) const { return katalog.filePath(nazwa); }

    // Puts the focus into a field, replaces its text by typing, and leaves it with Tab.
    void Wpisz(QWidget *pole, const QString &tekst, bool wyjdz = true);
    void Wpisz(const char *pole, const QString &tekst, bool wyjdz = true);
    // Types into a cell of the item grid and finishes it with Enter.
    void WpiszKomorke(int kol, int wiersz, const QString &tekst);
    // One item row: name, then quantity and price (the rate as the window fills it, or
    // the one given).
    void WpiszPozycje(int wiersz, const QString &towar, const QString &ilosc, const QString &cena,
                      const QString &stawka = QString());
    // Runs a command of the window (an action or its name) the way the tool bar does.
    void Wykonaj(QAction *akcja);
    void Wykonaj(const char *akcja);
    // Opens the item grid's context menu as a right click does and runs `wMenu` while it
    // is open; the menu is closed afterwards if `wMenu` has left it open.
    void MenuSiatki(const std::function<void(QMenu &menu)> &wMenu);

    QTemporaryDir katalog;
    PrezenterTestowy prezenter;
    QPointer<TZentoraForma> okno;
    TZentoraForma *adres = nullptr;   // the variable that holds the window
    QString ini;

    // file dialogs: every question is noted; the answers are taken in order, "" gives up
    struct PytanieOPlik {
        bool zapis;
        QString tytul, folder, nazwa;
    };
    QList<PytanieOPlik> pytaniaOPlik;
    QStringList nazwyPlikow;
    // parameters dialog: the pages asked for, and what the "user" does there
    QList<int> stronyParametrow;
    std::function<bool(TiniZentora &ini, int strona)> parametry;
    // pick list: what it was given, and the line the "user" picks ("" closes it)
    struct Lista {
        QString linie;
        int dlugoscKodu, szerokosc, wiersze, kodCzcionki;
        QWidget *pole;
        QString param;
    };
    QList<Lista> listy;
    QString wyborZListy;
    bool listaWybrana = false;
    // calendar: the texts it was opened with, and the date picked ("" gives up)
    QStringList kalendarze;
    QString dataZKalendarza;
    // printing: the records and copy counts it was given
    QList<TzentoraVat> wydruki;
    QList<int> kopieWydrukow;
    // the small windows opened: "kalkulator x,y", "oprogramie"
    QStringList okienka;
};
