#include "kolumny.h"
#include "pliktymczasowy.h"
#include "serwerksef.h"
#include "uruchomcli.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Przyklad()
{
    // the example with a buyer NIP whose check digit is right
    QByteArray b = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    return b.replace("NumNIP=123-456-78-90", "NumNIP=526-587-76-35");
}

QByteArray Numerem(int n) { return Przyklad().replace("NrFakt=12", "NrFakt=" + QByteArray::number(n)); }

bool Waliduje(const QString &schemat, const QString &plik)
{
    QProcess x;
    x.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--schema"), schemat, plik});
    return x.waitForFinished(60000) && x.exitStatus() == QProcess::NormalExit && x.exitCode() == 0;
}

}   // namespace

class TstCliKsefWyslij : public QObject {
    Q_OBJECT
private slots:
    void dwadziesciaFaktur();
    void odmowy_data();
    void odmowy();
    void odbior();
    void certyfikat_data();
    void certyfikat();

private:
    QTemporaryDir m_katalog;
    // The test certificates, made once: empty when they could not be made.
    QString Certyfikaty()
    {
        const QString c = m_katalog.filePath(QStringLiteral("cert"));
        if (QFile::exists(c + QStringLiteral("/haslo")))
            return c;
        QProcess gen;
        gen.start(
            QStringLiteral("python3"),
            {QFileInfo(QStringLiteral(ZENTORA_KSEF_SERWER)).dir().filePath(QStringLiteral("certyfikatytestowe.py")), c,
             QLatin1String(SerwerKsef::kNip), QStringLiteral("tajne hasło 1")});
        if (!gen.waitForFinished(60000) || gen.exitCode() != 0)
            return QString();
        QFile::copy(c + QStringLiteral("/ksef.p12"), c + QStringLiteral("/ksef644.p12"));
        QFile::setPermissions(c + QStringLiteral("/ksef644.p12"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                      | QFileDevice::ReadGroup
                                                                      | QFileDevice::ReadOther);
        PiszBajty(c + QStringLiteral("/zle"), "tajne hasło 2\n");
        PiszBajty(c + QStringLiteral("/haslo"), "tajne hasło 1\n");
        for (const char *p : {"haslo", "zle"})
            QFile::setPermissions(c + QLatin1Char('/') + QLatin1String(p),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return c;
    }
    // Writes the configuration pointing at the server and a token file only its owner reads.
    QStringList Przygotuj(const QTemporaryDir &d, const QString &adres, const QByteArray &token = SerwerKsef::kToken)
    {
        PiszBajty(d.filePath(QStringLiteral("F.ini")),
                  Crlf("[KSeF]\nNIP=9876543210\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\nAdres="
                       + adres.toUtf8() + "\n\n"));
        const QString t = d.filePath(QStringLiteral("token"));
        PiszBajty(t, token + "\n");
        QFile::setPermissions(t, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return {QStringLiteral("--config"), d.filePath(QStringLiteral("F.ini")), QStringLiteral("--token-file"), t};
    }
};

// Twenty invoices in one session, through a burst limit, an access token that expires and a
// public key withdrawn right after it was fetched: every number and UPO recorded.
void TstCliKsefWyslij::dwadziesciaFaktur()
{
    SerwerKsef s;
    QCOMPARE(s.Uruchom({QStringLiteral("--limit"), QStringLiteral("2"), QStringLiteral("--access-uses"),
                        QStringLiteral("12"), QStringLiteral("--rotate")}),
             QString());
    QTemporaryDir d;
    QStringList argumenty{QStringLiteral("ksef-wyslij")};
    for (int n = 1; n <= 20; ++n) {
        const QString plik = d.filePath(QStringLiteral("f%1.FAK").arg(n));
        QVERIFY(PiszBajty(plik, Numerem(n)));
        argumenty.append(plik);
    }
    const WynikCli w = UruchomCli(argumenty + Przygotuj(d, s.Adres()));
    QVERIFY2(w.kod == 0, qPrintable(w.wyjscie + w.bledy));
    const QStringList linie = w.wyjscie.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(linie.size(), 20);
    QSet<QString> numery;
    for (int n = 1; n <= 20; ++n) {
        const QString plik = d.filePath(QStringLiteral("f%1.FAK").arg(n));
        const QString numer = KluczKsef(plik, "Numer");
        QVERIFY2(numer.startsWith(QLatin1String("9876543210-")), qPrintable(plik));
        QVERIFY(linie.contains(plik + QStringLiteral(": ") + numer));
        numery.insert(numer);
        const QString upo = d.filePath(QStringLiteral("f%1.upo.xml").arg(n));
        QVERIFY2(Waliduje(QStringLiteral(ZENTORA_KSEF_DIR "/api/upo/upo-v4-3.xsd"), upo), qPrintable(upo));
        const QByteArray u = CzytajBajty(upo);
        QVERIFY(u.contains("<NumerKSeFDokumentu>" + numer.toUtf8() + "<"));
        QVERIFY(u.contains("<NumerFaktury>" + QByteArray::number(n) + "/FV/2018<"));
        // the number now prints under the code and the invoice is not sent again
        QVERIFY(KluczKsef(plik, "Status").isEmpty());
    }
    QCOMPARE(numery.size(), 20);
    const QString z = s.Zdarzenia();
    QVERIFY2(z.contains(QLatin1String("ZDARZENIE 429")), qPrintable(z));
    QVERIFY2(z.contains(QLatin1String("ZDARZENIE 401")), qPrintable(z));
    QVERIFY2(z.contains(QLatin1String("ZDARZENIE 400 21470")), qPrintable(z));
    QCOMPARE(z.count(QLatin1String("ZDARZENIE faktura")), 20);

    // sent again: nothing goes to KSeF, the numbers are told
    const QByteArray przed = CzytajBajty(d.filePath(QStringLiteral("f1.FAK")));
    const WynikCli p = UruchomCli({QStringLiteral("ksef-wyslij"), d.filePath(QStringLiteral("f1.FAK")),
                                   QStringLiteral("--config"), d.filePath(QStringLiteral("F.ini")),
                                   QStringLiteral("--token-file"), d.filePath(QStringLiteral("token"))});
    QVERIFY2(p.kod == 0 && p.wyjscie.contains(QStringLiteral("(już w KSeF)")),
             qPrintable(QString::number(p.kod) + p.wyjscie + p.bledy));
    QCOMPARE(CzytajBajty(d.filePath(QStringLiteral("f1.FAK"))), przed);
    QCOMPARE(s.Zdarzenia().count(QLatin1String("ZDARZENIE faktura")), 20);
}

void TstCliKsefWyslij::odmowy_data()
{
    // "przypadek" sets up the files; "wyjscie": what stdout and stderr must hold; "status": the
    // [KSeF] Status the first file must carry afterwards (empty: none), "numer": whether it got one
    Kolumny<QString, QStringList, int, QString, QString, bool>("przypadek", "serwer", "kod", "wyjscie", "status",
                                                               "numer");
    const auto w = [](const char *n, const char *p, QStringList serwer, int kod, const char *wyj, const char *st,
                      bool numer) {
        QTest::newRow(n) << QString::fromUtf8(p) << serwer << kod << QString::fromUtf8(wyj) << QString::fromUtf8(st)
                         << numer;
    };
    w("data w przyszłości: 450", "przyszlosc", {}, 2,
      "odrzucona: 450 Błąd weryfikacji semantyki dokumentu faktury: Data wystawienia faktury (P_1)",
      "450 Błąd weryfikacji semantyki dokumentu faktury: Data wystawienia", false);
    w("ten sam numer dwa razy: 440", "duplikat", {}, 2,
      "drugi.FAK: odrzucona: duplikat – faktura o tym numerze jest już w KSeF jako 9876543210-", "", true);
    w("zły token", "zly-token", {}, 3, "KSeF odmówił logowania: 450", "", false);
    w("zły token: plik", "zly-token", {}, 3, "pierwszy.FAK: nie wysłano: nie zalogowano do KSeF", "", false);
    w("token czytelny dla innych", "token-644", {}, 3, "chmod 600", "", false);
    w("serwer nie działa", "bez-serwera", {}, 3, "pierwszy.FAK: nie wysłano: nie zalogowano do KSeF", "", false);
    w("adres http poza tym komputerem", "obcy-adres", {}, 3, "musi zaczynać się od https://", "", false);
    w("utracona odpowiedź na wysyłkę", "", {QStringLiteral("--lose-send"), QStringLiteral("1")}, 0, "", "", true);
    w("ten sam plik dwa razy", "dwa-razy", {}, 0, "podany już wcześniej, pominięty", "", true);
}

void TstCliKsefWyslij::odmowy()
{
    QFETCH(QString, przypadek);
    QFETCH(QStringList, serwer);
    SerwerKsef s;
    QCOMPARE(s.Uruchom(serwer), QString());
    QTemporaryDir d;
    const QString pierwszy = d.filePath(QStringLiteral("pierwszy.FAK"));
    QByteArray faktura = Przyklad();
    if (przypadek == QLatin1String("przyszlosc"))
        faktura.replace("Wystaw=05.03.2018",
                        "Wystaw=" + QDate::currentDate().addDays(3).toString(QStringLiteral("dd.MM.yyyy")).toLatin1());
    QVERIFY(PiszBajty(pierwszy, faktura));
    QStringList pliki{pierwszy};
    if (przypadek == QLatin1String("duplikat")) {
        pliki.append(d.filePath(QStringLiteral("drugi.FAK")));
        QVERIFY(PiszBajty(pliki.last(), faktura));
    }
    if (przypadek == QLatin1String("dwa-razy"))
        pliki.append(QDir(d.path()).relativeFilePath(pierwszy).prepend(d.path() + QStringLiteral("/./")));
    QString adres = s.Adres();
    if (przypadek == QLatin1String("bez-serwera"))
        adres = QStringLiteral("http://127.0.0.1:1/v2");
    if (przypadek == QLatin1String("obcy-adres"))
        adres = QStringLiteral("http://192.0.2.1/v2");
    const QStringList opcje = Przygotuj(
        d, adres, przypadek == QLatin1String("zly-token") ? QByteArray("inny") : QByteArray(SerwerKsef::kToken));
    if (przypadek == QLatin1String("token-644"))
        QFile::setPermissions(opcje.last(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                | QFileDevice::ReadOther);
    const QByteArray przed = CzytajBajty(pierwszy);

    const WynikCli w = UruchomCli(QStringList{QStringLiteral("ksef-wyslij")} + pliki + opcje);
    QFETCH(int, kod);
    QFETCH(QString, wyjscie);
    QVERIFY2(w.kod == kod, qPrintable(w.wyjscie + w.bledy));
    QVERIFY2((w.wyjscie + w.bledy).contains(wyjscie), qPrintable(w.wyjscie + w.bledy));
    // the token is never repeated
    QVERIFY(!(w.wyjscie + w.bledy).contains(QLatin1String("tajny")));
    QFETCH(QString, status);
    QFETCH(bool, numer);
    QCOMPARE(KluczKsef(pierwszy, "Status").left(status.size()), status);
    QCOMPARE(KluczKsef(pierwszy, "Status").isEmpty(), status.isEmpty());
    QCOMPARE(!KluczKsef(pierwszy, "Numer").isEmpty(), numer);
    QCOMPARE(QFile::exists(d.filePath(QStringLiteral("pierwszy.upo.xml"))), numer);
    if (!numer && status.isEmpty())
        QCOMPARE(CzytajBajty(pierwszy), przed);   // nothing at all changed
    if (!status.isEmpty()) {
        // a refusal changes nothing but its status
        QByteArray bez = CzytajBajty(pierwszy);
        const qsizetype od = bez.indexOf("\r\n[KSeF]\r\nStatus=");
        QVERIFY(od > 0);
        bez.remove(od, bez.indexOf("\r\n", od + 10) + 2 - od);
        QCOMPARE(bez, przed);
    }
    // nothing sent twice
    QCOMPARE(s.Zdarzenia().count(QLatin1String("ZDARZENIE faktura")),
             przypadek == QLatin1String("duplikat") ? 2 : int(numer || !status.isEmpty()));
}

// Purchase invoices: two pages, through the download limit, each saved once under its KSeF
// number; a second run downloads nothing; a downloaded invoice reads into a new .FAK.
void TstCliKsefWyslij::odbior()
{
    SerwerKsef s;
    QCOMPARE(s.Uruchom({QStringLiteral("--zakupy"), QStringLiteral("12"), QStringLiteral("--wzor"),
                        QStringLiteral(ZENTORA_KSEF_DIR "/przyklady/FA_3_Przyklad_1.xml"), QStringLiteral("--limit"),
                        QStringLiteral("2")}),
             QString());
    QTemporaryDir d;
    const QString dzis = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QString wczoraj = QDate::currentDate().addDays(-1).toString(QStringLiteral("dd.MM.yyyy"));
    const QString katalog = d.filePath(QStringLiteral("zakupy"));
    const QStringList polecenie = QStringList{QStringLiteral("ksef-odbierz"),
                                              QStringLiteral("--od"),
                                              wczoraj,
                                              QStringLiteral("--do"),
                                              dzis,
                                              QStringLiteral("-d"),
                                              katalog}
                                  + Przygotuj(d, s.Adres());
    // one invoice already there is left as it is
    QDir().mkpath(katalog);
    WynikCli w = UruchomCli(polecenie);
    QVERIFY2(w.kod == 0, qPrintable(w.wyjscie + w.bledy));
    const QStringList pliki = QDir(katalog).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    QCOMPARE(pliki.size(), 12);
    QCOMPARE(w.wyjscie.count(QLatin1Char('\n')), 12);
    for (const QString &p : pliki)
        QVERIFY2(Waliduje(QStringLiteral(ZENTORA_KSEF_SCHEMA), QDir(katalog).filePath(p)), qPrintable(p));
    const QString z = s.Zdarzenia();
    QVERIFY2(z.contains(QLatin1String("ZDARZENIE 429")), qPrintable(z));
    QCOMPARE(z.count(QLatin1String("ZDARZENIE pobrano")), 12);

    PiszBajty(QDir(katalog).filePath(pliki.first()), "moja kopia");
    w = UruchomCli(polecenie);
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.wyjscie.count(QStringLiteral("(już był)")), 12);
    QCOMPARE(CzytajBajty(QDir(katalog).filePath(pliki.first())), QByteArray("moja kopia"));
    QCOMPARE(s.Zdarzenia().count(QLatin1String("ZDARZENIE pobrano")), 12);

    // read into the editor's file: the number from the file name, what does not fit named
    const QString fak = d.filePath(QStringLiteral("zakup.FAK"));
    w = UruchomCli({QStringLiteral("ksef-import"), QDir(katalog).filePath(pliki.last()), QStringLiteral("-o"), fak});
    QVERIFY2(w.kod == 0, qPrintable(w.bledy));
    QCOMPARE(KluczKsef(fak, "Numer") + QStringLiteral(".xml"), pliki.last());
    QVERIFY(w.bledy.contains(QStringLiteral("Numer faktury „ZAK/12” nie pasuje")));
    QCOMPARE(
        UruchomCli({QStringLiteral("ksef-import"), QDir(katalog).filePath(pliki.last()), QStringLiteral("-o"), fak})
            .kod,
        3);
}

void TstCliKsefWyslij::certyfikat_data()
{
    // "opcje": the certificate's options, files in the folder of test certificates; "kod", what
    // the output must hold (%1: that folder) and whether the invoice got its number
    Kolumny<QStringList, int, QString, bool>("opcje", "kod", "wyjscie", "numer");
    const auto w = [](const char *n, QStringList opcje, int kod, const char *wyj, bool numer) {
        QTest::newRow(n) << opcje << kod << QString::fromUtf8(wyj) << numer;
    };
    const QString c = QStringLiteral("--cert"), k = QStringLiteral("--key"), h = QStringLiteral("--cert-password-file");
    w("PKCS#12 (RSA), zamiast złego tokena", {c, "ksef.p12", h, "haslo"}, 0, "pierwszy.FAK: 9876543210-", true);
    w(".crt + zaszyfrowany .key (EC)", {c, "ksef.crt", k, "ksef.key", h, "haslo"}, 0, "pierwszy.FAK: 9876543210-",
      true);
    w("certyfikat innego CA", {c, "obcy.p12", h, "haslo"}, 3, "KSeF odmówił logowania: 460", false);
    w("certyfikat innego NIP (PEM z kluczem)", {c, "innynip.pem", h, "haslo"}, 3, "KSeF odmówił logowania: 415", false);
    w("złe hasło", {c, "ksef.p12", h, "zle"}, 3, "Hasło nie otwiera pliku certyfikatu KSeF „%1/ksef.p12”.", false);
    w("złe hasło klucza", {c, "ksef.crt", k, "ksef.key", h, "zle"}, 3,
      "Hasło nie otwiera klucza prywatnego certyfikatu KSeF „%1/ksef.crt” z kluczem „%1/ksef.key”.", false);
    w("bez hasła", {c, "ksef.p12"}, 3, "jest chroniony hasłem", false);
    w("wygasły", {c, "wygasly.p12", h, "haslo"}, 3, "wygasł", false);
    w("wygasa za 10 dni", {c, "wkrotce.p12", h, "haslo"}, 0, "wkrotce.p12” wygasa ", true);
    w("bez klucza prywatnego", {c, "bezklucza.p12", h, "haslo"}, 3, "nie zawiera klucza prywatnego", false);
    w("p12 czytelny dla innych", {c, "ksef644.p12", h, "haslo"}, 3, "ksef644.p12\" mogą czytać", false);
}

// The KSeF certificate signs the login (XAdES), which the server checks with xmlsec1 against
// its test CA; the certificate wins over the token given beside it.
void TstCliKsefWyslij::certyfikat()
{
    QFETCH(QStringList, opcje);
    const QString certyfikaty = Certyfikaty();
    QVERIFY(!certyfikaty.isEmpty());
    for (QString &o : opcje)
        if (!o.startsWith(QLatin1Char('-')))
            o = certyfikaty + QLatin1Char('/') + o;

    SerwerKsef s;
    QCOMPARE(s.Uruchom({QStringLiteral("--ca"), certyfikaty + QStringLiteral("/ca.pem")}), QString());
    QTemporaryDir d;
    const QString pierwszy = d.filePath(QStringLiteral("pierwszy.FAK"));
    QVERIFY(PiszBajty(pierwszy, Przyklad()));
    const WynikCli w =
        UruchomCli(QStringList{QStringLiteral("ksef-wyslij"), pierwszy} + Przygotuj(d, s.Adres(), "zly token") + opcje);
    QFETCH(int, kod);
    QFETCH(QString, wyjscie);
    QFETCH(bool, numer);
    wyjscie.replace(QLatin1String("%1"), certyfikaty);
    const QString wszystko = w.wyjscie + w.bledy;
    QVERIFY2(w.kod == kod && wszystko.contains(wyjscie), qPrintable(QString::number(w.kod) + wszystko));
    QVERIFY(!wszystko.contains(QStringLiteral("tajne hasło")));
    QCOMPARE(!KluczKsef(pierwszy, "Numer").isEmpty(), numer);
    if (numer) {
        // the UPO of a certificate login names the hash of the signed request
        const QString upo = d.filePath(QStringLiteral("pierwszy.upo.xml"));
        QVERIFY2(Waliduje(QStringLiteral(ZENTORA_KSEF_DIR "/api/upo/upo-v4-3.xsd"), upo), qPrintable(upo));
        QVERIFY(CzytajBajty(upo).contains("<SkrotDokumentuUwierzytelniajacego>"));
        QVERIFY2(s.Zdarzenia().contains(QLatin1String("ZDARZENIE xades 200")), qPrintable(s.Zdarzenia()));
    }
}

QTEST_GUILESS_MAIN(TstCliKsefWyslij)
#include "tst_cli_ksefwyslij.moc"
