#include "controls/modulapli.h"
#include "kolumny.h"

#include "common/internet.h"
#include "prezentertestowy.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// A small HTTP server on 127.0.0.1: "/" and "/info.txt" answer 200, "/duzy" 2 MB, "/brak" 404, "/blad" 500,
// "/cisza" never answers.
class SerwerHttp : public QObject {
public:
    SerwerHttp()
    {
        connect(&m_serwer, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_serwer.nextPendingConnection()) {
                m_polaczenia.append(s);
                connect(s, &QTcpSocket::readyRead, s, [this, s] { Czytaj(s); });
            }
        });
    }
    bool Start() { return m_serwer.listen(QHostAddress::LocalHost); }
    QString Adres(const QString &sciezka) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_serwer.serverPort()).arg(sciezka);
    }
    void Stop()
    {
        m_serwer.close();
        for (const QPointer<QTcpSocket> &s : std::as_const(m_polaczenia))
            delete s.data();
    }
    QByteArray info;
    QStringList zapytania;

private:
    void Czytaj(QTcpSocket *s)
    {
        QByteArray &b = m_bufory[s];
        b += s->readAll();
        if (!b.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> pierwsza = b.left(b.indexOf("\r\n")).split(' ');
        const QString metoda = QString::fromLatin1(pierwsza.value(0));
        const QString sciezka = QString::fromLatin1(pierwsza.value(1));
        zapytania << metoda + QLatin1Char(' ') + sciezka;
        b.clear();
        QByteArray status = "200 OK", tresc = "<html>Korven</html>";
        if (sciezka == QLatin1String("/cisza"))
            return;
        if (sciezka == QLatin1String("/info.txt"))
            tresc = info;
        else if (sciezka == QLatin1String("/duzy"))
            tresc = QByteArray(2 * 1024 * 1024, 'A');
        else if (sciezka == QLatin1String("/brak"))
            status = "404 Not Found", tresc = "brak";
        else if (sciezka == QLatin1String("/blad"))
            status = "500 Internal Server Error", tresc = "blad";
        QByteArray odp = "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                         + QByteArray::number(tresc.size()) + "\r\nConnection: close\r\n\r\n";
        if (metoda != QLatin1String("HEAD"))
            odp += tresc;
        s->write(odp);
        s->disconnectFromHost();
    }

    QTcpServer m_serwer;
    QList<QPointer<QTcpSocket>> m_polaczenia;
    QHash<QTcpSocket *, QByteArray> m_bufory;
};

// Records the addresses the program would open instead of opening them.
class Otwieracz : public QObject {
    Q_OBJECT
public:
    Otwieracz()
    {
        for (const char *s : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(s), this, "Otworz");
    }
    ~Otwieracz() override
    {
        for (const char *s : {"mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(s));
    }
    QStringList adresy;
public slots:
    void Otworz(const QUrl &url) { adresy << QString::fromLatin1(url.toEncoded()); }
};

const char kBladPobrania[] = "!Błąd podczas sprawdzania dostępnych aktualizacji programu.|"
                             "Prawdopodobna przyczyna to brak połączenia z internetem.";

}   // namespace

class TstModulInternet : public QObject {
    Q_OBJECT
private slots:
    void init();
    void jestPolaczenie_data();
    void jestPolaczenie();
    void pobierzInfo_data();
    void pobierzInfo();
    void poczta_data();
    void poczta();
    void strony();

private:
    std::unique_ptr<TModulApli> m_modul;
};

void TstModulInternet::init()
{
    m_modul = std::make_unique<TModulApli>();
    m_modul->CzasPolaczenia = 800;
    m_modul->CzasPobierania = 1200;
    DaneInternet = TdaneInternet{};
    DaneProgramu = TdaneProgramu{};
}

void TstModulInternet::jestPolaczenie_data()
{
    // clang-format off
    QTest::addColumn<QString>("sciezka");   // "-" no server at that port, "" no address at all
    QTest::addColumn<bool>("jest");

    QTest::newRow("home page answers") << "/" << true;
    QTest::newRow("missing page") << "/brak" << false;
    QTest::newRow("server error") << "/blad" << false;
    QTest::newRow("never answers") << "/cisza" << false;
    QTest::newRow("no server") << "-" << false;
    QTest::newRow("no address") << "" << false;
    // clang-format on
}

void TstModulInternet::jestPolaczenie()
{
    QFETCH(QString, sciezka);
    QFETCH(bool, jest);

    SerwerHttp serwer;
    QVERIFY(serwer.Start());
    DaneInternet.http_programu =
        sciezka.isEmpty() ? QString() : serwer.Adres(sciezka == QLatin1String("-") ? "/" : sciezka);
    if (sciezka == QLatin1String("-"))
        serwer.Stop();
    QElapsedTimer czas;
    czas.start();
    QCOMPARE(m_modul->JestPolaczenie(), jest);
    QVERIFY(czas.elapsed() < m_modul->CzasPolaczenia + 1500);
}

void TstModulInternet::pobierzInfo_data()
{
    // clang-format off
    QTest::addColumn<QString>("stronaDomowa");   // path of http_programu, "-" no server at all
    QTest::addColumn<QString>("plikInfo");       // path of http_plikInfo
    Kolumny<QString, bool, int>("komunikat", "odczytano", "wpisow");

    QTest::newRow("good file") << "/" << "/info.txt" << "" << true << 2;
    QTest::newRow("missing file") << "/" << "/brak" << kBladPobrania << false << 0;
    QTest::newRow("server error") << "/" << "/blad" << kBladPobrania << false << 0;
    QTest::newRow("no update list: far too large") << "/" << "/duzy" << kBladPobrania << false << 0;
    QTest::newRow("file never comes") << "/" << "/cisza" << kBladPobrania << false << 0;
    QTest::newRow("no server at all") << "-" << "/info.txt" << "" << false << 0;
    QTest::newRow("home page never answers") << "/cisza" << "/info.txt" << "" << false << 0;
    // clang-format on
}

void TstModulInternet::pobierzInfo()
{
    QFETCH(QString, stronaDomowa);
    QFETCH(QString, plikInfo);
    QFETCH(QString, komunikat);
    QFETCH(bool, odczytano);
    QFETCH(int, wpisow);

    QTemporaryDir katalog;
    SerwerHttp serwer;
    QVERIFY(serwer.Start());
    // the list is in the single-byte code page, lines end in CR LF
    serwer.info = QByteArray("ABC;2.18.1;1;0;Nowe stawki VAT\r\nABC;2.18.2;1;1;Poprawki \xB3\xB9\x9C\x9F\r\n"
                             "XYZ;9.9.9;1;1;inny program\r\nABC;2.1.6;1;1;stara\r\n");
    DaneProgramu.prg_Symbol = QStringLiteral("ABC");
    DaneProgramu.prg_Liczbowo = 2170;
    TdaneInternet &d = DaneInternet;
    d.http_programu = serwer.Adres(stronaDomowa == QLatin1String("-") ? QStringLiteral("/") : stronaDomowa);
    d.http_plikInfo = serwer.Adres(plikInfo);
    d.sPlik_Info = katalog.filePath(QStringLiteral("info.txt"));
    if (stronaDomowa == QLatin1String("-"))
        serwer.Stop();
    // what an earlier reading left
    QFile stary(d.sPlik_Info);
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("ABC;9.9.9;1;1;stary plik\r\n");
    stary.close();
    d.odczyt_InfoOk = true;
    d.Licz_Darmow = 5;
    d.aOpisy_Info.append(TinfoInternet{});

    PrezenterTestowy prezenter;
    QElapsedTimer czas;
    czas.start();
    m_modul->WwwPobierzInfo();
    QVERIFY(czas.elapsed() < m_modul->CzasPolaczenia + m_modul->CzasPobierania + 2000);

    QCOMPARE(prezenter.teksty(), komunikat.isEmpty() ? QStringList() : QStringList{QString(komunikat).mid(1)});
    if (!komunikat.isEmpty())
        QCOMPARE(prezenter.pokazane.at(0).pIcoDlg, icUwaga);
    QCOMPARE(d.odczyt_InfoOk, odczytano);
    QCOMPARE(d.aOpisy_Info.size(), wpisow);
    QCOMPARE(d.Licz_Darmow + d.Licz_Platna, wpisow);
    // without a connection nothing is touched; otherwise the old file goes, the downloaded one
    // is read and removed, and a failed download leaves none
    QCOMPARE(QFile::exists(d.sPlik_Info), !odczytano && komunikat.isEmpty());
    if (odczytano) {
        QCOMPARE(d.sTresc_Info, QString::fromUtf8("ABC;2.18.1;1;0;Nowe stawki VAT\r\nABC;2.18.2;1;1;Poprawki łąśź\r\n"
                                                  "XYZ;9.9.9;1;1;inny program\r\nABC;2.1.6;1;1;stara\r\n"));
        QCOMPARE(d.aOpisy_Info.at(1).inf_opis, QString::fromUtf8("Poprawki łąśź"));
        QCOMPARE((QList<int>{d.Licz_Platna, d.Licz_DoPobr, d.Licz_Darmow}), (QList<int>{1, 1, 1}));
    } else {
        QCOMPARE(d.sTresc_Info, QString());
    }
}

void TstModulInternet::poczta_data()
{
    // clang-format off
    QTest::addColumn<bool>("zamowienie");   // the answer to the question
    QTest::addColumn<QString>("url");

    QTest::newRow("order") << true
                           << "mailto:zamowienia@korven.example?subject=Zam%C3%B3wienie%20Zentora%202.18%20%26%20"
                              "aktualizacje&body=Prosz%C4%99%20o%3A%0D%0A1%3B%202%3D3%20%2B%20100%25";
    QTest::newRow("general") << false << "mailto:biuro@korven.example?subject=Pytanie";
    // clang-format on
}

void TstModulInternet::poczta()
{
    QFETCH(bool, zamowienie);
    QFETCH(QString, url);

    TdaneInternet &d = DaneInternet;
    d.mail_zamawiam = QStringLiteral("zamowienia@korven.example");
    d.mail_zamTemat = QStringLiteral("Zamówienie Zentora 2.18 & aktualizacje");
    d.mail_zamTresc = QStringLiteral("Proszę o:\r\n1; 2=3 + 100%");
    d.mail_programu = QStringLiteral("biuro@korven.example");
    d.mail_prgTemat = QStringLiteral("Pytanie");
    Otwieracz otwieracz;
    PrezenterTestowy prezenter;
    prezenter.odpowiedzi = {zamowienie ? int(idYes) : int(idNo)};
    m_modul->A_WyslijMail->trigger();

    QCOMPARE(otwieracz.adresy, QStringList{url});
    const TparDlg &pytanie = prezenter.pokazane.at(0);
    QCOMPARE(pytanie.pNagl, QStringLiteral("Rodzaj wiadomości e-mal"));
    QCOMPARE(prezenter.teksty().at(0), QStringLiteral("Czy wiadomość dotyczy zamówienia nowej wersji programu ?||"
                                                      "( jeśli tak, to zostanie użyty specjalny adres dla zamówień )"));
    QCOMPARE(pytanie.pGrKlaw, grpYN);
    QCOMPARE(pytanie.pNumBut, 1);
    QCOMPARE(prezenter.pokazane.size(), zamowienie ? 2 : 1);
    if (zamowienie)
        QCOMPARE(prezenter.teksty().at(1), QStringLiteral("Przy wysyłaniu wiadomości z zamówieniem zaznacz pole|"
                                                          "żądające automatycznego potwierdzenia przeczytania.||"
                                                          "Ta cecha jest ustawiana z menu programu pocztowego."));
}

void TstModulInternet::strony()
{
    DaneInternet.http_programu = QStringLiteral("http://korven.example/zentora/");
    DaneInternet.http_wsparcie = QStringLiteral("https://korven.example/pomoc?t=a b");
    Otwieracz otwieracz;
    PrezenterTestowy prezenter;
    m_modul->A_stronaWww->trigger();
    m_modul->WWWusersInfo();
    m_modul->WwwUniwersal(QStringLiteral("  "));   // no address: nothing opens
    QCOMPARE(otwieracz.adresy, (QStringList{"http://korven.example/zentora/", "https://korven.example/pomoc?t=a%20b"}));
    QCOMPARE(prezenter.pokazane.size(), 0);
}

QTEST_MAIN(TstModulInternet)
#include "tst_modulinternet.moc"
