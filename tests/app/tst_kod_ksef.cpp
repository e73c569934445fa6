// The export remembered in the invoice file and the verification code on the printout,
// through zentora-cli: ksef --zapisz, ksef-numer, show --json and pdf, read back with
// sha256sum, pdftoppm, zbarimg and pdftotext.
#include "pliktymczasowy.h"
#include "print/pdftekst.h"
#include "uruchomcli.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");

QString Uruchom(const QString &program, const QStringList &a, int *kod = nullptr)
{
    QProcess p;
    p.start(program, a);
    if (!p.waitForFinished(60000))
        return QStringLiteral("<%1 nie działa>").arg(program);
    if (kod)
        *kod = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The hash of the file as sha256sum gives it, in Base64URL without padding.
QString Skrot(const QString &plik)
{
    const QByteArray hex = Uruchom(QStringLiteral("sha256sum"), {plik}).left(64).toLatin1();
    return QString::fromLatin1(
        QByteArray::fromHex(hex).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

}   // namespace

class TstKodKsef : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bezZapiszPlikNietkniety();
    void obiegEksportuNumeruIWydruku();

private:
    QString P(const QString &n) const { return m_dir.filePath(n); }
    // The first page at 300 dpi, and what zbarimg reads there ("" for no code).
    QString KodNaStronie(const QString &pdf);
    QTemporaryDir m_dir;
};

void TstKodKsef::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QByteArray f = CzytajBajty(kPrzyklad);
    f.replace("NumNIP=123-456-78-90", "NumNIP=526-587-76-35");
    QVERIFY(PiszBajty(P(QStringLiteral("f.FAK")), f));
    QVERIFY(PiszBajty(P(QStringLiteral("F.ini")), Crlf("[KSeF]\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n\n")));
}

QString TstKodKsef::KodNaStronie(const QString &pdf)
{
    Uruchom(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-f"),
             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
             P(QStringLiteral("strona"))});
    int kod = -1;
    const QString t = Uruchom(QStringLiteral("zbarimg"),
                              {QStringLiteral("--raw"), QStringLiteral("-q"), P(QStringLiteral("strona.png"))}, &kod);
    return kod == 0 ? t.trimmed() : QString();
}

void TstKodKsef::bezZapiszPlikNietkniety()
{
    const QByteArray przed = CzytajBajty(P(QStringLiteral("f.FAK")));
    const WynikCli w = UruchomCli({QStringLiteral("ksef"), P(QStringLiteral("f.FAK")), QStringLiteral("-o"),
                                   P(QStringLiteral("a.xml")), QStringLiteral("--config"), P(QStringLiteral("F.ini"))});
    QCOMPARE(w.kod, 0);
    QCOMPARE(CzytajBajty(P(QStringLiteral("f.FAK"))), przed);
    QVERIFY(!w.wyjscie.contains(QStringLiteral("ksef")));
    QVERIFY(!UruchomCli({QStringLiteral("show"), P(QStringLiteral("f.FAK")), QStringLiteral("--json")})
                 .wyjscie.contains(QStringLiteral("\"ksef\"")));
}

void TstKodKsef::obiegEksportuNumeruIWydruku()
{
    const QString fak = P(QStringLiteral("f.FAK")), xml = P(QStringLiteral("b.xml")), pdf = P(QStringLiteral("f.pdf"));
    const QStringList konf{QStringLiteral("--config"), P(QStringLiteral("F.ini"))};
    WynikCli w = UruchomCli(
        QStringList{QStringLiteral("ksef"), fak, QStringLiteral("-o"), xml, QStringLiteral("--zapisz")} + konf);
    QCOMPARE(w.kod, 0);
    const QString skrot = Skrot(xml);
    QCOMPARE(skrot.size(), 43);
    QJsonObject ksef =
        QJsonDocument::fromJson(UruchomCli({QStringLiteral("show"), fak, QStringLiteral("--json")}).wyjscie.toUtf8())
            .object()
            .value(QStringLiteral("ksef"))
            .toObject();
    QCOMPARE(ksef.value(QStringLiteral("skrot")).toString(), skrot);
    QVERIFY(ksef.value(QStringLiteral("wytworzono")).toString().endsWith(QLatin1Char('Z')));
    QCOMPARE(ksef.value(QStringLiteral("numer")).toString(), QString());

    // open, recompute and save change nothing of an exported invoice
    const QByteArray zapisany = CzytajBajty(fak);
    // (the copy repeats the number in the folder, on purpose)
    QCOMPARE(UruchomCli({QStringLiteral("recompute"), fak, QStringLiteral("-o"), P(QStringLiteral("r.FAK")),
                         QStringLiteral("--force")})
                 .kod,
             0);
    QCOMPARE(CzytajBajty(P(QStringLiteral("r.FAK"))), zapisany);

    // exported, no number yet: the code and that the number is awaited under it, on every copy
    const QString link = QStringLiteral("https://qr.ksef.mf.gov.pl/invoice/9876543210/05-03-2018/") + skrot;
    QCOMPARE(UruchomCli(QStringList{QStringLiteral("pdf"), fak, QStringLiteral("-o"), pdf, QStringLiteral("--copies"),
                                    QStringLiteral("2")}
                        + konf)
                 .kod,
             0);
    QCOMPARE(KodNaStronie(pdf), link);
    QCOMPARE(PdfTekst(pdf).count(QStringLiteral("oczekuje na nadanie")), 2);

    // the number: refused when wrong, then recorded and printed under the code
    w = UruchomCli(QStringList{QStringLiteral("ksef-numer"), fak, QStringLiteral("9876543210-20260305-0100001AF629-00")}
                   + konf);
    QCOMPARE(w.kod, 2);
    QVERIFY2(w.bledy.contains(QStringLiteral("ma błędną sumę kontrolną (powinna być")), qPrintable(w.bledy));
    w = UruchomCli(QStringList{QStringLiteral("ksef-numer"), fak, QStringLiteral("5265877635-20250826-0100001AF629-AF")}
                   + konf);
    QCOMPARE(w.kod, 2);
    QVERIFY2(w.bledy.contains(QStringLiteral("a NIP sprzedawcy to 9876543210")), qPrintable(w.bledy));
    QCOMPARE(CzytajBajty(fak), zapisany);
    // the check of the right number, computed here: CRC-8, polynomial 0x07, start 0
    QByteArray n("9876543210-20260305-0100001AF629");
    quint8 crc = 0;
    for (char c : n) {
        crc ^= quint8(c);
        for (int i = 0; i < 8; ++i)
            crc = crc & 0x80 ? quint8((crc << 1) ^ 0x07) : quint8(crc << 1);
    }
    const QString numer = QString::fromLatin1(n) + QStringLiteral("-%1").arg(crc, 2, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(UruchomCli(QStringList{QStringLiteral("ksef-numer"), fak, numer} + konf).kod, 0);
    QVERIFY(CzytajBajty(fak).contains(QByteArray("\r\nNumer=") + numer.toLatin1() + "\r\n"));
    QCOMPARE(UruchomCli(QStringList{QStringLiteral("pdf"), fak, QStringLiteral("-o"), pdf} + konf).kod, 0);
    QCOMPARE(KodNaStronie(pdf), link);
    const QString tekst = PdfTekst(pdf);
    QVERIFY2(tekst.contains(numer) && !tekst.contains(QStringLiteral("oczekuje na nadanie")), qPrintable(tekst));

    // changed after its number was given: a warning that asks for a correction, and no code
    QByteArray zmieniony = CzytajBajty(fak);
    zmieniony.replace("Uwagi=\r\n", "Uwagi=dopisek\r\n");
    QVERIFY(PiszBajty(fak, zmieniony));
    w = UruchomCli(QStringList{QStringLiteral("pdf"), fak, QStringLiteral("-o"), pdf} + konf);
    QCOMPARE(w.kod, 0);
    QVERIFY2(w.bledy.contains(QStringLiteral("zmianę wprowadza faktura korygująca")), qPrintable(w.bledy));
    QCOMPARE(KodNaStronie(pdf), QString());
    QVERIFY(!PdfTekst(pdf).contains(numer));

    // a wrong call, and a number for an invoice never exported
    QCOMPARE(UruchomCli({QStringLiteral("ksef-numer"), fak}).kod, 1);
    w = UruchomCli(QStringList{QStringLiteral("ksef-numer"), kPrzyklad, numer} + konf);
    QCOMPARE(w.kod, 2);
    QVERIFY(w.bledy.contains(QStringLiteral("Faktury nie eksportowano do KSeF.")));
}

QTEST_GUILESS_MAIN(TstKodKsef)
#include "tst_kod_ksef.moc"
