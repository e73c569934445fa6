// The secrets of signing in to KSeF: entered on the KSeF page of the parameters, kept in the
// system keychain (a private GNOME Keyring, see zsejfem.sh) and never in Faktury.ini, used by
// zentora-cli, removed again; the certificate checked on import; no keychain, a clear message.

#include "app/serwerksef.h"
#include "app/uruchomcli.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"

#include "editor/dostepksef.h"
#include "editor/fakparam.h"
#include "editor/ksefokno.h"
#include "invoice/konfiguracja.h"
#include "ksef/sejfksef.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the Secret Service itself holds under a key, asked with the desktop's own tool (the
// keychain library keeps bytes in Base64).
QByteArray WSejfie(const QString &klucz)
{
    QProcess p;
    p.start(QStringLiteral("secret-tool"), {QStringLiteral("lookup"), QStringLiteral("server"),
                                            QStringLiteral("Zentora KSeF"), QStringLiteral("user"), klucz});
    p.waitForFinished(20000);
    return QByteArray::fromBase64(p.readAllStandardOutput());
}

// The dialog on the KSeF page, shown (the page reads the keychain when it is shown).
struct Parametry {
    explicit Parametry(const TiniZentora &ini)
    {
        d.Param = ini;
        d.IniNaEkran();
        d.Strony->setCurrentIndex(TFakParam::kStrKsef);
        d.show();
    }
    TdostepKsef *Dostep() { return d.StrKsef->DostepKsef; }
    TFakParam d;
};

QByteArray Faktura(int numer)
{
    QByteArray b = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    return b.replace("NumNIP=123-456-78-90", "NumNIP=526-587-76-35")
        .replace("NrFakt=12", "NrFakt=" + QByteArray::number(numer));
}

bool Openssl(const QStringList &argumenty)
{
    QProcess p;
    p.start(QStringLiteral("openssl"), argumenty);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}   // namespace

class TstSejfKsef : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tokenZeStrony();
    void certyfikat_data();
    void certyfikat();
    void certyfikatWCli();
    void bezSejfu();
    void srodowisko_data();
    void srodowisko();
    void zablokowanySejf();

private:
    QTemporaryDir m_certy;
    QString Cert(const char *nazwa) const { return m_certy.filePath(QLatin1String(nazwa)); }
};

void TstSejfKsef::initTestCase()
{
    // a certificate with its encrypted key, the same as PKCS#12, and a key of another one
    const auto c = [this](const char *n) { return Cert(n); };
    QVERIFY(Openssl({"req", "-x509", "-newkey", "rsa:2048", "-keyout", c("a.key"), "-out", c("a.crt"), "-days", "30",
                     "-subj", "/CN=Firma Testowa/serialNumber=TINPL-9876543210", "-passout", "pass:tajne1"}));
    QVERIFY(Openssl({"pkcs12", "-export", "-in", c("a.crt"), "-inkey", c("a.key"), "-passin", "pass:tajne1", "-out",
                     c("a.p12"), "-passout", "pass:tajne2"}));
    QVERIFY(Openssl({"genpkey", "-algorithm", "RSA", "-out", c("b.key")}));
    QVERIFY(PiszBajty(c("a.pem"), CzytajBajty(c("a.crt")) + CzytajBajty(c("a.key"))));
}

// The token typed for the demo environment goes to the keychain under demo, not to the file;
// zentora-cli signs in with it; the page then shows it only as saved and removes it.
void TstSejfKsef::tokenZeStrony()
{
    PrezenterTestowy prezenter;
    SerwerKsef s;
    QCOMPARE(s.Uruchom(), QString());
    QTemporaryDir d;
    const QString ini = d.filePath(QStringLiteral("Faktury.ini"));
    QVERIFY(PiszBajty(ini, Crlf("[KSeF]\nNIP=9876543210\nAdres=" + s.Adres().toUtf8() + "\n\n")));
    TiniZentora param;
    CzytajParametry(ini, param);
    {
        Parametry p(param);
        QTRY_COMPARE(p.Dostep()->LabToken->text(), QStringLiteral("Brak zapisanego tokena."));
        p.Dostep()->CbSrodowisko->setCurrentIndex(1);
        QTest::keyClicks(p.Dostep()->EdyToken, QLatin1String(SerwerKsef::kToken));
        p.d.accept();
        QCOMPARE(p.d.result(), int(QDialog::Accepted));
        p.d.EkranNaIni();
        param = p.d.Param;
    }
    ZapiszParametry(ini, param);
    QVERIFY(CzytajBajty(ini).contains("Srodowisko=demo\r\n"));
    QVERIFY(!CzytajBajty(ini).contains("tajny"));
    QCOMPARE(WSejfie(QStringLiteral("demo/token")), QByteArray(SerwerKsef::kToken));
    QCOMPARE(WSejfie(QStringLiteral("test/token")), QByteArray());

    const QString faktura = d.filePath(QStringLiteral("f1.FAK"));
    QVERIFY(PiszBajty(faktura, Faktura(1)));
    WynikCli w = UruchomCli({QStringLiteral("ksef-wyslij"), faktura, QStringLiteral("--config"), ini});
    QVERIFY2(w.kod == 0 && w.wyjscie.contains(QLatin1String(": 9876543210-")), qPrintable(w.wyjscie + w.bledy));

    CzytajParametry(ini, param);
    {
        Parametry p(param);
        QCOMPARE(p.Dostep()->CbSrodowisko->currentText(), QStringLiteral("demo"));
        QTRY_COMPARE(p.Dostep()->LabToken->text(), QStringLiteral("Token jest zapisany w sejfie systemowym."));
        QVERIFY(p.Dostep()->EdyToken->text().isEmpty());
        QTest::mouseClick(p.Dostep()->BtnUsunToken, Qt::LeftButton);
        p.d.accept();
        QCOMPARE(p.d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(WSejfie(QStringLiteral("demo/token")), QByteArray());
    QVERIFY(PiszBajty(faktura, Faktura(2)));
    w = UruchomCli({QStringLiteral("ksef-wyslij"), faktura, QStringLiteral("--config"), ini});
    QVERIFY2(w.kod != 0 && w.bledy.contains(QStringLiteral("albo zapisz je na stronie „KSeF” parametrów")),
             qPrintable(w.wyjscie + w.bledy));
    QVERIFY(prezenter.teksty().isEmpty());
}

void TstSejfKsef::certyfikat_data()
{
    // "blad": a part of the message, empty when the import succeeds
    Kolumny<QString, QString, QByteArray, QString>("plik", "klucz", "haslo", "blad");
    const auto w = [](const char *n, const char *plik, const char *klucz, const char *haslo, const char *blad) {
        QTest::newRow(n) << QString::fromUtf8(plik) << QString::fromUtf8(klucz) << QByteArray(haslo)
                         << QString::fromUtf8(blad);
    };
    w("PKCS#12", "a.p12", "", "tajne2", "");
    w("PKCS#12, złe hasło", "a.p12", "", "tajne1", "Hasło nie otwiera pliku certyfikatu KSeF „a.p12”");
    w(".crt z .key", "a.crt", "a.key", "tajne1", "");
    w("jeden plik PEM z kluczem", "a.pem", "", "tajne1", "");
    w(".key ze złym hasłem", "a.crt", "a.key", "tajne2", "Hasło nie otwiera klucza prywatnego certyfikatu KSeF");
    w("klucz innego certyfikatu", "a.crt", "b.key", "", "Klucz prywatny nie pasuje do certyfikatu KSeF „a.crt”");
    w("sam klucz", "a.key", "", "tajne1", "Plik „a.key” nie jest certyfikatem X.509");
}

// Checked on import, shown with its subject and validity, kept in the keychain on OK.
void TstSejfKsef::certyfikat()
{
    QFETCH(QString, plik);
    QFETCH(QString, klucz);
    QFETCH(QByteArray, haslo);
    QFETCH(QString, blad);
    PrezenterTestowy prezenter;
    ZapiszSekretKsef(QStringLiteral("prod"), TsekretKsef::Certyfikat, {});
    TiniZentora ini;
    ini.iniKsefSrodowisko = QStringLiteral("prod");
    Parametry p(ini);
    QTRY_VERIFY(!p.Dostep()->LabCertyfikat->text().startsWith(QStringLiteral("Sprawdzanie")));
    const QString k = klucz.isEmpty() ? QString() : m_certy.filePath(klucz);
    // the button, with the file and password dialogs answered
    QString pytanyPlik;
    ProcWybierzCertyfikatKsef = [&](QWidget *) { return TplikiCertyfikatu{m_certy.filePath(plik), k}; };
    ProcHasloCertyfikatuKsef = [&](QWidget *, const QString &chroniony) {
        pytanyPlik = chroniony;
        return std::optional<QByteArray>(haslo);
    };
    QTest::mouseClick(p.Dostep()->BtnCertyfikat, Qt::LeftButton);
    QCOMPARE(pytanyPlik, k.isEmpty() ? m_certy.filePath(plik) : k);
    QCOMPARE(prezenter.teksty().size(), blad.isEmpty() ? 0 : 1);
    if (!blad.isEmpty()) {
        QVERIFY2(prezenter.ostatni().contains(blad), qPrintable(prezenter.ostatni()));
        QVERIFY(haslo.isEmpty() || !prezenter.ostatni().contains(QString::fromUtf8(haslo)));
        return;
    }
    const QString opis = p.Dostep()->LabCertyfikat->text();
    QVERIFY2(opis.contains(QLatin1String("CN=Firma Testowa")) && opis.contains(QStringLiteral("ważny od "))
                 && !opis.contains(QStringLiteral("wygasł")),
             qPrintable(opis));
    p.d.accept();
    QCOMPARE(p.d.result(), int(QDialog::Accepted));
    const TposwiadczeniaKsef s = CzytajSejfKsef(QStringLiteral("prod"));
    QCOMPARE(s.Certyfikat, CzytajBajty(m_certy.filePath(plik)));
    QCOMPARE(s.Klucz, k.isEmpty() ? QByteArray() : CzytajBajty(k));
    QCOMPARE(s.Haslo, haslo);
}

// A certificate of the server's test CA imported on the page signs zentora-cli in by itself.
void TstSejfKsef::certyfikatWCli()
{
    const QString c = m_certy.filePath(QStringLiteral("ca"));
    QProcess gen;
    gen.start(QStringLiteral("python3"), {QStringLiteral(ZENTORA_KSEF_CERTYFIKATY), c, QLatin1String(SerwerKsef::kNip),
                                          QStringLiteral("tajne hasło 1")});
    QVERIFY2(gen.waitForFinished(60000) && gen.exitCode() == 0, gen.readAllStandardError().constData());
    SerwerKsef s;
    QCOMPARE(s.Uruchom({QStringLiteral("--ca"), c + QStringLiteral("/ca.pem")}), QString());
    QTemporaryDir d;
    const QString ini = d.filePath(QStringLiteral("Faktury.ini"));
    QVERIFY(PiszBajty(ini, Crlf("[KSeF]\nNIP=9876543210\nAdres=" + s.Adres().toUtf8() + "\n\n")));
    TiniZentora param;
    CzytajParametry(ini, param);
    {
        PrezenterTestowy prezenter;
        Parametry p(param);
        QVERIFY(p.Dostep()->ImportujCertyfikat(c + QStringLiteral("/ksef.crt"), c + QStringLiteral("/ksef.key"),
                                               QStringLiteral("tajne hasło 1").toUtf8()));
        p.d.accept();
        QCOMPARE(p.d.result(), int(QDialog::Accepted));
    }
    const QString faktura = d.filePath(QStringLiteral("f1.FAK"));
    QVERIFY(PiszBajty(faktura, Faktura(1)));
    const WynikCli w = UruchomCli({QStringLiteral("ksef-wyslij"), faktura, QStringLiteral("--config"), ini});
    QVERIFY2(w.kod == 0 && w.wyjscie.contains(QLatin1String(": 9876543210-")), qPrintable(w.wyjscie + w.bledy));
    QVERIFY2(s.Zdarzenia().contains(QLatin1String("ZDARZENIE xades 200")), qPrintable(s.Zdarzenia()));

    // shown as saved, then removed with its key and password
    Parametry p(param);
    QTRY_VERIFY2(p.Dostep()->LabCertyfikat->text().contains(QStringLiteral("ważny od")),
                 qPrintable(p.Dostep()->LabCertyfikat->text()));
    QTest::mouseClick(p.Dostep()->BtnUsunCertyfikat, Qt::LeftButton);
    p.d.accept();
    QCOMPARE(p.d.result(), int(QDialog::Accepted));
    const TposwiadczeniaKsef z = CzytajSejfKsef(QStringLiteral("test"));
    QVERIFY(z.Certyfikat.isEmpty() && CzytajSekretKsef(QStringLiteral("test"), TsekretKsef::Klucz).isEmpty()
            && CzytajSekretKsef(QStringLiteral("test"), TsekretKsef::Haslo).isEmpty());
}

// Without a keychain zentora-cli says so in Polish and stops; nothing is read from elsewhere.
void TstSejfKsef::bezSejfu()
{
    QTemporaryDir d;
    const QString ini = d.filePath(QStringLiteral("Faktury.ini"));
    QVERIFY(PiszBajty(ini, Crlf("[KSeF]\nNIP=9876543210\nAdres=http://127.0.0.1:9/v2\n\n")));
    const QString faktura = d.filePath(QStringLiteral("f1.FAK"));
    QVERIFY(PiszBajty(faktura, Faktura(1)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + d.filePath(QStringLiteral("brak")));
    const WynikCli w = UruchomCli({QStringLiteral("ksef-wyslij"), faktura, QStringLiteral("--config"), ini}, env);
    QVERIFY2(w.kod == 3
                 && w.bledy.contains(QStringLiteral("Nie można odczytać tokena KSeF: systemowy sejf haseł jest "
                                                    "niedostępny")),
             qPrintable(w.wyjscie + w.bledy));
}

void TstSejfKsef::srodowisko_data()
{
    Kolumny<QString, int, QString>("wPliku", "wybrane", "zapisane");
    QTest::newRow("puste zostaje puste") << "" << 0 << "";
    QTest::newRow("puste, wybrane demo") << "" << 1 << "demo";
    QTest::newRow("demo, wybrane produkcyjne") << "demo" << 2 << "prod";
    QTest::newRow("prod, wybrane test") << "prod" << 0 << "test";
    QTest::newRow("pisownia z pliku zostaje") << "Demo" << 1 << "Demo";
}

// The environment goes to [KSeF] Srodowisko only when another one was chosen.
void TstSejfKsef::srodowisko()
{
    QFETCH(QString, wPliku);
    QFETCH(int, wybrane);
    TiniZentora ini;
    ini.iniKsefSrodowisko = wPliku;
    TFakParam d;
    d.Param = ini;
    d.IniNaEkran();
    d.StrKsef->DostepKsef->CbSrodowisko->setCurrentIndex(wybrane);
    d.EkranNaIni();
    QTEST(d.Param.iniKsefSrodowisko, "zapisane");
}

// A keychain that stays locked: OK tells why and keeps the dialog open with what was typed.
// Last, as the keychain stays locked.
void TstSejfKsef::zablokowanySejf()
{
    // locked the way the desktop locks it; unlocking would need a prompt no one answers
    QProcess zamek;
    zamek.start(QStringLiteral("dbus-send"),
                {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                 QStringLiteral("--dest=org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                 QStringLiteral("org.freedesktop.Secret.Service.Lock"),
                 QStringLiteral("array:objpath:/org/freedesktop/secrets/collection/login")});
    QVERIFY2(zamek.waitForFinished(20000) && zamek.exitCode() == 0, zamek.readAllStandardError().constData());
    PrezenterTestowy prezenter;
    Parametry p(TiniZentora{});
    QTRY_VERIFY(!p.Dostep()->LabToken->text().startsWith(QStringLiteral("Sprawdzanie")));
    p.d.Strony->setCurrentIndex(TFakParam::kStrOgolne);
    QTest::keyClicks(p.Dostep()->EdyToken, QStringLiteral("nowy-token"));
    p.d.accept();
    QCOMPARE(p.d.result(), int(QDialog::Rejected));
    QVERIFY(p.d.isVisible());
    QVERIFY2(prezenter.ostatni().contains(QStringLiteral("Nie można zapisać tokena KSeF: systemowy sejf haseł jest "
                                                         "niedostępny")),
             qPrintable(prezenter.ostatni()));
    QCOMPARE(p.d.Strony->currentIndex(), int(TFakParam::kStrKsef));
    QCOMPARE(p.Dostep()->EdyToken->text(), QStringLiteral("nowy-token"));
}

QTEST_MAIN(TstSejfKsef)
#include "tst_sejfksef.moc"
