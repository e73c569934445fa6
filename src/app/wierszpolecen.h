#pragma once
// The command line of zentora-cli: a table of commands, each naming the options it takes, read
// with QCommandLineParser. A command is a function taking Argumenty plus one row of the command
// table; an option is one row of the option table and a field of Argumenty it lands in.

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <variant>

enum KodWyjscia { kOk = 0, kUzycie = 1, kOdrzucono = 2, kBladPliku = 3 };

// What the command line asked for.
struct Argumenty {
    QString polecenie;
    QStringList pliki;   // the arguments that are not options, in their order
    QString wyjscie, konfiguracja, dzis;
    bool json = false;
    // pdf, print
    QString katalog, kopie, duplikat, zadania, drukarka;
    bool podpis = false, marginesy = false;
    // ksef (--force also pdf and print)
    bool wymus = false, zapisz = false;
    // rejestr, ksef-odbierz: the date range, DD.MM.YYYY
    QString dataOd, dataDo;
    // rejestr
    bool csv = false;
    // ksef-wyslij: the file holding the KSeF token
    QString plikTokena;
    // ksef-wyslij, ksef-odbierz: the KSeF certificate (PKCS#12, or .crt with --key) and its password
    QString plikCertyfikatu, plikKlucza, plikHasla;
    // korekta
    QString przyczyna;
    // the whole command line, for the commands that read their options themselves once
    // the table has checked them
    QStringList surowe;
    QStringList podane;   // names of the options given, so that an empty value is told from none
};

// A wrong command line: exit status 1, the message and the usage.
class BladUzycia : public std::runtime_error {
public:
    explicit BladUzycia(const QString &t) : std::runtime_error(t.toStdString()) {}
};

// One option. A one-letter name is written -o, a longer one --json; a switch has no value name.
struct OpcjaCli {
    QString nazwa;
    QString wartosc;   // the value's name in the help; empty for a switch
    QString opis;
    std::variant<bool Argumenty::*, QString Argumenty::*> cel;
};

struct PolecenieCli {
    QString nazwa;
    QString uzycie;   // the usage lines after "zentora-cli ", one per "\n"
    QString opis;
    QStringList opcje;   // names of the options it takes
    int (*wykonaj)(const Argumenty &) = nullptr;
    bool rysuje = false;   // draws pages, so it needs a QGuiApplication
};

struct TabelaPolecen {
    QList<PolecenieCli> polecenia;
    QList<OpcjaCli> opcje;
    QString wersja;

    const PolecenieCli *Polecenie(const QString &nazwa) const;
    const OpcjaCli *Opcja(const QString &nazwa) const;
};

QString PomocProgramu(const TabelaPolecen &t);
QString PomocPolecenia(const TabelaPolecen &t, const PolecenieCli &p);

// The outcome of reading the command line: a command to run, or a text (help, version) to print.
struct Wywolanie {
    const PolecenieCli *polecenie = nullptr;
    Argumenty argumenty;
    QString tekst;
};

// Reads the arguments of main() (the program name first); throws BladUzycia.
Wywolanie CzytajWywolanie(const TabelaPolecen &t, const QStringList &a);
