// zentora-cli: the invoice core without a window, for scripts, batch work and checks.
// It never asks anything: messages go to stderr and the exit status tells the outcome.

#include "plikiwyjsciowe.h"
#include "wierszpolecen.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/slownie.h"
#include "common/teksty.h"
#include "invoice/dokument.h"
#include "invoice/indeksfolderu.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "ksefcli.h"
#include "ksefimport.h"
#include "ksefodbierz.h"
#include "ksefwyslij.h"
#include "rejestrcli.h"

#ifdef ZENTORA_Z_WYDRUKIEM
#include "drukowanie_cli.h"
#endif
#ifdef ZENTORA_CLI_PDF
#include "pdfwieluprocesami.h"
#include "print/drukarka.h"
#include "print/kanwapdf.h"
#include "print/wydrukfaktury.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <QThread>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

QJsonObject JsonFaktury(const TzentoraVat &f, const QString &doZaplaty)
{
    QJsonObject o;
    o[QStringLiteral("oznaczenie")] = f.DajOznaczenieFaktury();
    o[QStringLiteral("rodzaj")] = int(f.RodzajFak);
    o[QStringLiteral("wystawiono")] = f.DataWystaw;
    o[QStringLiteral("sprzedano")] = f.DataSprzed;
    o[QStringLiteral("termin")] = f.DataZaplaty;
    QJsonArray pozycje;
    for (int i = 1; i <= qMin(f.IlePozyc, kMaxPozycji); ++i) {
        const TpozFaktury &p = f.Pozycja(i);
        QJsonObject w;
        w[QStringLiteral("lp")] = i;
        w[QStringLiteral("towar")] = p.Towar;
        w[QStringLiteral("klasyf")] = p.Klasyf;
        w[QStringLiteral("jedn")] = p.Jedn;
        w[QStringLiteral("ilosc")] = p.Ilosc;
        w[QStringLiteral("cena")] = p.Cena;
        w[QStringLiteral("netto")] = p.Netto;
        w[QStringLiteral("stawka")] = p.PrcVat;
        w[QStringLiteral("vat")] = p.WarVat;
        w[QStringLiteral("brutto")] = p.Brutto;
        pozycje.append(w);
    }
    o[QStringLiteral("pozycje")] = pozycje;
    QJsonObject sumy;
    for (int r = vatSum; r <= vatA; ++r) {
        const TrekordVat &s = f.SumyFaktury[r];
        sumy[KluczeSum[r]] = QJsonObject{{QStringLiteral("netto"), s.Netto},
                                         {QStringLiteral("stawka"), s.PrcVat},
                                         {QStringLiteral("vat"), s.WarVat},
                                         {QStringLiteral("brutto"), s.Brutto}};
    }
    o[QStringLiteral("sumy")] = sumy;
    o[QStringLiteral("do_zaplaty")] = doZaplaty;
    o[QStringLiteral("slownie")] = KwotaSlownie(TekstNaFloat(f.SumyFaktury[vatSum].Brutto, 0));
    // the rest of the invoice as stored: the number parts, the parties and the payment
    o[QStringLiteral("numer")] = f.NumerFak;
    o[QStringLiteral("symbol")] = f.SymbolFak;
    o[QStringLiteral("typ_numeracji")] = int(f.RodzajNum);
    o[QStringLiteral("zaplata")] = int(f.RodzZaplaty);
    o[QStringLiteral("korekta")] = f.DoKorekty;
    o[QStringLiteral("korygowana")] = QJsonObject{{QStringLiteral("data"), f.DataKorygowanej},
                                                  {QStringLiteral("numer_ksef"), f.KsefKorygowanej},
                                                  {QStringLiteral("przyczyna"), f.PrzyczynaKorekty}};
    o[QStringLiteral("mpp")] = f.MPP;
    o[QStringLiteral("podstawa_zwolnienia")] = f.PodstawaZwolnienia;
    o[QStringLiteral("uwagi")] = f.UwagiDodatk;
    o[QStringLiteral("ratalnie")] = f.Ratalnie;
    o[QStringLiteral("przelano")] = f.Przelano;
    o[QStringLiteral("kupujacy")] =
        QJsonObject{{QStringLiteral("firma"), f.KupFirma}, {QStringLiteral("ulica"), f.KupUlica},
                    {QStringLiteral("kod"), f.KupKod},     {QStringLiteral("miasto"), f.KupMiasto},
                    {QStringLiteral("nip"), f.KupNip},     {QStringLiteral("osoba"), f.KupOsoba}};
    o[QStringLiteral("sprzedawca")] =
        QJsonObject{{QStringLiteral("ramka"), QJsonArray::fromStringList(MemoZTekstu(f.SprzedRamka))},
                    {QStringLiteral("bank"), f.SprzedBank},
                    {QStringLiteral("konto"), f.SprzedKonto},
                    {QStringLiteral("osoba"), f.SprzedOsoba}};
    if (Niepusty(f.KsefSkrot) || Niepusty(f.KsefNumer))
        o[QStringLiteral("ksef")] = QJsonObject{{QStringLiteral("skrot"), f.KsefSkrot},
                                                {QStringLiteral("wytworzono"), f.KsefWytworzono},
                                                {QStringLiteral("numer"), f.KsefNumer},
                                                {QStringLiteral("nip"), f.KsefNip}};
    return o;
}

QString Kolumna(const QString &t, int szer, bool wPrawo = false)
{
    return wPrawo ? t.rightJustified(szer, QLatin1Char(' ')) : t.leftJustified(szer, QLatin1Char(' '));
}

void PiszTekst(QTextStream &out, const TzentoraVat &f, const QString &doZaplaty)
{
    out << NazwyFaktur[f.RodzajFak] << "  nr " << f.DajOznaczenieFaktury() << "\n";
    if (f.RodzajFak == rFakKoryg && Niepusty(f.DoKorekty))
        out << "do faktury: " << f.DoKorekty << "\n";
    if (f.RodzajFak == rFakKoryg && Niepusty(f.DataKorygowanej))
        out << "z dnia " << f.DataKorygowanej << "\n";
    if (f.RodzajFak == rFakKoryg && Niepusty(f.KsefKorygowanej))
        out << "Nr KSeF: " << f.KsefKorygowanej << "\n";
    if (f.RodzajFak == rFakKoryg && Niepusty(f.PrzyczynaKorekty))
        out << "Przyczyna korekty: " << f.PrzyczynaKorekty << "\n";
    if (f.MPP)
        out << "mechanizm podzielonej płatności\n";
    out << "Wystawiono: " << f.DataWystaw << "   Sprzedano: " << f.DataSprzed << "   Termin zapłaty: " << f.DataZaplaty
        << "   Zapłata: " << NazwyZaplat[f.RodzZaplaty] << "\n";
    out << "Nabywca:    " << f.KupFirma << "; " << f.KupUlica << "; " << f.KupKod << " " << f.KupMiasto;
    if (Niepusty(f.KupNip))
        out << "; NIP " << f.KupNip;
    out << "\n";
    out << "Sprzedawca: " << QString(f.SprzedRamka).replace(QLatin1Char(';'), QStringLiteral("; ")) << "\n";
    if (Niepusty(f.SprzedBank) || Niepusty(f.SprzedKonto))
        out << "Konto:      " << f.SprzedBank << " " << f.SprzedKonto << "\n";
    if (Niepusty(f.UwagiDodatk))
        out << "Uwagi:      " << f.UwagiDodatk << "\n";
    out << "\n"
        << Kolumna(QStringLiteral("Lp"), 3, true) << "  " << Kolumna(QStringLiteral("Nazwa towaru / usługi"), 30) << " "
        << Kolumna(QStringLiteral("Jedn."), 6) << Kolumna(QStringLiteral("Ilość"), 8, true)
        << Kolumna(QStringLiteral("Cena"), 12, true) << Kolumna(QStringLiteral("Netto"), 13, true)
        << Kolumna(QStringLiteral("%Vat"), 5, true) << Kolumna(QStringLiteral("VAT zł"), 12, true)
        << Kolumna(QStringLiteral("Brutto"), 13, true) << "\n";
    for (int i = 1; i <= qMin(f.IlePozyc, kMaxPozycji); ++i) {
        const TpozFaktury &p = f.Pozycja(i);
        out << Kolumna(QString::number(i), 3, true) << "  " << Kolumna(p.Towar, 30) << " " << Kolumna(p.Jedn, 6)
            << Kolumna(p.Ilosc, 8, true) << Kolumna(p.Cena, 12, true) << Kolumna(p.Netto, 13, true)
            << Kolumna(p.PrcVat, 5, true) << Kolumna(p.WarVat, 12, true) << Kolumna(p.Brutto, 13, true) << "\n";
    }
    out << "\n";
    for (int r = vatSum; r <= vatA; ++r) {
        const TrekordVat &s = f.SumyFaktury[r];
        if (r != vatSum && Pusty(s.Netto) && Pusty(s.WarVat) && Pusty(s.Brutto))
            continue;
        const QString opis = r == vatSum  ? QStringLiteral("Razem")
                             : r == vatZw ? QStringLiteral("zwol.")
                                          : s.PrcVat + QStringLiteral(" %");
        out << Kolumna(opis, 8) << Kolumna(s.Netto, 14, true) << Kolumna(s.WarVat, 12, true)
            << Kolumna(s.Brutto, 14, true) << "\n";
    }
    if (MaWierszZwolniony(f) && Niepusty(f.PodstawaZwolnienia))
        out << "Podstawa zwolnienia: " << Trim(f.PodstawaZwolnienia) << "\n";
    // money going back is said as its size: the label says which way it goes
    const bool zwrot = TekstNaFloat(doZaplaty, 0) < 0;
    QString kwota = Trim(doZaplaty);
    if (zwrot)
        kwota.remove(0, 1);
    out << (zwrot ? "\nDo zwrotu:  " : "\nDo zapłaty: ") << kwota << " zł\n";
    out << "Słownie:    " << KwotaSlownie(std::fabs(TekstNaFloat(f.SumyFaktury[vatSum].Brutto, 0))) << "\n";
}

void Wypisz(const TzentoraVat &f, const QString &doZaplaty, bool json)
{
    QTextStream out(stdout);
    if (json)
        out << QJsonDocument(JsonFaktury(f, doZaplaty)).toJson(QJsonDocument::Indented);
    else
        PiszTekst(out, f, doZaplaty);
}

QString JedenPlik(const Argumenty &a)
{
    if (a.pliki.size() != 1)
        throw BladUzycia(QStringLiteral("Polecenie %1 wymaga jednego pliku faktury.").arg(a.polecenie));
    return a.pliki.first();
}

int Pokaz(const Argumenty &a)
{
    TzentoraVat f;
    CzytajFaktureDoWydania(JedenPlik(a), f);
    Wypisz(f, f.SumyFaktury[vatSum].Brutto, a.json);
    return kOk;
}

int Przelicz(const Argumenty &a)
{
    TzentoraVat f;
    CzytajFaktureDoWydania(JedenPlik(a), f);
    // as the editor after an accepted cell, then as its save command
    const QString doZaplaty = PrzeliczRekord(f);
    if (!a.wyjscie.isEmpty()) {
        if (!a.wymus && NumerZajety(f, a.wyjscie))
            return kOdrzucono;
        ZapiszFakture(a.wyjscie, f);
    }
    if (a.wyjscie.isEmpty() || a.json)
        Wypisz(f, doZaplaty, a.json);
    return kOk;
}

int Slownie(const Argumenty &a)
{
    if (a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Podaj co najmniej jedną kwotę."));
    QTextStream out(stdout);
    int wynik = kOk;
    for (const QString &k : a.pliki) {
        const double x = TekstNaFloat(k, qQNaN());
        if (qIsNaN(x)) {
            Komunikat(QStringLiteral("XNiepoprawna kwota: %1").arg(k));
            out << "\n";
            wynik = kOdrzucono;
            continue;
        }
        out << KwotaSlownie(x) << "\n";
    }
    return wynik;
}

// The configuration of a command that makes a new document, and the day it is made on
// (--today, else the real one).
TiniZentora KonfiguracjaIDzien(const Argumenty &a)
{
    if (!a.dzis.isEmpty()) {
        const double d = TekstNaDate(a.dzis, 0);
        if (d <= 0)
            throw BladUzycia(QStringLiteral("Niepoprawna data: %1 (oczekiwano DD.MM.RRRR).").arg(a.dzis));
        UstawDateDzis(d);
    }
    TiniZentora ini;
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    return ini;
}

int Nowa(const Argumenty &a)
{
    if (a.wyjscie.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie new wymaga opcji -o PLIK.FAK."));
    if (!a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument %1.").arg(a.pliki.first()));
    const TiniZentora ini = KonfiguracjaIDzien(a);
    TzentoraVat f = NowaFaktura(ini, DataDzis());
    // numbered as the editor numbers a new invoice in the folder it goes to
    const QFileInfo cel(a.wyjscie);
    NumerujWFolderze(f, ini, cel.absolutePath(), cel.fileName());
    if (!a.wymus && NumerZajety(f, a.wyjscie))
        return kOdrzucono;
    TabeleWPamieci t;
    t.dataSprzedazy = f.DataSprzed;
    RekordDoTabel(f, t);
    TabeleDoRekordu(t, f, false);
    ZapiszFakture(a.wyjscie, f);
    if (a.json)
        Wypisz(f, f.SumyFaktury[vatSum].Brutto, true);
    return kOk;
}

int Ksef(const Argumenty &a) { return PolecenieKsef(a.surowe); }

// The correction of an invoice as a new file: never over the invoice it corrects.
int Korekta(const Argumenty &a)
{
    const QString zrodlo = JedenPlik(a);
    if (a.wyjscie.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie korekta wymaga opcji -o NOWY.FAK."));
    if (QFileInfo(a.wyjscie).absoluteFilePath() == QFileInfo(zrodlo).absoluteFilePath()
        || (QFileInfo::exists(a.wyjscie)
            && QFileInfo(a.wyjscie).canonicalFilePath() == QFileInfo(zrodlo).canonicalFilePath()))
        throw BladUzycia(QStringLiteral("Korekta nie może zastąpić faktury, którą koryguje; podaj inny plik -o."));
    const TiniZentora ini = KonfiguracjaIDzien(a);
    TzentoraVat f;
    CzytajFakture(zrodlo, f);
    if (!RodzajDoKsef(f.RodzajFak)) {
        Komunikat(QStringLiteral("X") + zrodlo
                  + QStringLiteral(": dokument „%1” nie jest fakturą VAT; korektę "
                                   "wystawia się tylko do faktury.")
                        .arg(NazwyFaktur[f.RodzajFak]));
        return kOdrzucono;
    }
    PrzeliczRekord(f);
    TzentoraVat korekta = WystawKorekte(f, ini, DataDzis(), a.przyczyna);
    // numbered as the editor numbers it: the next correction of the folder it goes to
    const QFileInfo cel(a.wyjscie);
    NumerujWFolderze(korekta, ini, cel.absolutePath(), cel.fileName());
    ZapiszFakture(a.wyjscie, korekta);
    if (Pusty(a.przyczyna))
        Komunikat(QStringLiteral("!") + a.wyjscie
                  + QStringLiteral(": korekta nie ma jeszcze przyczyny; wpisz ją przed wydrukiem i eksportem."));
    return kOk;
}

#ifdef ZENTORA_CLI_PDF
// The options of a pdf command but its files and -j, for the processes of a batch. The
// warning about a missing signature picture has been given once here already.
QStringList OpcjePdf(const Argumenty &a, bool podpis)
{
    QStringList o{QStringLiteral("-d"), a.katalog};
    if (!a.konfiguracja.isEmpty())
        o << QStringLiteral("--config") << a.konfiguracja;
    if (!a.kopie.isEmpty())
        o << QStringLiteral("--copies") << a.kopie;
    if (!a.duplikat.isEmpty())
        o << QStringLiteral("--duplicate") << a.duplikat;
    if (podpis)
        o << QStringLiteral("--signature");
    if (a.marginesy)
        o << QStringLiteral("--extra-margins");
    if (a.wymus)
        o << QStringLiteral("--force");
    return o;
}

int Pdf(const Argumenty &a)
{
    if (a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie pdf wymaga co najmniej jednego pliku faktury."));
    if (a.wyjscie.isEmpty() == a.katalog.isEmpty())
        throw BladUzycia(QStringLiteral("Podaj -o PLIK.pdf dla jednej faktury albo -d KATALOG dla wielu."));
    if (!a.wyjscie.isEmpty() && a.pliki.size() != 1)
        throw BladUzycia(QStringLiteral("Opcja -o przyjmuje jedną fakturę; dla wielu podaj -d KATALOG."));
    const OpcjeWydruku opcje = CzytajOpcjeWydruku(a);
    int zadania = QThread::idealThreadCount();
    if (!a.zadania.isEmpty()) {
        bool ok = false;
        zadania = a.zadania.toInt(&ok);
        if (!ok || zadania < 1 || zadania > 64)
            throw BladUzycia(QStringLiteral("Niepoprawna liczba procesów: %1 (oczekiwano 1..64).").arg(a.zadania));
    }
    // Every input gets its own output; two inputs of the same name would overwrite each other.
    QStringList wyjscia;
    if (!a.katalog.isEmpty()) {
        const QString wspolna = PlikiWKatalogu(a.pliki, a.katalog, QStringLiteral(".pdf"), wyjscia);
        if (!wspolna.isEmpty())
            throw BladUzycia(QStringLiteral("Dwie faktury dałyby ten sam plik %1.").arg(wspolna));
    } else {
        wyjscia.append(a.wyjscie);
    }

    TiniZentora ini;
    UstawWydruk(a, opcje, ini);
    if (!a.katalog.isEmpty() && !QDir().mkpath(a.katalog)) {
        Komunikat(QStringLiteral("XNie można utworzyć katalogu %1").arg(a.katalog));
        return kBladPliku;
    }

    zadania = ZadaniaDlaPartii(zadania, int(a.pliki.size()));
    if (!a.katalog.isEmpty() && zadania > 1)
        return PdfWieluProcesami(OpcjePdf(a, a.podpis && Niepusty(ini.IniPodpisBmp)), a.pliki, zadania);

    int wynik = kOk;
    for (int i = 0; i < a.pliki.size(); ++i) {
        try {
            TzentoraVat f;
            CzytajFaktureDoWydania(a.pliki.at(i), f);
            // the paper shows what the rows give, as the editor's print command does
            PrzeliczRekord(f);
            if (!PodstawaZwolnieniaPozwala(a.pliki.at(i), f, ini, a.wymus)) {
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            DrukujDoPdf(wyjscia.at(i), f, ini, opcje.kopie, false);
        } catch (const ECichyAbort &) {
            wynik = qMax(wynik, int(kOdrzucono));
        } catch (const EMojeBledy &e) {
            Komunikat(QStringLiteral("X") + a.pliki.at(i) + QStringLiteral(": ") + e.komunikat());
            wynik = qMax(wynik, int(kBladPliku));
        }
    }
    return wynik;
}
#endif

#ifdef ZENTORA_CLI_PDF
QtMessageHandler g_komunikatyQt = nullptr;

// The offscreen platform complains about a runtime folder it never uses; that line would
// only clutter the messages of the tool.
void FiltrKomunikatowQt(QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst)
{
    if (tekst.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_komunikatyQt)
        g_komunikatyQt(typ, kontekst, tekst);
    else
        std::fprintf(stderr, "%s\n", qFormatLogMessage(typ, kontekst, tekst).toUtf8().constData());
}
#endif

// Drawing (QtGui, fonts), printing on paper (the print system) and the network commands
// (QtNetwork, OpenSSL, the keychain) load libraries of their own; they run in helper programs
// built from this same source with those libraries, so the commands that only read or write
// invoices start with QtCore alone.
char **g_argv = nullptr;
// The folder of the zentora-cli a helper works for, where it looks for Faktury.ini.
const char kKatalogProgramu[] = "ZENTORA_KATALOG_PROGRAMU";

// Runs the helper program `nazwa` with the arguments of this one; its exit status and its
// messages are the command's. The helper is installed beside this program or in the folder of
// the program's private files (ZENTORA_POMOCNICY, relative to it).
[[maybe_unused]] int UruchomPomocnika(const char *nazwa)
{
    const QDir tu(QCoreApplication::applicationDirPath());
    QString program;
    for (const QString &miejsce : {QStringLiteral("."), QStringLiteral(ZENTORA_POMOCNICY)}) {
        QString kandydat = QDir::cleanPath(tu.absoluteFilePath(miejsce + QLatin1Char('/') + QLatin1String(nazwa)));
#ifdef Q_OS_WIN
        kandydat += QStringLiteral(".exe");
#endif
        if (QFileInfo(kandydat).isExecutable()) {
            program = kandydat;
            break;
        }
    }
    if (program.isEmpty()) {
        Komunikat(QStringLiteral("XNie znaleziono programu %1, który wykonuje to polecenie; powinien być obok %2.")
                      .arg(QLatin1String(nazwa), QDir::toNativeSeparators(QCoreApplication::applicationFilePath())));
        return kBladPliku;
    }
    if (!qEnvironmentVariableIsSet(kKatalogProgramu))
        qputenv(kKatalogProgramu, QFile::encodeName(QCoreApplication::applicationDirPath()));
#ifdef Q_OS_WIN
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
    p.start(program, QCoreApplication::arguments().mid(1));
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit) {
        Komunikat(QStringLiteral("X%1: %2").arg(QDir::toNativeSeparators(program), p.errorString()));
        return kBladPliku;
    }
    return p.exitCode();
#else
    // in place of this process: the helper keeps its streams, its parent and its signals
    const QByteArray plik = QFile::encodeName(program);
    g_argv[0] = const_cast<char *>(plik.constData());
    std::fflush(nullptr);
    ::execv(plik.constData(), g_argv);
    Komunikat(QStringLiteral("X%1: %2").arg(program, QString::fromLocal8Bit(std::strerror(errno))));
    return kBladPliku;
#endif
}

#if defined(ZENTORA_Z_WYDRUKIEM) && !defined(ZENTORA_CLI_PDF)
int Pdf(const Argumenty &) { return UruchomPomocnika("zentora-cli-pdf"); }
#endif

// The commands and their options; --help shows each command's own part of this.
TabelaPolecen Tabela()
{
    using A = Argumenty;
    TabelaPolecen t;
    t.wersja = QStringLiteral(ZENTORA_WERSJA);
    t.opcje = {
        {QStringLiteral("json"), {}, QStringLiteral("Wynik w formacie JSON."), &A::json},
        {QStringLiteral("o"), QStringLiteral("PLIK"), QStringLiteral("Plik wynikowy."), &A::wyjscie},
        {QStringLiteral("config"), QStringLiteral("Faktury.ini"),
         QStringLiteral("Plik konfiguracji zamiast domyślnego."), &A::konfiguracja},
        {QStringLiteral("today"), QStringLiteral("DD.MM.RRRR"), QStringLiteral("Data dzisiejsza dla nowej faktury."),
         &A::dzis},
        {QStringLiteral("d"), QStringLiteral("KATALOG"),
         QStringLiteral("Katalog na pliki wynikowe (PDF albo XML KSeF), po jednym na fakturę."), &A::katalog},
        {QStringLiteral("copies"), QStringLiteral("N"), QStringLiteral("Liczba egzemplarzy (1..99)."), &A::kopie},
        {QStringLiteral("duplicate"), QStringLiteral("DD.MM.RRRR"), QStringLiteral("Duplikat z tą datą."),
         &A::duplikat},
        {QStringLiteral("signature"), {}, QStringLiteral("Rysunek podpisu wskazany w konfiguracji."), &A::podpis},
        {QStringLiteral("extra-margins"), {}, QStringLiteral("Dodatkowe marginesy."), &A::marginesy},
        {QStringLiteral("j"), QStringLiteral("N"),
         QStringLiteral("Liczba procesów partii (domyślnie tyle, ile rdzeni procesora)."), &A::zadania},
        {QStringLiteral("printer"), QStringLiteral("NAZWA"), QStringLiteral("Drukarka zamiast domyślnej."),
         &A::drukarka},
        {QStringLiteral("force"),
         {},
         QStringLiteral("Zapisuje lub drukuje mimo ostrzeżeń (np. błędnej cyfry kontrolnej NIP, braku podstawy "
                        "zwolnienia, numeru już użytego w folderze)."),
         &A::wymus},
        {QStringLiteral("zapisz"), {}, QStringLiteral("Zapamiętuje eksport w pliku .FAK."), &A::zapisz},
        {QStringLiteral("token-file"), QStringLiteral("PLIK"),
         QStringLiteral("Plik z tokenem KSeF (czytelny tylko dla właściciela)."), &A::plikTokena},
        {QStringLiteral("cert"), QStringLiteral("PLIK"),
         QStringLiteral("Certyfikat KSeF typu „Uwierzytelnianie”: PKCS#12 (.p12, .pfx) albo .crt z --key; "
                        "wygrywa z tokenem."),
         &A::plikCertyfikatu},
        {QStringLiteral("key"), QStringLiteral("PLIK"),
         QStringLiteral("Klucz prywatny (.key, PEM) certyfikatu podanego w --cert (czytelny tylko dla właściciela)."),
         &A::plikKlucza},
        {QStringLiteral("cert-password-file"), QStringLiteral("PLIK"),
         QStringLiteral("Plik z hasłem certyfikatu albo klucza (pierwszy wiersz; czytelny tylko dla właściciela)."),
         &A::plikHasla},
        {QStringLiteral("przyczyna"), QStringLiteral("TEKST"), QStringLiteral("Przyczyna korekty."), &A::przyczyna},
        {QStringLiteral("od"), QStringLiteral("DD.MM.RRRR"), QStringLiteral("Pierwszy dzień zakresu dat."), &A::dataOd},
        {QStringLiteral("do"), QStringLiteral("DD.MM.RRRR"), QStringLiteral("Ostatni dzień zakresu dat."), &A::dataDo},
        {QStringLiteral("csv"), {}, QStringLiteral("Wynik jako CSV dla arkusza (UTF-8, średniki)."), &A::csv},
    };
    t.polecenia = {
        {QStringLiteral("show"),
         QStringLiteral("show FILE.FAK [--json]"),
         QStringLiteral("Pokazuje fakturę tak, jak jest zapisana."),
         {QStringLiteral("json")},
         Pokaz},
        {QStringLiteral("recompute"),
         QStringLiteral("recompute FILE.FAK [-o OUT.FAK [--force]] [--json]"),
         QStringLiteral("Wylicza pozycje i sumy tak jak edytor; z -o zapisuje wynik."),
         {QStringLiteral("o"), QStringLiteral("json"), QStringLiteral("force")},
         Przelicz},
        {QStringLiteral("words"),
         QStringLiteral("words AMOUNT..."),
         QStringLiteral("Kwoty słownie, np. 1.234,56 albo 1234,56."),
         {},
         Slownie},
        {QStringLiteral("new"),
         QStringLiteral("new -o FILE.FAK [--config Faktury.ini] [--today DD.MM.YYYY] [--force] [--json]"),
         QStringLiteral("Zapisuje nową fakturę z ustawieniami konfiguracji, z kolejnym numerem jej serii w folderze."),
         {QStringLiteral("o"), QStringLiteral("config"), QStringLiteral("today"), QStringLiteral("force"),
          QStringLiteral("json")},
         Nowa},
        {QStringLiteral("korekta"),
         QStringLiteral("korekta FILE.FAK -o NEW.FAK [--przyczyna TEXT] [--config Faktury.ini] [--today DD.MM.YYYY]"),
         QStringLiteral(
             "Wystawia fakturę korygującą do faktury: pełne odwrócenie pozycji do poprawienia, w nowym pliku."),
         {QStringLiteral("o"), QStringLiteral("przyczyna"), QStringLiteral("config"), QStringLiteral("today")},
         Korekta},
        {QStringLiteral("rejestr"),
         QStringLiteral("rejestr [FOLDER] [--od DD.MM.YYYY] [--do DD.MM.YYYY] [--json | --csv] [--config Faktury.ini]"),
         QStringLiteral("Rejestr faktur folderu (domyślnie folderu roboczego) z sumami według stawek."),
         {QStringLiteral("od"), QStringLiteral("do"), QStringLiteral("json"), QStringLiteral("csv"),
          QStringLiteral("config")},
         PolecenieRejestr},
        {QStringLiteral("ksef"),
         QStringLiteral("ksef FILE.FAK (-o OUT.xml | -d OUTDIR) [--config Faktury.ini] [--force] [--zapisz]"),
         QStringLiteral("Zapisuje faktury jako XML KSeF (FA(3))."),
         {QStringLiteral("o"), QStringLiteral("d"), QStringLiteral("config"), QStringLiteral("force"),
          QStringLiteral("zapisz")},
         Ksef},
        {QStringLiteral("ksef-numer"),
         QStringLiteral("ksef-numer FILE.FAK NUMER [--config Faktury.ini]"),
         QStringLiteral("Zapisuje w fakturze numer nadany jej w KSeF."),
         {QStringLiteral("config")},
         Ksef},
        {QStringLiteral("ksef-wyslij"),
         QStringLiteral("ksef-wyslij FILE.FAK... [--config Faktury.ini] [--token-file PLIK]\n"
                        "            [--cert PLIK.p12 | --cert PLIK.crt --key PLIK.key] [--cert-password-file PLIK]"),
         QStringLiteral("Wysyła faktury do KSeF i zapisuje w nich numery KSeF (UPO obok, jako NAZWA.upo.xml)."),
         {QStringLiteral("config"), QStringLiteral("token-file"), QStringLiteral("cert"), QStringLiteral("key"),
          QStringLiteral("cert-password-file")},
         PolecenieKsefWyslij},
        {QStringLiteral("ksef-import"),
         QStringLiteral("ksef-import FILE.xml -o FILE.FAK"),
         QStringLiteral(
             "Zapisuje fakturę FA(3) (np. od dostawcy) jako nowy plik faktury; mówi, czego nie przeniesiono."),
         {QStringLiteral("o")},
         PolecenieKsefImport},
        {QStringLiteral("ksef-odbierz"),
         QStringLiteral(
             "ksef-odbierz --od DD.MM.YYYY --do DD.MM.YYYY -d DIR [--config Faktury.ini] [--token-file PLIK]\n"
             "            [--cert PLIK.p12 | --cert PLIK.crt --key PLIK.key] [--cert-password-file PLIK]"),
         QStringLiteral("Pobiera z KSeF faktury zakupu zapisane w tych dniach, każdą jako NUMER_KSEF.xml."),
         {QStringLiteral("od"), QStringLiteral("do"), QStringLiteral("d"), QStringLiteral("config"),
          QStringLiteral("token-file"), QStringLiteral("cert"), QStringLiteral("key"),
          QStringLiteral("cert-password-file")},
         PolecenieKsefOdbierz},
#ifdef ZENTORA_Z_WYDRUKIEM
        {QStringLiteral("pdf"),
         QStringLiteral("pdf FILE.FAK -o OUT.pdf [--config Faktury.ini] [--copies N]\n"
                        "            [--duplicate DD.MM.YYYY] [--signature] [--extra-margins] [--force]\n"
                        "pdf FILE.FAK... -d OUTDIR [-j N] [options as above]"),
         QStringLiteral("Drukuje faktury do plików PDF tak jak program."),
         {QStringLiteral("o"), QStringLiteral("d"), QStringLiteral("config"), QStringLiteral("copies"),
          QStringLiteral("duplicate"), QStringLiteral("signature"), QStringLiteral("extra-margins"),
          QStringLiteral("j"), QStringLiteral("force")},
         Pdf,
         true},
        {QStringLiteral("print"),
         QStringLiteral("print FILE.FAK... [--printer NAME] [--copies N] [--duplicate DD.MM.YYYY]\n"
                        "            [--signature] [--extra-margins] [--config Faktury.ini] [--force]"),
         QStringLiteral("Drukuje faktury na drukarce systemu, każdy egzemplarz jako osobny dokument."),
         {QStringLiteral("printer"), QStringLiteral("config"), QStringLiteral("copies"), QStringLiteral("duplicate"),
          QStringLiteral("signature"), QStringLiteral("extra-margins"), QStringLiteral("force")},
         PolecenieDrukuj,
         true},
        {QStringLiteral("printers"),
         QStringLiteral("printers [--json]"),
         QStringLiteral("Pokazuje drukarki systemu; domyślna jest oznaczona."),
         {QStringLiteral("json")},
         PolecenieDrukarki,
         true},
#endif
    };
    return t;
}

}   // namespace

#ifndef ZENTORA_CLI_SIEC
int PolecenieKsefWyslij(const Argumenty &) { return UruchomPomocnika("zentora-cli-ksef"); }
int PolecenieKsefOdbierz(const Argumenty &) { return UruchomPomocnika("zentora-cli-ksef"); }
#endif
#if defined(ZENTORA_Z_WYDRUKIEM) && !defined(ZENTORA_CLI_DRUK)
int PolecenieDrukuj(const Argumenty &) { return UruchomPomocnika("zentora-cli-druk"); }
int PolecenieDrukarki(const Argumenty &) { return UruchomPomocnika("zentora-cli-druk"); }
#endif

namespace {

// The commands of the helper programs, as this program runs them.
bool WPomocniku(const PolecenieCli &p)
{
#ifndef ZENTORA_CLI_SIEC
    if (p.wykonaj == PolecenieKsefWyslij || p.wykonaj == PolecenieKsefOdbierz)
        return true;
#endif
#if defined(ZENTORA_Z_WYDRUKIEM) && !defined(ZENTORA_CLI_DRUK)
    if (p.wykonaj == PolecenieDrukuj || p.wykonaj == PolecenieDrukarki)
        return true;
#endif
#if defined(ZENTORA_Z_WYDRUKIEM) && !defined(ZENTORA_CLI_PDF)
    if (p.wykonaj == Pdf)
        return true;
#endif
    (void)p;
    return false;
}

}   // namespace

int main(int argc, char *argv[])
{
    PrzygotujKonsole();
    g_argv = argv;
    const QStringList argumenty = ArgumentyWierszaPolecen(argc, argv);
    const TabelaPolecen tabela = Tabela();
    const PolecenieCli *polecenie = tabela.Polecenie(argumenty.value(1));
    // handed over before anything else starts here: the helper reads the command line itself
    if (polecenie && WPomocniku(*polecenie)) {
        const QCoreApplication app(argc, argv);
        return polecenie->wykonaj(Argumenty());
    }
    std::unique_ptr<QCoreApplication> app;
#ifdef ZENTORA_CLI_PDF
    // A PDF file is written by a canvas of our own in the faces the program carries: it
    // needs neither a paint system nor the system's fonts. ZENTORA_PDF_QT=1 asks for Qt's
    // PDF engine instead, as the editor uses.
    const bool wlasnyPdf = polecenie && polecenie->wykonaj == Pdf && TKanwaPdf::Dostepna()
                           && qEnvironmentVariableIntValue("ZENTORA_PDF_QT") == 0;
    UzywajWlasnegoPdf(wlasnyPdf);
    // Drawing pages otherwise needs fonts and a paint system, but never a display.
    if (polecenie && polecenie->rysuje && !wlasnyPdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The PDF engine writes its fonts in hash order; a fixed seed makes the same input give
        // the same file in every run and in every process of a batch.
        QHashSeed::setDeterministicGlobalSeed();
        g_komunikatyQt = qInstallMessageHandler(FiltrKomunikatowQt);
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
#if defined(ZENTORA_CLI_PDF) || defined(ZENTORA_CLI_SIEC)
    // a helper: the program's folder is that of the zentora-cli it was handed the command by
    if (qEnvironmentVariableIsSet(kKatalogProgramu))
        UstawKatalogProgramu(QFile::decodeName(qgetenv(kKatalogProgramu)));
#endif
    InicjujProgram();
    try {
        const Wywolanie w = CzytajWywolanie(tabela, argumenty);
        if (!w.polecenie) {
            std::fputs(w.tekst.toUtf8().constData(), stdout);
            return kOk;
        }
        return w.polecenie->wykonaj(w.argumenty);
    } catch (const BladUzycia &e) {
        const QString pomoc = polecenie ? PomocPolecenia(tabela, *polecenie) : PomocProgramu(tabela);
        std::fprintf(stderr, "%s\n\n%s", e.what(), pomoc.toUtf8().constData());
        return kUzycie;
    } catch (const ECichyAbort &) {
        return kOdrzucono;
    } catch (const EMojeBledy &e) {
        Komunikat(QStringLiteral("X") + e.komunikat());
        return kBladPliku;
    } catch (const std::exception &e) {
        Komunikat(QStringLiteral("X") + QString::fromUtf8(e.what()));
        return kBladPliku;
    }
}
