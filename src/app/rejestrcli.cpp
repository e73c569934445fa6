#include "rejestrcli.h"
#include "wierszpolecen.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "invoice/indeksfolderu.h"
#include "invoice/konfiguracja.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

double DataOpcji(const QString &t, const QString &opcja)
{
    if (t.isEmpty())
        return 0;
    const double d = TekstNaDate(t, 0);
    if (d <= 0)
        throw BladUzycia(QStringLiteral("Niepoprawna data opcji --%1: %2 (oczekiwano DD.MM.RRRR).").arg(opcja, t));
    return d;
}

// A spreadsheet's number: no thousands separator, a decimal comma.
QString Kwota(double x) { return KwotaNaTekst(0, false, true, x); }
QString KwotaWpisu(const QString &t) { return Kwota(TekstNaFloat(t, 0)); }

QString PoleCsv(QString t)
{
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))) {
        t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

QString Kolumna(const QString &t, int szer, bool wPrawo = false)
{
    return wPrawo ? t.rightJustified(szer, QLatin1Char(' ')) : t.leftJustified(szer, QLatin1Char(' '));
}

}   // namespace

bool NumerZajety(const TzentoraVat &f, const QString &plik)
{
    const QFileInfo i(plik);
    const IndeksFolderu indeks(i.absolutePath());
    const WpisIndeksu *inny = TenSamNumer(indeks.Wpisy(), f, i.fileName());
    if (!inny)
        return false;
    Komunikat(
        QStringLiteral("X%1: Faktura o numerze %2 już istnieje (plik %3); nie zapisano, --force zapisuje mimo to.")
            .arg(plik, f.DajOznaczenieFaktury(), inny->plik));
    return true;
}

int PolecenieRejestr(const Argumenty &a)
{
    if (a.pliki.size() > 1)
        throw BladUzycia(QStringLiteral("Polecenie rejestr przyjmuje jeden folder."));
    if (a.json && a.csv)
        throw BladUzycia(QStringLiteral("Podaj --json albo --csv, nie oba."));
    const double od = DataOpcji(a.dataOd, QStringLiteral("od")), do_ = DataOpcji(a.dataDo, QStringLiteral("do"));
    QString folder = a.pliki.value(0);
    if (folder.isEmpty()) {
        // the editor's working folder: the configured one, else the configuration's own
        const QString konf = a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja;
        TiniZentora ini;
        if (QFileInfo::exists(konf))
            CzytajParametry(konf, ini);
        folder = Niepusty(ini.iniFolder) ? ini.iniFolder : QFileInfo(konf).absolutePath();
    }
    if (!QFileInfo(folder).isDir()) {
        Komunikat(QStringLiteral("XNie znaleziono folderu %1").arg(QDir::toNativeSeparators(folder)));
        return kBladPliku;
    }
    const IndeksFolderu indeks(folder);
    QList<const WpisIndeksu *> wpisy, uszkodzone;
    for (const WpisIndeksu &w : indeks.Wpisy()) {
        if (w.Uszkodzony()) {
            uszkodzone.append(&w);
            continue;
        }
        const double d = DataWpisu(w);
        if ((od > 0 && d < od) || (do_ > 0 && d > do_))
            continue;
        wpisy.append(&w);
    }
    // by issue date, then by designation within a day
    std::stable_sort(wpisy.begin(), wpisy.end(), [](const WpisIndeksu *x, const WpisIndeksu *y) {
        const double dx = DataWpisu(*x), dy = DataWpisu(*y);
        return dx != dy ? dx < dy : x->numer < y->numer;
    });
    const QList<SumaStawki> sumy = SumyWgStawek(wpisy);

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    if (a.json) {
        QJsonArray faktury, zle, stawki;
        for (const WpisIndeksu *w : wpisy)
            faktury.append(QJsonObject{{QStringLiteral("plik"), w->plik},
                                       {QStringLiteral("data"), w->wystawiono},
                                       {QStringLiteral("numer"), w->Oznaczenie()},
                                       {QStringLiteral("rodzaj"), NazwyFaktur[w->rodzaj]},
                                       {QStringLiteral("nabywca"), w->firma},
                                       {QStringLiteral("nip"), w->nip},
                                       {QStringLiteral("netto"), KwotaWpisu(w->sumy[vatSum].Netto)},
                                       {QStringLiteral("vat"), KwotaWpisu(w->sumy[vatSum].WarVat)},
                                       {QStringLiteral("brutto"), KwotaWpisu(w->sumy[vatSum].Brutto)},
                                       {QStringLiteral("ksef"), StanKsefWpisu(*w)}});
        for (const WpisIndeksu *w : uszkodzone)
            zle.append(QJsonObject{{QStringLiteral("plik"), w->plik}, {QStringLiteral("blad"), BezKodow(w->blad)}});
        for (const SumaStawki &s : sumy)
            stawki.append(QJsonObject{{QStringLiteral("stawka"), s.stawka},
                                      {QStringLiteral("netto"), Kwota(s.netto)},
                                      {QStringLiteral("vat"), Kwota(s.vat)},
                                      {QStringLiteral("brutto"), Kwota(s.brutto)}});
        out << QJsonDocument(QJsonObject{{QStringLiteral("faktury"), faktury},
                                         {QStringLiteral("uszkodzone"), zle},
                                         {QStringLiteral("sumy"), stawki}})
                   .toJson(QJsonDocument::Indented);
    } else if (a.csv) {
        // a spreadsheet takes UTF-8 only with the byte order mark
        out << QChar(0xFEFF) << "Data;Numer;Rodzaj;Nabywca;NIP;Netto;VAT;Brutto;KSeF;Plik\r\n";
        for (const WpisIndeksu *w : wpisy)
            out << QStringList{w->wystawiono,
                               PoleCsv(w->Oznaczenie()),
                               PoleCsv(NazwyFaktur[w->rodzaj]),
                               PoleCsv(w->firma),
                               PoleCsv(w->nip),
                               KwotaWpisu(w->sumy[vatSum].Netto),
                               KwotaWpisu(w->sumy[vatSum].WarVat),
                               KwotaWpisu(w->sumy[vatSum].Brutto),
                               PoleCsv(StanKsefWpisu(*w)),
                               PoleCsv(w->plik)}
                       .join(QLatin1Char(';'))
                << "\r\n";
        for (const WpisIndeksu *w : uszkodzone)
            out << ";;;;;;;;" << PoleCsv(QStringLiteral("uszkodzony: ") + BezKodow(w->blad)) << ";" << PoleCsv(w->plik)
                << "\r\n";
        out << "\r\nStawka;Netto;VAT;Brutto\r\n";
        for (const SumaStawki &s : sumy)
            out << s.stawka << ";" << Kwota(s.netto) << ";" << Kwota(s.vat) << ";" << Kwota(s.brutto) << "\r\n";
    } else {
        for (const WpisIndeksu *w : wpisy)
            out << Kolumna(w->wystawiono, 11) << Kolumna(w->Oznaczenie(), 18) << Kolumna(NazwyFaktur[w->rodzaj], 24)
                << Kolumna(w->firma.left(30), 31) << Kolumna(w->nip, 14)
                << Kolumna(KwotaNaTekst(0, true, true, TekstNaFloat(w->sumy[vatSum].Netto, 0)), 14, true)
                << Kolumna(KwotaNaTekst(0, true, true, TekstNaFloat(w->sumy[vatSum].WarVat, 0)), 13, true)
                << Kolumna(KwotaNaTekst(0, true, true, TekstNaFloat(w->sumy[vatSum].Brutto, 0)), 14, true) << "  "
                << StanKsefWpisu(*w) << "\n";
        for (const WpisIndeksu *w : uszkodzone)
            out << "uszkodzony: " << w->plik << ": " << BezKodow(w->blad) << "\n";
        out << "\n";
        for (const SumaStawki &s : sumy)
            out << Kolumna(s.stawka, 8) << Kolumna(KwotaNaTekst(0, true, true, s.netto), 16, true)
                << Kolumna(KwotaNaTekst(0, true, true, s.vat), 14, true)
                << Kolumna(KwotaNaTekst(0, true, true, s.brutto), 16, true) << "\n";
    }
    return kOk;
}
