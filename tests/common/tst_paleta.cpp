#include "common/paleta.h"
#include "kolumny.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(TKolor)

class TstPaleta : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void wpisyPalety_data();
    void wpisyPalety();
    void operacje_data();
    void operacje();
    void kolorTwarzy();
    void rodzinyStylow_data();
    void rodzinyStylow();
    void twarzZPlatformy();
    void kolorBGR();
};

void TstPaleta::wpisyPalety_data()
{
    // clang-format off
    Kolumny<int, int, TKolor>("styl", "wpis", "kolor");
    QTest::newRow("zero") << int(sa_Win10nor) << 0 << RGB(240, 240, 240);
    QTest::newRow("123") << int(sa_Win10nor) << 123 << RGB(240, 240, 240);
    QTest::newRow("tlo win10") << int(sa_Win10nor) << 1 << RGB(206, 232, 253);
    QTest::newRow("tlo oldblue") << int(sa_OldBlue) << 1 << RGB(196, 215, 245);
    QTest::newRow("komentarz") << int(sa_OldBlue) << 39 << RGB(255, 250, 225);
    QTest::newRow("kalendarz wybrany") << int(sa_Win10nor) << 106 << RGB(255, 238, 194);
    QTest::newRow("etykieta uwaga") << int(sa_OldBlue) << 45 << RGB(175, 35, 0);
    QTest::newRow("vclcore jak win10") << int(sa_VclCore) << 105 << RGB(255, 248, 215);
    QTest::newRow("xp jak win10") << int(sa_XPblue) << 19 << RGB(63, 150, 220);
    // clang-format on
}

void TstPaleta::wpisyPalety()
{
    QFETCH(int, styl);
    QFETCH(int, wpis);
    QFETCH(TKolor, kolor);
    UstawStyl(static_cast<TstylAplikacji>(styl));
    QCOMPARE(KolorStylu(wpis), kolor);
    QCOMPARE(KolorStylu(1, true), RGB(206, 232, 253));   // designing always sees Windows 10
}

void TstPaleta::operacje_data()
{
    // clang-format off
    Kolumny<TKolor, TKolor>("wynik", "oczekiwany");
    const TKolor c = RGB(100, 150, 200);
    QTest::newRow("przesun jasniej") << Przesun(c, 20, 0, 0) << RGB(120, 170, 220);
    QTest::newRow("przesun ciemniej z nasyceniem") << Przesun(c, -50, 50, 0) << RGB(100, 125, 150);
    QTest::newRow("przesun o zero") << Przesun(c, 0, 50, 50) << c;
    QTest::newRow("przesun ponad biel") << Przesun(RGB(250, 250, 250), 20, 0, 0) << RGB(255, 255, 255);
    QTest::newRow("pastel") << Pastel(c, 252) << RGB(252, 253, 255);
    QTest::newRow("pastel szarego") << Pastel(RGB(90, 90, 90), 200) << RGB(255, 255, 255);
    QTest::newRow("srednia") << Srednia(RGB(1, 2, 3), RGB(2, 3, 4)) << RGB(1, 2, 3);
    QTest::newRow("wzgledny zero") << KolorWzgledny(c, 0) << c;
    QTest::newRow("wzgledny jasny slabo nasycony") << KolorWzgledny(RGB(230, 240, 250), -10) << RGB(212, 228, 244);
    QTest::newRow("wzgledny nasycony") << KolorWzgledny(c, -10) << RGB(90, 140, 190);
    QTest::newRow("wzgledny jasniej") << KolorWzgledny(c, 10) << RGB(110, 160, 210);
    TKolor s = 0, k = 0;
    ParaGradientu(c, 10, s, k);
    QTest::newRow("gradient start") << s << RGB(252, 253, 255);
    QTest::newRow("gradient koniec") << k << RGB(90, 140, 190);
    // clang-format on
}

void TstPaleta::operacje()
{
    QFETCH(TKolor, wynik);
    QFETCH(TKolor, oczekiwany);
    QCOMPARE(wynik, oczekiwany);
}

void TstPaleta::rodzinyStylow_data()
{
    // clang-format off
    Kolumny<int, int, QString>("styl", "wpis", "rodzina");
    QTest::newRow("olive: tlo") << int(sa_XPolive) << 1 << "oliwka";
    QTest::newRow("olive: obrys") << int(sa_XPolive) << 19 << "oliwka";
    QTest::newRow("olive: pasek") << int(sa_XPolive) << 52 << "oliwka";
    QTest::newRow("olive: zaznaczenie zostaje") << int(sa_XPolive) << 2 << "cieply";
    QTest::newRow("silver: tlo") << int(sa_XPsilver) << 1 << "fiolet";
    QTest::newRow("silver: obrys") << int(sa_XPsilver) << 19 << "fiolet";
    QTest::newRow("silver: uwaga zostaje") << int(sa_XPsilver) << 45 << "cieply";
    QTest::newRow("win10: tlo") << int(sa_Win10nor) << 1 << "niebieski";
    // clang-format on
}

void TstPaleta::rodzinyStylow()
{
    QFETCH(int, styl);
    QFETCH(int, wpis);
    QFETCH(QString, rodzina);
    UstawStyl(static_cast<TstylAplikacji>(styl));
    const TKolor k = KolorStylu(wpis);
    const int r = Czerwony(k), g = Zielony(k), b = Niebieski(k);
    if (rodzina == u"oliwka")   // green over blue, red close to green
        QVERIFY2(g >= r && r > b && g - r < (g - b) / 2 + 1, qPrintable(QString("%1 %2 %3").arg(r).arg(g).arg(b)));
    else if (rodzina == u"fiolet")   // blue first, then red, weakly coloured
        QVERIFY2(b >= r && r >= g && NasycenieProc(k) < 25, qPrintable(QString("%1 %2 %3").arg(r).arg(g).arg(b)));
    else if (rodzina == u"cieply")
        QVERIFY(r > b);
    else
        QVERIFY(b > r);
    // the grids' column colours (26..30) differ from one another in every style
    QSet<TKolor> kolumny;
    for (int i = 26; i <= 30; ++i)
        kolumny.insert(KolorStylu(i));
    QCOMPARE(kolumny.size(), 5);
    QVERIFY(!kolumny.contains(KolorStylu(1)));
}

void TstPaleta::twarzZPlatformy()
{
    ProcKolorPrzyciskuSystemu = [] { return RGB(230, 225, 220); };
    UstawStylAplikacji();
    ProcKolorPrzyciskuSystemu = nullptr;
    QCOMPARE(StylAplikacji(), sa_Win10nor);
    QCOMPARE(KolorNormalny(kKolorTwarzy), RGB(230, 225, 220));
    UstawKolorTwarzy(RGB(240, 240, 240));
}

void TstPaleta::kolorTwarzy()
{
    UstawKolorTwarzy(RGB(240, 240, 240));
    QCOMPARE(KolorNormalny(kKolorTwarzy), RGB(240, 240, 240));
    QCOMPARE(KolorWzgledny(kKolorTwarzy, 0), RGB(240, 240, 240));
    // the face colour is darkened plainly, without keeping a tint
    QCOMPARE(KolorWzgledny(kKolorTwarzy, -40), RGB(200, 200, 200));
    QCOMPARE(NasycenieProc(RGB(0, 0, 0)), 0);
    QCOMPARE(NasycenieProc(RGB(200, 100, 100)), 50);
}

void TstPaleta::kolorBGR()
{
    QCOMPARE(ZKoloruBGR(16776697), RGB(249, 253, 255));
    QCOMPARE(ZKoloruBGR(14808570), RGB(250, 245, 225));
}

QTEST_APPLESS_MAIN(TstPaleta)
#include "tst_paleta.moc"
