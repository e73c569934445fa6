// zentora-cli print and printers: invoices on the system's printers, through Qt's print support
// (the helper program zentora-cli-druk).

#include "drukowanie_cli.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "plikiwyjsciowe.h"
#include "print/wydrukfaktury.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>

namespace {

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

int PolecenieDrukuj(const Argumenty &a)
{
    const OpcjeWydruku o = CzytajOpcjeWydruku(a);
    if (a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie print wymaga co najmniej jednego pliku faktury."));
    const bool zDrukarka = a.podane.contains(QStringLiteral("printer"));
    if (zDrukarka && a.drukarka.isEmpty())
        throw BladUzycia(QStringLiteral("Opcja --printer wymaga nazwy drukarki."));

    // The printer first: a wrong name must not leave half of the invoices printed.
    QPrinterInfo info;
    if (zDrukarka) {
        info = QPrinterInfo::printerInfo(a.drukarka);
        if (info.isNull()) {
            Komunikat(QStringLiteral("XNie ma drukarki \"%1\".|").arg(a.drukarka) + SpisDrukarek());
            return kBladPliku;
        }
    } else {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            Komunikat(QStringLiteral("XNie wybrano drukarki domyślnej; wskaż drukarkę opcją --printer.|")
                      + SpisDrukarek());
            return kBladPliku;
        }
    }

    TiniZentora ini;
    UstawWydruk(a, o, ini);

    QPrinter drukarka(info, QPrinter::HighResolution);
    const QString nazwa = info.printerName();
    QTextStream out(stdout);
    int wynik = kOk;
    for (const QString &plik : a.pliki) {
        try {
            TzentoraVat f;
            CzytajFaktureDoWydania(plik, f);
            PrzeliczRekord(f);
            if (!PodstawaZwolnieniaPozwala(plik, f, ini, a.wymus)) {
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            SprawdzDoWydruku(f);
            const int wyslane = DrukujKopie(f, ini, o.kopie, &drukarka);
            out << plik << ": " << wyslane << " z " << o.kopie << " egz. na drukarce " << nazwa << "\n";
            out.flush();
            if (wyslane < o.kopie)
                wynik = qMax(wynik, int(kBladPliku));
        } catch (const ECichyAbort &) {
            wynik = qMax(wynik, int(kOdrzucono));
        } catch (const EMojeBledy &e) {
            Komunikat(QStringLiteral("X") + plik + QStringLiteral(": ") + e.komunikat());
            wynik = qMax(wynik, int(kBladPliku));
        }
    }
    return wynik;
}

int PolecenieDrukarki(const Argumenty &a)
{
    if (!a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument %1.").arg(a.pliki.first()));
    const QString domyslna = QPrinterInfo::defaultPrinterName();
    const QList<QPrinterInfo> drukarki = QPrinterInfo::availablePrinters();
    QTextStream out(stdout);
    if (a.json) {
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
