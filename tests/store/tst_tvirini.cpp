#include "common/bledy.h"
#include "common/cp1250.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"
#include "store/tservisini.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstTvirIni : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void przykladWczytaniaIZapisu();
    void odczytWartosci_data();
    void odczytWartosci();
    void nazwyIPolozenieWpisow_data();
    void nazwyIPolozenieWpisow();
    void zapisPustejWartosci();
    void usuniecieSekcjiPrzenosiNaKoniec();
    void nowaSekcja();
    void pustyMagazynDajePustyPlik();
    void koncaLinii_data();
    void koncaLinii();
    void kodowania_data();
    void kodowania();
    void znakSpozaStronyKodowej();
    void nieznaneKluczeZostaja();
    void przeslanieDwustronne();
    void powiadomienieZmieniaWartosc();
    void bladZapisuDocieraDoWolajacego();
    void bladZapisuWDestruktorzePokazany();
    void nieczytelnyPlik();
    void zlyPlik_data();
    void zlyPlik();
    void duzyPlik();
    void funkcjaZwrotna();

private:
    QString Plik(const QString &nazwa) const { return m_dir.filePath(nazwa); }
    QTemporaryDir m_dir;
};

void TstTvirIni::przykladWczytaniaIZapisu()
{
    const QString p = Plik(QStringLiteral("a.ini"));
    QVERIFY(PiszBajty(p, Crlf("; uwagi\n[A]\nx = 1\n\n\n[b]\ny=2\n[a]\nX=3\nk\n=5\n")));
    {
        TvirIni ini(p);
        QCOMPARE(ini.ReadString(QStringLiteral("a"), QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("3"));
        ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("3"));   // forces a save
        ini.Zwolnij();
    }
    QCOMPARE(CzytajBajty(p), Crlf("; uwagi\n\n[A]\nx=3\n\n[b]\ny=2\n\n"));
}

void TstTvirIni::odczytWartosci_data()
{
    // clang-format off
    Kolumny<QString, int, bool, double>("wartosc", "calkowita", "logiczna", "rzeczywista");
    QTest::newRow("12 ze spacjami") << " 12 " << 12 << true << 12.0;
    QTest::newRow("pusta") << "" << -1 << true << -1.0;
    QTest::newRow("tysiace") << "1.500" << 1500 << true << 1500.0;
    QTest::newRow("tak") << "tak" << -1 << true << -1.0;
    QTest::newRow("jeden") << "1" << 1 << true << 1.0;
    QTest::newRow("zero") << "0" << 0 << false << 0.0;
    QTest::newRow("ulamek") << "12,5" << -1 << true << 12.5;
    // clang-format on
}

void TstTvirIni::odczytWartosci()
{
    QFETCH(QString, wartosc);
    QFETCH(int, calkowita);
    QFETCH(bool, logiczna);
    QFETCH(double, rzeczywista);
    TvirIni ini(TvirIni::ZTekstu{}, QStringLiteral("[S]\nk=") + wartosc + QStringLiteral("\n"));
    QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), -1), calkowita);
    QCOMPARE(ini.ReadBool(QStringLiteral("s"), QStringLiteral("K"), true), logiczna);
    QCOMPARE(ini.ReadFloat(QStringLiteral("S"), QStringLiteral("k"), -1), rzeczywista);
    QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("brak"), -1), -1);
    QCOMPARE(ini.ReadInteger(QStringLiteral("Brak"), QStringLiteral("k"), -1), -1);
}

void TstTvirIni::nazwyIPolozenieWpisow_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString, QString>("tekst", "sekcja", "klucz", "wartosc", "zapisane");
    QTest::newRow("klucz w dwoch sekcjach") << "[A]\nk=1\n[B]\nk=2\n" << "B" << "k" << "2"
                                            << "[A]\nk=1\n\n[B]\nk=2\nn=1\n\n";
    QTest::newRow("znak kelwina jak k") << "[A]\n\u212Ax=1\n" << "a" << "KX" << "1"
                                        << "[A]\n\u212Ax=1\n\n[B]\nn=1\n\n";
    QTest::newRow("@ to nie `") << "[A]\n@=1\n`=2\n" << "A" << "`" << "2" << "[A]\n@=1\n`=2\n\n[B]\nn=1\n\n";
    QTest::newRow("nieczytana sekcja zapisana po porzadku") << "[A]\n x = 1 \nx=2\n[B]\ny=2\n" << "B" << "Y" << "2"
                                                            << "[A]\nx=2\n\n[B]\ny=2\nn=1\n\n";
    QTest::newRow("sekcja w dwoch miejscach") << "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\nx=4\n" << "A" << "z" << "3"
                                              << "[A]\nx=4\nz=3\n\n[B]\ny=2\nn=1\n\n";
    // clang-format on
}

void TstTvirIni::nazwyIPolozenieWpisow()
{
    QFETCH(QString, tekst);
    QFETCH(QString, sekcja);
    QFETCH(QString, klucz);
    QFETCH(QString, wartosc);
    QFETCH(QString, zapisane);
    TvirIni ini(TvirIni::ZTekstu{}, tekst);
    QCOMPARE(ini.ReadString(sekcja, klucz, QStringLiteral("d")), wartosc);
    ini.WriteString(QStringLiteral("B"), QStringLiteral("n"), QStringLiteral("1"));
    QCOMPARE(ini.XtrescIni(), zapisane.replace(QLatin1String("\n"), QLatin1String("\r\n")));
}

void TstTvirIni::zapisPustejWartosci()
{
    TvirIni ini(TvirIni::ZTekstu{}, QString());
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QString());
    QCOMPARE(ini.ReadString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(ini.ValueExists(QStringLiteral("a"), QStringLiteral("X")));
    QCOMPARE(ini.XtrescIni(), QStringLiteral("[A]\r\nx=\r\n\r\n"));
    ini.WriteBool(QStringLiteral("A"), QStringLiteral("b"), true);
    ini.WriteFloat(QStringLiteral("A"), QStringLiteral("f"), 12.5);
    ini.WriteDate(QStringLiteral("A"), QStringLiteral("d"), 0);
    QCOMPARE(ini.XtrescIni(), QStringLiteral("[A]\r\nx=\r\nb=1\r\nf=12,5\r\nd=\r\n\r\n"));
    // the empty section name can be written to but not looked up
    ini.WriteString(QString(), QStringLiteral("n"), QStringLiteral("1"));
    QCOMPARE(ini.ReadString(QString(), QStringLiteral("n"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(ini.XtrescIni().startsWith(QStringLiteral("n=1\r\n\r\n[A]")));
}

void TstTvirIni::usuniecieSekcjiPrzenosiNaKoniec()
{
    TvirIni ini(TvirIni::ZTekstu{}, QStringLiteral("[A]\nx=1\n[B]\ny=2\n"));
    ini.EraseSection(QStringLiteral("A"));
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("5"));
    QCOMPARE(ini.XtrescIni(), QStringLiteral("[B]\r\ny=2\r\n\r\n[A]\r\nx=5\r\n\r\n"));
    ini.DeleteKey(QStringLiteral("B"), QStringLiteral("Y"));
    QVERIFY(!ini.ValueExists(QStringLiteral("B"), QStringLiteral("y")));
    QStringList sekcje;
    ini.ReadSections(sekcje);
    QCOMPARE(sekcje, (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
}

void TstTvirIni::nowaSekcja()
{
    const QString p = Plik(QStringLiteral("n.ini"));
    QVERIFY(PiszBajty(p, Crlf("[A]\nx=1\n")));
    TvirIni ini(p);
    ini.NowaSekcja(QStringLiteral("a"), {QStringLiteral("y=2")});
    QVERIFY(!ini.Xzmieniono());
    ini.NowaSekcja(QStringLiteral("C"), {QStringLiteral("z=3"), QStringLiteral("; opis")});
    QVERIFY(ini.Xzmieniono());
    QStringList w;
    ini.ReadSectionValues(QStringLiteral("c"), w);
    QCOMPARE(w, QStringList{QStringLiteral("z=3")});
    ini.ReadSection(QStringLiteral("A"), w);
    QCOMPARE(w, QStringList{QStringLiteral("x")});
}

void TstTvirIni::pustyMagazynDajePustyPlik()
{
    const QString p = Plik(QStringLiteral("pusty.ini"));
    {
        TvirIni ini(p);
        ini.Czysc();
        ini.Zwolnij();
    }
    QVERIFY(QFileInfo::exists(p));
    QCOMPARE(CzytajBajty(p), QByteArray());
}

void TstTvirIni::koncaLinii_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("bajty");
    QTest::newRow("CR LF") << QByteArray("[A]\r\nx=1\r\ny=2\r\n");
    QTest::newRow("LF") << QByteArray("[A]\nx=1\ny=2");
    QTest::newRow("CR") << QByteArray("[A]\rx=1\ry=2\r");
    QTest::newRow("mieszane") << QByteArray("[A]\r\nx=1\ry=2\n");
    // clang-format on
}

void TstTvirIni::koncaLinii()
{
    QFETCH(QByteArray, bajty);
    const QString p = Plik(QStringLiteral("k.ini"));
    QVERIFY(PiszBajty(p, bajty));
    TvirIni ini(p);
    QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 1);
    QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("y"), 0), 2);
    QCOMPARE(ini.XtrescIni(), QStringLiteral("[A]\r\nx=1\r\ny=2\r\n\r\n"));
}

void TstTvirIni::kodowania_data()
{
    // clang-format off
    Kolumny<QByteArray, QString, int>("znacznik", "kodek", "kodowanie");
    QTest::newRow("ansi") << QByteArray() << "cp1250" << int(Kodowanie::Ansi);
    QTest::newRow("utf8") << QByteArray("\xEF\xBB\xBF") << "utf8" << int(Kodowanie::Utf8);
    QTest::newRow("utf16le") << QByteArray("\xFF\xFE") << "utf16le" << int(Kodowanie::Utf16LE);
    QTest::newRow("utf16be") << QByteArray("\xFE\xFF") << "utf16be" << int(Kodowanie::Utf16BE);
    // clang-format on
}

namespace {
QByteArray Koduj(const QString &t, const QString &kodek)
{
    if (kodek == QLatin1String("cp1250"))
        return Cp1250::Koduj(t);
    if (kodek == QLatin1String("utf8"))
        return t.toUtf8();
    QByteArray b;
    for (QChar c : t) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        if (kodek == QLatin1String("utf16le"))
            b.append(lo).append(hi);
        else
            b.append(hi).append(lo);
    }
    return b;
}
}   // namespace

void TstTvirIni::kodowania()
{
    QFETCH(QByteArray, znacznik);
    QFETCH(QString, kodek);
    QFETCH(int, kodowanie);
    const QString p = Plik(QStringLiteral("kod.ini"));
    const QString tekst = QStringLiteral("[Kupujący]\r\nMiejsc=Łódź\r\n\r\n");
    QVERIFY(PiszBajty(p, znacznik + Koduj(tekst, kodek)));
    {
        TvirIni ini(p);
        QCOMPARE(int(ini.XKodowanie()), kodowanie);
        QCOMPARE(ini.ReadString(QStringLiteral("kupujący"), QStringLiteral("miejsc"), QString()),
                 QStringLiteral("Łódź"));
        ini.WriteString(QStringLiteral("Kupujący"), QStringLiteral("kFirma"), QStringLiteral("Żółw"));
        ini.Zwolnij();
    }
    const QString nowy = QStringLiteral("[Kupujący]\r\nMiejsc=Łódź\r\nkFirma=Żółw\r\n\r\n");
    QCOMPARE(CzytajBajty(p), znacznik + Koduj(nowy, kodek));
}

void TstTvirIni::znakSpozaStronyKodowej()
{
    // Text that Windows-1250 cannot hold turns the file into UTF-8 with a byte-order mark.
    const QString p = Plik(QStringLiteral("u.ini"));
    const QString ruble = QStringLiteral("Москва €");
    {
        TvirIni ini(p);
        ini.WriteString(QStringLiteral("A"), QStringLiteral("m"), ruble);
        ini.Zwolnij();
    }
    QVERIFY(CzytajBajty(p).startsWith("\xEF\xBB\xBF"));
    TvirIni ini(p);
    QCOMPARE(ini.ReadString(QStringLiteral("A"), QStringLiteral("m"), QString()), ruble);
    QCOMPARE(int(ini.XKodowanie()), int(Kodowanie::Utf8));

    // text that fits stays single-byte
    const QString q = Plik(QStringLiteral("p.ini"));
    {
        TvirIni ini2(q);
        ini2.WriteString(QStringLiteral("A"), QStringLiteral("m"), QStringLiteral("zażółć gęślą jaźń €"));
        ini2.Zwolnij();
    }
    QCOMPARE(CzytajBajty(q), Cp1250::Koduj(QStringLiteral("[A]\r\nm=zażółć gęślą jaźń €\r\n\r\n")));
}

void TstTvirIni::nieznaneKluczeZostaja()
{
    const QString p = Plik(QStringLiteral("z.ini"));
    QVERIFY(PiszBajty(p, Crlf(";komentarz\n[A]\nNotatka=co\x9C\nx=1\n; w sekcji\n[Inna]\nk=v\n")));
    {
        TservisIni ini(p, true);
        ini.setXdefSekc(QStringLiteral("a"));
        int x = 7;
        ini.IOk(QStringLiteral("X"), x, 0);
        ini.Zwolnij();
    }
    QCOMPARE(CzytajBajty(p), Crlf(";komentarz\n\n[A]\nNotatka=co\x9C\nx=7\n; w sekcji\n\n[Inna]\nk=v\n\n"));
}

void TstTvirIni::przeslanieDwustronne()
{
    const QString p = Plik(QStringLiteral("io.ini"));
    QString s = QStringLiteral("  tekst  ");
    int i = 42;
    double f = 2.5, d = 43164;
    bool l = true;
    {
        TservisIni ini(p, true);
        ini.setXdefSekc(QStringLiteral("S"));
        ini.IOk(QStringLiteral("s"), s, QString());
        ini.IOk(QStringLiteral("i"), i, 0);
        ini.IOk(QStringLiteral("f"), f, 0.0);
        ini.IOkData(QStringLiteral("d"), d, 0);
        ini.IOk(QStringLiteral("l"), l, false);
        ini.Zwolnij();
    }
    QCOMPARE(CzytajBajty(p), Crlf("[S]\ns=tekst\ni=42\nf=2,5\nd=05.03.2018\nl=1\n\n"));
    QString s2;
    int i2 = 0, brak = 5;
    double f2 = 0, d2 = 0;
    bool l2 = false;
    TservisIni ini(p, false);
    ini.setXdefSekc(QStringLiteral("s"));
    ini.IOk(QStringLiteral("S"), s2, QString());
    ini.IOk(QStringLiteral("I"), i2, 0);
    ini.IOk(QStringLiteral("F"), f2, 0.0);
    ini.IOkData(QStringLiteral("D"), d2, 0);
    ini.IOk(QStringLiteral("L"), l2, false);
    ini.IOk(QStringLiteral("brak"), brak, 9);
    QCOMPARE(s2, QStringLiteral("tekst"));
    QCOMPARE(i2, 42);
    QCOMPARE(f2, 2.5);
    QCOMPARE(d2, 43164.0);
    QVERIFY(l2);
    QCOMPARE(brak, 9);
    QVERIFY(!ini.Xzmieniono());   // reading never changes the store
}

void TstTvirIni::powiadomienieZmieniaWartosc()
{
    TservisIni ini(TvirIni::ZTekstu{}, QStringLiteral("[S]\nk=5\n"), false);
    QStringList zdarzenia;
    ini.setXonIOkey([&] {
        zdarzenia.append(QStringLiteral("%1/%2/%3/%4").arg(ini.Xsekc(), ini.Xkey()).arg(ini.Xtag()).arg(ini.XTypWar()));
        ini.setXwarInt(ini.XwarInt() * 10);
    });
    int k = 0;
    ini.IOsk(QStringLiteral("S"), QStringLiteral("k"), k, 0, 77);
    QCOMPARE(k, 50);
    QCOMPARE(zdarzenia, QStringList{QStringLiteral("S/k/77/3")});
}

void TstTvirIni::bladZapisuDocieraDoWolajacego()
{
    const QString p = Plik(QStringLiteral("brak/folder/x.ini"));
    TvirIni ini(p);
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, ini.Zwolnij());
    QVERIFY(!QFileInfo::exists(p));
}

void TstTvirIni::bladZapisuWDestruktorzePokazany()
{
    PrezenterTestowy prezenter;
    {
        TvirIni ini(Plik(QStringLiteral("brak/x.ini")));
        ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    }
    QCOMPARE(prezenter.pokazane.size(), 1);
    QVERIFY(prezenter.pokazane.first().pInfo.startsWith(QStringLiteral("Nie można zapisać pliku")));
}

void TstTvirIni::nieczytelnyPlik()
{
    // a folder in place of the file cannot be read
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, TvirIni ini(m_dir.path()));
}

void TstTvirIni::zlyPlik_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("bajty");
    QTest::newRow("binarny") << QByteArray("\x00\x01[\x02]\xFF=\x00\n=\n[\n", 14);
    QTest::newRow("obciety utf16") << QByteArray("\xFF\xFE[\x00" "A", 5);
    QTest::newRow("zly utf8") << QByteArray("\xEF\xBB\xBF[A]\nx=\xC3\x28\n");
    QTest::newRow("same nawiasy") << QByteArray("[[[]]]\n]=[\n");
    QTest::newRow("pusty") << QByteArray();
    // clang-format on
}

void TstTvirIni::zlyPlik()
{
    QFETCH(QByteArray, bajty);
    const QString p = Plik(QStringLiteral("zly.ini"));
    QVERIFY(PiszBajty(p, bajty));
    TvirIni ini(p);
    QStringList s;
    ini.ReadSections(s);
    QCOMPARE(ini.ReadString(QStringLiteral("A"), QStringLiteral("zzz"), QStringLiteral("d")), QStringLiteral("d"));
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    ini.Zwolnij();
    TvirIni ponownie(p);
    QCOMPARE(ponownie.ReadString(QStringLiteral("A"), QStringLiteral("x"), QString()), QStringLiteral("1"));
}

void TstTvirIni::duzyPlik()
{
    // 10 MB in one section: loading and rewriting stays fast (no quadratic look-ups)
    QByteArray b("[Pozycje]\r\n");
    for (int i = 0; b.size() < 10 * 1024 * 1024; ++i)
        b += "towar" + QByteArray::number(i) + "=Papier A4 ryza 500 arkuszy klasa A\r\n";
    const QString p = Plik(QStringLiteral("duzy.ini"));
    QVERIFY(PiszBajty(p, b));
    QElapsedTimer t;
    t.start();
    TvirIni ini(p);
    QCOMPARE(ini.ReadString(QStringLiteral("pozycje"), QStringLiteral("towar0"), QString()),
             QStringLiteral("Papier A4 ryza 500 arkuszy klasa A"));
    ini.WriteString(QStringLiteral("Pozycje"), QStringLiteral("towar1"), QStringLiteral("x"));
    ini.Zwolnij();
    QVERIFY2(t.elapsed() < 20000, qPrintable(QString::number(t.elapsed())));
}

void TstTvirIni::funkcjaZwrotna()
{
    QStringList zapisane;
    {
        TvirIni ini([&](bool pisz, QStringList &lista) {
            if (pisz)
                zapisane = lista;
            else
                lista = {QStringLiteral("[A]"), QStringLiteral("x=1")};
        });
        QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 1);
        ini.WriteInteger(QStringLiteral("A"), QStringLiteral("y"), 2);
    }
    QCOMPARE(zapisane, (QStringList{QStringLiteral("[A]"), QStringLiteral("x=1"), QStringLiteral("y=2"), QString()}));
}

QTEST_APPLESS_MAIN(TstTvirIni)
#include "tst_tvirini.moc"
