#pragma once
// What the program knows about itself and the maker's internet addresses, and the reading
// of the update list (one line per program version). The values are supplied by whoever
// runs the internet operations (a host system); the editor fills none of them.

#include <QList>
#include <QString>

struct TdaneProgramu {
    QString prg_Symbol;   // the program's symbol in the update list
    int prg_Wersja = 0;
    int prg_Podwersja = 0;
    int prg_Wydanie = 0;
    int prg_Liczbowo = 0;   // the whole version as one comparable number
    QString prg_Znakowo;
};

// One line of the update list.
struct TinfoInternet {
    QString inf_symb;
    QString inf_sver;        // "2.18.1"
    bool inf_pobr = false;   // can be downloaded (only a free version can)
    bool inf_darm = false;   // free
    QString inf_opis;
    QString inf_znak;   // symbol, two spaces, version text
    int inf_nver = 0;   // the version text without its dots: 2181
};

struct TdaneInternet {
    QString mail_programu;
    QString mail_prgTemat, mail_prgTresc;
    QString mail_zamawiam;
    QString mail_zamTemat, mail_zamTresc;
    QString www_programu;
    QString http_programu;   // home page, also asked when testing the connection
    QString http_wsparcie;
    QString http_plikInfo;   // URL of the update list
    QString sPlik_Info;      // local file the list is downloaded to
    bool odczyt_InfoOk = false;
    QString sTresc_Info;
    int Licz_Platna = 0;
    int Licz_DoPobr = 0;
    int Licz_Darmow = 0;
    QList<TinfoInternet> aOpisy_Info;   // the newer versions, in file order
};

// The program-wide instances.
extern TdaneProgramu DaneProgramu;
extern TdaneInternet DaneInternet;

// Reads dane.sTresc_Info into aOpisy_Info and the three counters: lines (ended by carriage
// returns, line feeds ignored) of "symbol;version;downloadable;free;description"; only the
// versions of program.prg_Symbol newer than program.prg_Liczbowo are kept.
void DekodujPlikInfo(TdaneInternet &dane, const TdaneProgramu &program);
void DekodujPlikInfo();
