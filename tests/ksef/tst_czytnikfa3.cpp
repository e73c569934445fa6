#include "common/formaty.h"
#include "fakturaprzykladowa.h"
#include "invoice/ksef.h"
#include "invoice/sumy.h"
#include "kolumny.h"
#include "ksef/czytnikfa3.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"

#include <QDir>
#include <QTest>

namespace {

const QDateTime kChwila(QDate(2026, 1, 15), QTime(10, 20, 30), Qt::UTC);

TiniZentora Ini()
{
    TiniZentora i;
    i.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
    return i;
}

QString NumerKsef(const QString &srodek)
{
    const QString n = QStringLiteral("9876543210-") + srodek;
    return n + QLatin1Char('-') + QStringLiteral("%1").arg(Crc8Ksef(n.toLatin1()), 2, 16, QLatin1Char('0')).toUpper();
}

QByteArray Eksport(const TzentoraVat &f)
{
    TopcjeKsef o;
    o.Wytworzono = kChwila;
    return EksportujKsef(f, Ini(), o).Xml;
}

}   // namespace

class TstCzytnikFa3 : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prezenter.pokazane.clear(); }
    void nawrot_data();
    void nawrot();
    void przykladyMinisterstwa_data();
    void przykladyMinisterstwa();
    void czegoNieMoznaZapisac_data();
    void czegoNieMoznaZapisac();

private:
    PrezenterTestowy m_prezenter;
};

// Every kind the export writes comes back as the same invoice: exported again, byte for byte.
void TstCzytnikFa3::nawrot_data()
{
    Kolumny<int, int, QString, QString, QString>("rodzaj", "zaplata", "wystawiono", "sprzedano", "wiersze");
    const auto w = [](const char *n, TrodzajFaktury r, TrodzajZaplaty z, const char *wyst, const char *sprz,
                      const char *wiersze) {
        QTest::newRow(n) << int(r) << int(z) << QString::fromUtf8(wyst) << QString::fromUtf8(sprz)
                         << QString::fromUtf8(wiersze);
    };
    w("VAT przelewem, 23 8 zw", rZentora, zPrzelew, "05.03.2018", "05.03.2018", "");
    w("korygująca spoza KSeF", rFakKoryg, zPrzelew, "05.03.2018", "01.03.2018", "");
    w("korygująca z numerem KSeF", rFakKoryg, zGotowka, "15.01.2026", "15.01.2026", "");
    w("VAT - MP gotówką", rZentoraMP, zGotowka, "05.03.2018", "05.03.2018", "");
    w("uproszczony kartą", rUprosz, zKarta, "05.03.2018", "04.03.2018", "");
    w("za zaliczeniem pocztowym", rZentora, zZaliczPocz, "05.03.2018", "05.03.2018", "");
    w("przed 2011: 22 7 3 0 zw", rZentora, zPrzelew, "10.01.2011", "31.12.2010",
      "A|||3|12,35||22;B|||2|0,99||7;C|||1|10,00||3;D|||1|5,00||0;E|||1|1,00||");
    w("23 8 5 0, ułamki i znaki", rZentora, zPrzelew, "15.01.2026", "01.01.2026",
      "Śruby 'M8' & <nakrętki> \"ĄĘ\"|PKWiU 17.12|szt.|1,5|1.234,5678||23;B|||-2|0,99||8;C|||1|10,00||5;D|||1|5,00||0");
}

void TstCzytnikFa3::nawrot()
{
    QFETCH(int, rodzaj);
    QFETCH(int, zaplata);
    QFETCH(QString, wystawiono);
    QFETCH(QString, sprzedano);
    QFETCH(QString, wiersze);
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = TrodzajFaktury(rodzaj);
    f.RodzZaplaty = TrodzajZaplaty(zaplata);
    f.DataWystaw = wystawiono;
    f.DataSprzed = sprzedano;
    if (f.RodzajFak == rFakKoryg) {
        f.DoKorekty = QStringLiteral("10/FV/2018");
        f.DataKorygowanej = QStringLiteral("01.03.2018");
        f.PrzyczynaKorekty = QStringLiteral("Zwrot towaru");
        if (f.RodzZaplaty == zGotowka)
            f.KsefKorygowanej = NumerKsef(QStringLiteral("20260102-0100001AF629"));
    }
    if (f.RodzajFak == rUprosz) {
        f.KupNip.clear();
        f.KupUlica.clear();
        f.KupKod.clear();
        f.KupMiasto.clear();
    }
    if (!wiersze.isEmpty()) {
        const QStringList w = wiersze.split(QLatin1Char(';'));
        for (int i = 1; i <= kMaxPozycji; ++i)
            f.Pozycja(i).czysc();
        for (int i = 0; i < w.size(); ++i)
            f.Pozycja(i + 1) = Wiersz(w.at(i));
        f.IlePozyc = int(w.size());
        f.UwagiDodatk = QStringLiteral("Płatne <od razu> & \"bez\" zwłoki");
    }
    PrzeliczRekord(f);
    const QByteArray xml = Eksport(f);
    const TodczytFa3 r = CzytajFa3(xml);
    QVERIFY2(r.Uwagi.isEmpty(), qPrintable(r.Uwagi.join(u'\n')));
    QCOMPARE(QString::fromUtf8(Eksport(r.Faktura)), QString::fromUtf8(xml));
    QCOMPARE(r.Faktura.DajOznaczenieFaktury(), f.DajOznaczenieFaktury());
    QCOMPARE(r.Faktura.SumyFaktury, f.SumyFaktury);
    QVERIFY(m_prezenter.pokazane.isEmpty());
}

// The Ministry's samples: each read without a crash, the seller and the amount due kept, and
// whatever the record cannot hold named.
void TstCzytnikFa3::przykladyMinisterstwa_data()
{
    QTest::addColumn<QString>("plik");
    const QDir d(QStringLiteral(ZENTORA_KSEF_DIR "/przyklady"));
    const QStringList pliki = d.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    QVERIFY(pliki.size() >= 20);
    for (const QString &p : pliki)
        QTest::newRow(qPrintable(p)) << d.filePath(p);
}

void TstCzytnikFa3::przykladyMinisterstwa()
{
    QFETCH(QString, plik);
    const QByteArray xml = CzytajBajty(plik);
    TodczytFa3 r;
    try {
        r = CzytajFa3(xml);
    } catch (const ECichyAbort &) {
        // a rate the sale date does not allow: its message was shown
        QVERIFY(!m_prezenter.pokazane.isEmpty());
        return;
    }
    const auto tekst = [&](const char *el) {
        const qsizetype a = xml.indexOf(QByteArray("<") + el + ">");
        return a < 0 ? QString()
                     : QString::fromUtf8(xml.mid(a + qstrlen(el) + 2, xml.indexOf('<', a + 1) - a - qstrlen(el) - 2));
    };
    QVERIFY(r.Faktura.SprzedRamka.contains(QStringLiteral("NIP ") + tekst("NIP")));
    const QString uwagi = r.Uwagi.join(u'\n');
    // the number, and the amount due unless a message says why not
    QVERIFY2(r.Faktura.DajOznaczenieFaktury() == tekst("P_2") || r.Faktura.UwagiDodatk.contains(tekst("P_2")),
             qPrintable(tekst("P_2")));
    QVERIFY2(std::abs(TekstNaFloat(r.Faktura.SumyFaktury[vatSum].Brutto, 0) - tekst("P_15").toDouble()) < 0.005
                 || uwagi.contains(QStringLiteral("Kwota należności")),
             qPrintable(uwagi));
}

// What the record cannot hold is named.
void TstCzytnikFa3::czegoNieMoznaZapisac_data()
{
    Kolumny<QByteArray, QByteArray, QString>("z", "na", "uwaga");
    QTest::newRow("waluta") << QByteArray("<KodWaluty>PLN<") << QByteArray("<KodWaluty>EUR<")
                            << QStringLiteral("Faktura jest w walucie EUR");
    QTest::newRow("stawka bez odpowiednika")
        << QByteArray("<P_12>23<") << QByteArray("<P_12>np I<") << QStringLiteral("Pozycja 1 ma stawkę „np I”");
    QTest::newRow("załącznik") << QByteArray("</Fa>")
                               << QByteArray("</Fa><Zalacznik><BlokDanych><ZNaglowek>x</ZNaglowek></BlokDanych>"
                                             "</Zalacznik>")
                               << QStringLiteral("Zalacznik/BlokDanych/ZNaglowek");
    QTest::newRow("obcy numer") << QByteArray("<P_2>12/FV/2018<") << QByteArray("<P_2>FA/ABC-1/03/2018<")
                                << QStringLiteral("Numer faktury „FA/ABC-1/03/2018” nie pasuje");
    QTest::newRow("inna należność") << QByteArray("<P_15>") << QByteArray("<P_15>1")
                                    << QStringLiteral("Kwota należności w pliku");
    QTest::newRow("nie FA(3)") << QByteArray("http://crd.gov.pl/wzor/2025/06/25/13775/")
                               << QByteArray("http://crd.gov.pl/wzor/2023/06/29/12648/")
                               << QStringLiteral("To nie jest faktura FA(3)");
    QTest::newRow("uszkodzony") << QByteArray("</Faktura>") << QByteArray("</Fak") << QStringLiteral("uszkodzony");
}

void TstCzytnikFa3::czegoNieMoznaZapisac()
{
    QFETCH(QByteArray, z);
    QFETCH(QByteArray, na);
    QFETCH(QString, uwaga);
    TzentoraVat f = FakturaPrzykladowa();
    PrzeliczRekord(f);
    QByteArray xml = Eksport(f);
    QVERIFY(xml.contains(z));
    xml.replace(z, na);
    QString wszystko;
    try {
        wszystko = CzytajFa3(xml).Uwagi.join(u'\n');
    } catch (const EMojeBledy &e) {
        wszystko = e.komunikat();
    }
    QVERIFY2(wszystko.contains(uwaga), qPrintable(wszystko));
}

QTEST_GUILESS_MAIN(TstCzytnikFa3)
#include "tst_czytnikfa3.moc"
