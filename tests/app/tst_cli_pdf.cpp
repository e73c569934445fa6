// zentora-cli pdf: the invoice drawn headless through the printing layer, read back with
// poppler-utils.
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "print/pdftekst.h"
#include "uruchomcli.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");
const QString kKonfiguracja = QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini");

double X(const QString &plik, const QString &slowo)
{
    for (const SlowoPdf &s : PdfSlowa(plik))
        if (s.tekst == slowo)
            return s.x0;
    return -1;
}
}   // namespace

class TstCliPdf : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void przyklad();
    void slowoVat();
    void dokumenty_data();
    void dokumenty();
    void wierszeNieSumy();
    void kopieIDuplikat();
    void ekstraMarginesy();
    void podpisBezPliku();
    void wielePlikow();
    void partiaWieluProcesami();
    void bezSerweraDruku();
    void kodyWyjscia_data();
    void kodyWyjscia();
    void pomocnicy_data();
    void pomocnicy();
    void biblioteki_data();
    void biblioteki();

private:
    QString Plik(const QString &n) const { return m_dir.filePath(n); }
    QString Zmieniony(const QString &nazwa, const QList<QPair<QByteArray, QByteArray>> &zmiany) const
    {
        QByteArray b = CzytajBajty(kPrzyklad);
        for (const auto &z : zmiany)
            b.replace(z.first, z.second);
        const QString p = Plik(nazwa);
        return PiszBajty(p, b) ? p : QString();
    }
    QTemporaryDir m_dir;
};

void TstCliPdf::przyklad()
{
    const QString out = Plik(QStringLiteral("przyklad.pdf"));
    const WynikCli w = UruchomCli(
        {QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), out, QStringLiteral("--config"), kKonfiguracja});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.bledy, QString());
    QCOMPARE(w.wyjscie, QString());
    QCOMPARE(PdfStrony(out), 1);
    const QStringList linie = LinieZOdstepami(out);
    QVERIFY2(linie.contains(QStringLiteral("Faktura   numer:  12/FV/2018")), qPrintable(linie.join('\n')));
    QVERIFY(linie.contains(QStringLiteral("Do zapłaty:  147,71")));
    QVERIFY(linie.contains(QStringLiteral("SŁOWNIE ZŁOTYCH:  sto czterdzieści siedem i siedemdziesiąt jeden groszy")));
    const QString t = PdfTekst(out);
    for (const char *s : {"NABYWCA:", "Hurtownia Przykładowa", "ul. Polna 7 60-101 Poznań", "NIP: 123-456-78-90",
                          "Sklep Przykładowy", "Data wystawienia:", "05.03.2018", "19.03.2018", "przelewem",
                          "11 2222 3333 4444 5555 6666 7777", "Osoba upoważniona do wystawienia", "Przykładowy Jan"})
        QVERIFY2(t.contains(QString::fromUtf8(s)), s);
    // every row with its values, in order
    const QRegularExpression wiersze(QStringLiteral(
        "1 +Papier A4 +ryza +3 +12,35 +37,05 +23 +8,52 +45,57\\s+2 +Przewóz +kurs +2 +0,99 +1,98 +8 +0,16 +2,14\\s+"
        "3 +Szkolenie +godz\\. +1 +100,00 +100,00 +zw +100,00"));   // the exempt row says "zw"
    QVERIFY2(wiersze.match(t).hasMatch(), qPrintable(t));
    QVERIFY(QRegularExpression(QStringLiteral("Razem: +139,03 +----- +8,68 +147,71")).match(t).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("W tym: +100,00 +zwol\\. +100,00")).match(t).hasMatch());
}

void TstCliPdf::slowoVat()
{
    const QString ini = Plik(QStringLiteral("vat.ini"));
    QVERIFY(PiszBajty(ini, "[Parametry]\r\nSlowoVAT=1\r\n"));
    const QString out = Plik(QStringLiteral("vat.pdf"));
    QCOMPARE(
        UruchomCli({QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), out, QStringLiteral("--config"), ini}).kod,
        0);
    QVERIFY(LinieZOdstepami(out).contains(QStringLiteral("Faktura VAT   numer:  12/FV/2018")));
    QVERIFY(PdfTekst(out).contains(QStringLiteral("faktury VAT")));
}

void TstCliPdf::dokumenty_data()
{
    // clang-format off
    // "zmiany": replacements in the example file, "a=>b"; "teksty": lines of the PDF, "!" first for
    // one that must not be there; no PDF at all when the command refuses
    Kolumny<QStringList, QStringList, int, QString, QStringList>("zmiany", "opcje", "kod", "bledy", "teksty");
    const QStringList korekta{"Rodzaj=0=>Rodzaj=1", "Korekt==>Korekt=7/FV/2018"};
    const QStringList sekcja{"[Pozycje]=>[Korekta]\r\nDataKorygowanej=01.03.2018\r\nPrzyczyna=Zwrot towaru\r\n\r\n[Pozycje]"};
    const QStringList ujemne{"|ryza|3|=>|ryza|-3|", "|kurs|2|=>|kurs|-2|", "|godz.|1|=>|godz.|-1|"};
    const QStringList bezPodstawy{"PodstawaZwolnienia=art. 43 ust. 1 pkt 29 ustawy o VAT\r\n=>"};
    QTest::newRow("korekta ujemna") << korekta + sekcja + ujemne << QStringList{} << 0 << ""
        << QStringList{"Faktura korygująca   numer:  12/FV/2018", "do faktury: 7/FV/2018", "z dnia 01.03.2018",
                       "Przyczyna korekty: Zwrot towaru", "Do zwrotu:   147,71", "Towar zwrócono:",
                       "DO ZWROTU SŁOWNIE:  sto czterdzieści siedem i siedemdziesiąt jeden groszy", "!Termin zapłaty:"};
    QTest::newRow("korekta dodatnia") << korekta + sekcja << QStringList{} << 0 << ""
        << QStringList{"Do zapłaty:  147,71", "SŁOWNIE ZŁOTYCH:  sto czterdzieści siedem i siedemdziesiąt jeden groszy",
                       "!Towar zwrócono:"};
    QTest::newRow("stara korekta dodatnia") << korekta << QStringList{} << 2
        << "Faktura korygująca bez daty i przyczyny korekty ma dodatnią sumę" << QStringList{};
    QTest::newRow("korekta bez przyczyny") << korekta + ujemne + QStringList{"[Pozycje]=>[Korekta]\r\nDataKorygowanej=01.03.2018\r\n\r\n[Pozycje]"}
        << QStringList{} << 2 << "Faktura korygująca nie jest kompletna. Brakuje: przyczyna korekty." << QStringList{};
    QTest::newRow("zwolnienie z podstawą faktury") << QStringList{} << QStringList{} << 0 << ""
        << QStringList{"Podstawa zwolnienia: art. 43 ust. 1 pkt 29 ustawy o VAT", "!mechanizm podzielonej płatności"};
    QTest::newRow("zwolnienie bez podstawy") << bezPodstawy << QStringList{} << 2
        << "faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia." << QStringList{};
    QTest::newRow("zwolnienie bez podstawy, --force") << bezPodstawy << QStringList{"--force"} << 0
        << "albo na stronie „KSeF” parametrów" << QStringList{"!Podstawa zwolnienia:"};
    QTest::newRow("podzielona płatność") << QStringList{"Odeslano=\r\n=>Odeslano=\r\nMPP=1\r\n"} << QStringList{} << 0 << ""
        << QStringList{"mechanizm podzielonej płatności"};
    // clang-format on
}

// What the law asks a printed document to say, and what is not printed at all.
void TstCliPdf::dokumenty()
{
    QFETCH(QStringList, zmiany);
    QFETCH(QStringList, opcje);
    QFETCH(int, kod);
    QFETCH(QString, bledy);
    QFETCH(QStringList, teksty);
    QList<QPair<QByteArray, QByteArray>> z;
    for (const QString &x : zmiany)
        z.append({x.section(QStringLiteral("=>"), 0, 0).toUtf8(), x.section(QStringLiteral("=>"), 1).toUtf8()});
    const QString fak = Zmieniony(QStringLiteral("d.FAK"), z);
    const QString out = Plik(QStringLiteral("d.pdf"));
    QFile::remove(out);
    const WynikCli w = UruchomCli(
        QStringList{QStringLiteral("pdf"), fak, QStringLiteral("-o"), out, QStringLiteral("--config"), kKonfiguracja}
        + opcje);
    QVERIFY2(w.kod == kod, qPrintable(w.bledy));
    QVERIFY2(bledy.isEmpty() ? w.bledy.isEmpty() : w.bledy.contains(bledy), qPrintable(w.bledy));
    QCOMPARE(QFileInfo::exists(out), kod == 0);
    if (kod != 0)
        return;
    const QStringList linie = LinieZOdstepami(out);
    for (const QString &t : teksty) {
        const bool nie = t.startsWith(QLatin1Char('!'));
        const QString s = nie ? t.mid(1) : t;
        bool jest = false;
        for (const QString &l : linie)
            jest = jest || l.contains(s);
        QVERIFY2(jest != nie, qPrintable(t + QStringLiteral("\n") + linie.join(QLatin1Char('\n'))));
    }
}

// A file whose stored totals no longer match its rows prints what the rows give.
void TstCliPdf::wierszeNieSumy()
{
    const QString fak = Zmieniony(QStringLiteral("stare.FAK"), {{"tresc1=|ryza|3|", "tresc1=|ryza|30|"}});
    const QString out = Plik(QStringLiteral("stare.pdf"));
    QCOMPARE(
        UruchomCli({QStringLiteral("pdf"), fak, QStringLiteral("-o"), out, QStringLiteral("--config"), kKonfiguracja})
            .kod,
        0);
    const QStringList linie = LinieZOdstepami(out);
    QVERIFY2(linie.contains(QStringLiteral("Do zapłaty:  557,86")), qPrintable(linie.join('\n')));
}

void TstCliPdf::kopieIDuplikat()
{
    const QString out = Plik(QStringLiteral("kopie.pdf"));
    const WynikCli w =
        UruchomCli({QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), out, QStringLiteral("--copies"),
                    QStringLiteral("2"), QStringLiteral("--duplicate"), QStringLiteral("10.04.2018")});
    QCOMPARE(w.kod, 0);
    QCOMPARE(PdfStrony(out), 2);
    for (int s = 1; s <= 2; ++s) {
        const QStringList linie = LinieZOdstepami(out, s);
        QCOMPARE(linie.mid(0, 3), (QStringList{"Faktura   numer:  12/FV/2018", "( Duplikat )",
                                               "Data wystawienia duplikatu: 10.04.2018"}));
    }
}

void TstCliPdf::ekstraMarginesy()
{
    const QString zwykly = Plik(QStringLiteral("zwykly.pdf")), szeroki = Plik(QStringLiteral("szeroki.pdf"));
    QCOMPARE(UruchomCli({QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), zwykly}).kod, 0);
    QCOMPARE(
        UruchomCli({QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), szeroki, QStringLiteral("--extra-margins")})
            .kod,
        0);
    // 7 mm from the paper edge instead of the 5 mm strip of the PDF page: 2 mm = 5.67 pt
    const double przesuniecie = X(szeroki, QStringLiteral("NABYWCA:")) - X(zwykly, QStringLiteral("NABYWCA:"));
    QVERIFY2(qAbs(przesuniecie - 5.67) < 0.3, qPrintable(QString::number(przesuniecie)));
    QVERIFY(X(zwykly, QStringLiteral("NABYWCA:")) > 14.17);   // never inside the 5 mm strip
}

void TstCliPdf::podpisBezPliku()
{
    const QString ini = Plik(QStringLiteral("podpis.ini"));
    QVERIFY(PiszBajty(ini, "[Parametry]\r\nPodpis=/nie/ma/podpis.bmp\r\n"));
    const QString out = Plik(QStringLiteral("podpis.pdf"));
    const QStringList a{QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), out, QStringLiteral("--config"), ini};
    WynikCli w = UruchomCli(a + QStringList{QStringLiteral("--signature")});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.bledy, QStringLiteral("Nie znaleziono pliku rysunku podpisu:\n/nie/ma/podpis.bmp\n"
                                     "Podpis nie zostanie wydrukowany\n"));
    QVERIFY(PdfTekst(out).contains(QStringLiteral("Przykładowy Jan")));
    w = UruchomCli(a);   // no --signature: no picture and nothing to say
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.bledy, QString());
}

void TstCliPdf::wielePlikow()
{
    const QString druga = Zmieniony(QStringLiteral("druga.FAK"), {{"NrFakt=12", "NrFakt=13"}});
    const QString zla = Zmieniony(QStringLiteral("zla.FAK"), {{"Wersja=2", "Wersja=9"}});
    const QString katalog = Plik(QStringLiteral("wyniki/pdf"));
    const WynikCli w = UruchomCli({QStringLiteral("pdf"), kPrzyklad, zla, druga, QStringLiteral("-d"), katalog});
    QCOMPARE(w.kod, 3);   // the unreadable one is reported, the others are written
    QVERIFY(w.bledy.contains(QStringLiteral("zla.FAK: Niepoprawna wersja faktury = 9")));
    QCOMPARE(QDir(katalog).entryList(QDir::Files), (QStringList{"druga.pdf", "przyklad.pdf"}));
    QVERIFY(LinieZOdstepami(QDir(katalog).filePath(QStringLiteral("druga.pdf")))
                .contains(QStringLiteral("Faktura   numer:  13/FV/2018")));
    QVERIFY(LinieZOdstepami(QDir(katalog).filePath(QStringLiteral("przyklad.pdf")))
                .contains(QStringLiteral("Faktura   numer:  12/FV/2018")));
}

void TstCliPdf::partiaWieluProcesami()
{
    // enough files for three processes, two of them unreadable in different ways
    QStringList pliki;
    for (int i = 1; i <= 14; ++i) {
        const QByteArray wersja = i == 2 ? "Wersja=9" : i == 11 ? "Wersja=7" : "Wersja=2";
        pliki << Zmieniony(QStringLiteral("f%1.FAK").arg(i, 2, 10, QLatin1Char('0')),
                           {{"NrFakt=12", "NrFakt=" + QByteArray::number(i)}, {"Wersja=2", wersja}});
    }
    WynikCli w[2];
    QString katalogi[2];
    for (int j = 0; j < 2; ++j) {
        katalogi[j] = Plik(QStringLiteral("j%1").arg(j));
        w[j] = UruchomCli(QStringList{QStringLiteral("pdf")} + pliki
                          + QStringList{QStringLiteral("-d"), katalogi[j], QStringLiteral("-j"),
                                        j ? QStringLiteral("3") : QStringLiteral("1")});
    }
    QCOMPARE(w[1].kod, 3);
    QCOMPARE(w[1].kod, w[0].kod);
    // the same messages in the order of the files
    QCOMPARE(w[1].bledy, w[0].bledy);
    QVERIFY2(w[1].bledy.indexOf(QStringLiteral("f02.FAK: Niepoprawna wersja faktury = 9"))
                 < w[1].bledy.indexOf(QStringLiteral("f11.FAK: Niepoprawna wersja faktury = 7")),
             qPrintable(w[1].bledy));
    const QStringList wyniki = QDir(katalogi[1]).entryList(QDir::Files);
    QCOMPARE(wyniki.size(), 12);
    QCOMPARE(QDir(katalogi[0]).entryList(QDir::Files), wyniki);
    // the same files but for the moment they were made
    const QRegularExpression data(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    for (const QString &n : wyniki) {
        const QString a = QString::fromLatin1(CzytajBajty(QDir(katalogi[0]).filePath(n))).replace(data, QString());
        const QString b = QString::fromLatin1(CzytajBajty(QDir(katalogi[1]).filePath(n))).replace(data, QString());
        QVERIFY2(a == b, qPrintable(n));
    }
}

// A PDF is no print job: a print server that takes the connection and never answers
// must not hold the file up, and is not even asked.
void TstCliPdf::bezSerweraDruku()
{
    QTcpServer serwer;
    QVERIFY(serwer.listen(QHostAddress::LocalHost));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("127.0.0.1:%1").arg(serwer.serverPort()));
    const QString out = Plik(QStringLiteral("bez_serwera.pdf"));
    QCOMPARE(UruchomCli({QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), out}, env).kod, 0);
    QCOMPARE(PdfStrony(out), 1);
    QVERIFY(!serwer.waitForNewConnection(0));
}

void TstCliPdf::kodyWyjscia_data()
{
    // clang-format off
    Kolumny<QStringList, int, QString>("argumenty", "kod", "komunikat");
    const QString p = kPrzyklad;
    QTest::newRow("bez pliku") << QStringList{"pdf", "-o", "@/x.pdf"} << 1 << "wymaga co najmniej jednego pliku";
    QTest::newRow("bez wyjscia") << QStringList{"pdf", p} << 1 << "Podaj -o PLIK.pdf";
    QTest::newRow("-o i -d") << QStringList{"pdf", p, "-o", "@/x.pdf", "-d", "@"} << 1 << "Podaj -o PLIK.pdf";
    QTest::newRow("-o z wieloma") << QStringList{"pdf", p, p, "-o", "@/x.pdf"} << 1 << "przyjmuje jedną fakturę";
    QTest::newRow("zero kopii") << QStringList{"pdf", p, "-o", "@/x.pdf", "--copies", "0"} << 1
                                << "Niepoprawna liczba egzemplarzy: 0";
    QTest::newRow("kopie nie liczba") << QStringList{"pdf", p, "-o", "@/x.pdf", "--copies", "dwie"} << 1
                                      << "Niepoprawna liczba egzemplarzy: dwie";
    QTest::newRow("zla data duplikatu") << QStringList{"pdf", p, "-o", "@/x.pdf", "--duplicate", "31.02.2018"} << 1
                                        << "Niepoprawna data duplikatu: 31.02.2018";
    QTest::newRow("te same nazwy") << QStringList{"pdf", p, QString(ZENTORA_EXAMPLES "/../examples/przyklad.FAK"), "-d", "@"}
                                   << 1 << "Dwie faktury dałyby ten sam plik przyklad.pdf";
    QTest::newRow("zla liczba procesow") << QStringList{"pdf", p, "-d", "@", "-j", "0"} << 1
                                         << "Niepoprawna liczba procesów: 0 (oczekiwano 1..64).";
    QTest::newRow("nieznana opcja") << QStringList{"pdf", p, "-o", "@/x.pdf", "--color"} << 1 << "Nieznana opcja --color.";
    QTest::newRow("brak faktury") << QStringList{"pdf", "@/brak.FAK", "-o", "@/x.pdf"} << 3
                                  << "Nie znaleziono pliku faktury";
    QTest::newRow("uszkodzona") << QStringList{"pdf", "@/uszkodzona.FAK", "-o", "@/x.pdf"} << 2
                                << "jest uszkodzony: brak wierszy pozycji 2–3.";
    QTest::newRow("brak katalogu wyjscia") << QStringList{"pdf", p, "-o", "/nie/ma/x.pdf"} << 3
                                           << "Nie można zapisać pliku \"/nie/ma/x.pdf\".";
    // clang-format on
}

void TstCliPdf::kodyWyjscia()
{
    QFETCH(QStringList, argumenty);
    QFETCH(int, kod);
    QFETCH(QString, komunikat);
    argumenty.replaceInStrings(QStringLiteral("@"), m_dir.path());
    // a file cut after its first row
    const QByteArray przyklad = CzytajBajty(kPrzyklad);
    QVERIFY(PiszBajty(Plik(QStringLiteral("uszkodzona.FAK")), przyklad.left(przyklad.indexOf("towar2="))));
    const WynikCli w = UruchomCli(argumenty);
    QCOMPARE(w.kod, kod);
    QVERIFY2(w.bledy.contains(komunikat), qPrintable(w.bledy));
    QVERIFY(!QFile::exists(Plik(QStringLiteral("x.pdf"))));
}

// zentora-cli hands pdf to its helper program, found beside it or where the package puts it;
// the helper reads the Faktury.ini beside zentora-cli, not beside itself.
void TstCliPdf::pomocnicy_data()
{
    // clang-format off
    Kolumny<QString, int, QString>("pomocnik", "kod", "komunikat");
    QTest::newRow("obok") << "bin" << 0 << "Nie znaleziono pliku rysunku podpisu:\n/nie/ma/podpis.bmp\n";
    QTest::newRow("w pakiecie") << "libexec/zentora" << 0 << "Nie znaleziono pliku rysunku podpisu:\n/nie/ma/podpis.bmp\n";
    QTest::newRow("brak") << "" << 3 << "Nie znaleziono programu zentora-cli-pdf, który wykonuje to polecenie";
    // clang-format on
}

void TstCliPdf::pomocnicy()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows a copied program finds Qt's libraries only in its own folder");
#endif
    QFETCH(QString, pomocnik);
    QFETCH(int, kod);
    QFETCH(QString, komunikat);
    const QString zrodlo = QFileInfo(QStringLiteral(ZENTORA_CLI)).absolutePath();
    const QTemporaryDir t;
    const QDir d(t.path());
    QVERIFY(d.mkpath(QStringLiteral("bin")));
    QVERIFY(QFile::copy(QStringLiteral(ZENTORA_CLI), d.filePath(QStringLiteral("bin/zentora-cli"))));
    if (!pomocnik.isEmpty()) {
        QVERIFY(d.mkpath(pomocnik));
        QVERIFY(QFile::copy(zrodlo + QStringLiteral("/zentora-cli-pdf"),
                            d.filePath(pomocnik + QStringLiteral("/zentora-cli-pdf"))));
    }
    QVERIFY(PiszBajty(d.filePath(QStringLiteral("bin/Faktury.ini")), "[Parametry]\r\nPodpis=/nie/ma/podpis.bmp\r\n"));
    QProcess p;
    p.start(d.filePath(QStringLiteral("bin/zentora-cli")),
            {QStringLiteral("pdf"), kPrzyklad, QStringLiteral("-o"), d.filePath(QStringLiteral("p.pdf")),
             QStringLiteral("--signature")});
    QVERIFY(p.waitForFinished(60000));
    const QString bledy = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), kod);
    QVERIFY2(bledy.contains(komunikat), qPrintable(bledy));
    QCOMPARE(QFile::exists(d.filePath(QStringLiteral("p.pdf"))), kod == 0);
}

// What each program loads: zentora-cli Qt's core alone, the pdf helper no print system,
// widgets or network, the KSeF helper no drawing.
void TstCliPdf::biblioteki_data()
{
    // clang-format off
    Kolumny<QString, QStringList>("program", "bez");
    QTest::newRow("zentora-cli") << "zentora-cli"
        << QStringList{"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libQt6Network", "libfontconfig", "libcrypto"};
    QTest::newRow("pdf") << "zentora-cli-pdf" << QStringList{"libQt6Widgets", "libQt6PrintSupport", "libQt6Network", "libcrypto"};
    QTest::newRow("ksef") << "zentora-cli-ksef" << QStringList{"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libfontconfig"};
    // clang-format on
}

void TstCliPdf::biblioteki()
{
#ifndef Q_OS_LINUX
    QSKIP("the libraries a program loads are listed by the Linux dynamic loader");
#endif
    QFETCH(QString, program);
    QFETCH(QStringList, bez);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));   // the loader lists them and stops
    p.setProcessEnvironment(env);
    p.start(QFileInfo(QStringLiteral(ZENTORA_CLI)).absolutePath() + QLatin1Char('/') + program, {});
    QVERIFY(p.waitForFinished(60000));
    const QString lista = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(lista.contains(QStringLiteral("libQt6Core")), qPrintable(lista));
    for (const QString &b : bez)
        QVERIFY2(!lista.contains(b), qPrintable(b + QStringLiteral(":\n") + lista));
}

QTEST_GUILESS_MAIN(TstCliPdf)
#include "tst_cli_pdf.moc"
