#include "drukowanie_cli.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "print/wydrukfaktury.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>

#include <cstdio>

namespace {

enum KodWyjscia { kOk = 0, kUzycie = 1, kPrzerwano = 2, kBlad = 3 };

int Uzycie(const QString &blad)
{
    std::fprintf(stderr, "%s\n\nUżycie:\n%s", qPrintable(blad), ZENTORA_POMOC_DRUKOWANIA);
    return kUzycie;
}

struct OpcjeDruku {
    QStringList pliki;
    QString drukarka, konfiguracja;
    int kopie = 1;
    bool zDrukarka = false, duplikat = false, podpis = false, marginesy = false;
    double dataDuplikatu = 0;
};

// Returns an empty text when the options are right, otherwise what is wrong with them.
QString Parsuj(const QStringList &a, OpcjeDruku &o)
{
    for (int i = 0; i < a.size(); ++i) {
        const QString &x = a.at(i);
        QString w;
        const bool zWartoscia = x == QLatin1String("--printer") || x == QLatin1String("--copies")
                                || x == QLatin1String("--duplicate") || x == QLatin1String("--config");
        if (zWartoscia) {
            if (i + 1 >= a.size())
                return QStringLiteral("Opcja %1 wymaga wartości.").arg(x);
            w = a.at(++i);
        }
        if (x == QLatin1String("--printer")) {
            o.drukarka = w;
            o.zDrukarka = true;
        } else if (x == QLatin1String("--copies")) {
            bool ok = false;
            o.kopie = w.toInt(&ok);
            if (!ok || o.kopie < 1 || o.kopie > 99)
                return QStringLiteral("Niepoprawna liczba egzemplarzy: %1 (oczekiwano 1..99).").arg(w);
        } else if (x == QLatin1String("--duplicate")) {
            o.duplikat = true;
            o.dataDuplikatu = TekstNaDate(w, 0);
            if (o.dataDuplikatu <= 0)
                return QStringLiteral("Niepoprawna data duplikatu: %1 (oczekiwano DD.MM.RRRR).").arg(w);
        } else if (x == QLatin1String("--config")) {
            o.konfiguracja = w;
        } else if (x == QLatin1String("--signature")) {
            o.podpis = true;
        } else if (x == QLatin1String("--extra-margins")) {
            o.marginesy = true;
        } else if (x.startsWith(QLatin1Char('-')) && x.size() > 1) {
            return QStringLiteral("Nieznana opcja %1.").arg(x);
        } else {
            o.pliki.append(x);
        }
    }
    if (o.pliki.isEmpty())
        return QStringLiteral("Polecenie print wymaga co najmniej jednego pliku faktury.");
    if (o.zDrukarka && o.drukarka.isEmpty())
        return QStringLiteral("Opcja --printer wymaga nazwy drukarki.");
    return QString();
}

// The printers there are, one a line, the default one marked; for the messages about a
// printer that cannot be used.
QString SpisDrukarek()
{
    const QStringList nazwy = QPrinterInfo::availablePrinterNames();
    if (nazwy.isEmpty())
        return QStringLiteral("W systemie nie ma żadnej drukarki.");
    const QString domyslna = QPrinterInfo::defaultPrinterName();
    QString t = QStringLiteral("Dostępne drukarki:");
    for (const QString &n : nazwy)
        t += QStringLiteral("|  ") + n + (n == domyslna ? QStringLiteral("  (domyślna)") : QString());
    return t;
}

}   // namespace

int PolecenieDrukuj(const QStringList &argumenty)
{
    OpcjeDruku o;
    const QString blad = Parsuj(argumenty, o);
    if (!blad.isEmpty())
        return Uzycie(blad);

    // The printer first: a wrong name must not leave half of the invoices printed.
    QPrinterInfo info;
    if (o.zDrukarka) {
        info = QPrinterInfo::printerInfo(o.drukarka);
        if (info.isNull()) {
            Komunikat(QStringLiteral("XNie ma drukarki \"%1\".|").arg(o.drukarka) + SpisDrukarek());
            return kBlad;
        }
    } else {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            Komunikat(QStringLiteral("XNie wybrano drukarki domyślnej; wskaż drukarkę opcją --printer.|")
                      + SpisDrukarek());
            return kBlad;
        }
    }

    TiniZentora ini;
    CzytajParametry(o.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : o.konfiguracja, ini);
    DrukujPodpis = o.podpis;
    PlikPodpisu = ini.IniPodpisBmp;
    EkstraMarginesy = o.marginesy;
    DrukujDuplikat = o.duplikat;
    DataDuplikatu = o.dataDuplikatu;
    if (o.podpis && Pusty(ini.IniPodpisBmp))
        Komunikat(
            QStringLiteral("!W konfiguracji nie wskazano pliku rysunku podpisu.|Podpis nie zostanie wydrukowany"));

    QPrinter drukarka(info, QPrinter::HighResolution);
    const QString nazwa = info.printerName();
    QTextStream out(stdout);
    int wynik = kOk;
    for (const QString &plik : o.pliki) {
        try {
            TzentoraVat f;
            CzytajFakture(plik, f);
            PrzeliczRekord(f);
            OstrzezenieKsef(f);
            const int wyslane = DrukujKopie(f, ini, o.kopie, &drukarka);
            out << plik << ": " << wyslane << " z " << o.kopie << " egz. na drukarce " << nazwa << "\n";
            out.flush();
            if (wyslane < o.kopie)
                wynik = qMax(wynik, int(kBlad));
        } catch (const ECichyAbort &) {
            wynik = qMax(wynik, int(kPrzerwano));
        } catch (const EMojeBledy &e) {
            Komunikat(QStringLiteral("X") + plik + QStringLiteral(": ") + e.komunikat());
            wynik = qMax(wynik, int(kBlad));
        }
    }
    return wynik;
}

int PolecenieDrukarki(const QStringList &argumenty)
{
    bool json = false;
    for (const QString &x : argumenty) {
        if (x == QLatin1String("--json"))
            json = true;
        else
            return Uzycie(x.startsWith(QLatin1Char('-')) ? QStringLiteral("Nieznana opcja %1.").arg(x)
                                                         : QStringLiteral("Nieoczekiwany argument %1.").arg(x));
    }
    const QString domyslna = QPrinterInfo::defaultPrinterName();
    const QList<QPrinterInfo> drukarki = QPrinterInfo::availablePrinters();
    QTextStream out(stdout);
    if (json) {
        QJsonArray t;
        for (const QPrinterInfo &p : drukarki)
            t.append(QJsonObject{{QStringLiteral("nazwa"), p.printerName()},
                                 {QStringLiteral("opis"), p.description()},
                                 {QStringLiteral("miejsce"), p.location()},
                                 {QStringLiteral("model"), p.makeAndModel()},
                                 {QStringLiteral("domyslna"), p.printerName() == domyslna}});
        out << QJsonDocument(t).toJson(QJsonDocument::Indented);
        return kOk;
    }
    if (drukarki.isEmpty())
        Komunikat(QStringLiteral("!W systemie nie ma żadnej drukarki."));
    for (const QPrinterInfo &p : drukarki) {
        out << p.printerName();
        if (p.printerName() == domyslna)
            out << "  (domyślna)";
        if (!p.description().isEmpty() && p.description() != p.printerName())
            out << "  " << p.description();
        out << "\n";
    }
    return kOk;
}
