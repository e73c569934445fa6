// The sheet on the recording canvas. Metrics of the recorder for Arial 10 (em 35):
// text height 39, line distance 40, each character 14 units wide.
#include "arkusztestowy.h"
#include "kolumny.h"

#include <QTest>

Q_DECLARE_METATYPE(Tjustuj)

namespace {
QList<TZapisRysunku> Linie(const TarkuszTestowy &a)
{
    QList<TZapisRysunku> l;
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Linia)
            l.append(z);
    return l;
}
}   // namespace

class TstArkusz : public QObject {
    Q_OBJECT
private slots:
    void mulDiv_data();
    void mulDiv();
    void rozmiaryCzcionek();
    void skala_data();
    void skala();
    void odwzorowanie_data();
    void odwzorowanie();
    void justowanie_data();
    void justowanie();
    void wiersz_data();
    void wiersz();
    void wierszNaKoncuStrony();
    void ramy_data();
    void ramy();
    void zamalowanieObejmujeKrawedzie();
    void zawijanie_data();
    void zawijanie();
    void dlugiTekstBezSpacji();
    void pusteTekstyNieRysowane();
    void czcionki();
    void inicjujKolumny();
    void wierszTabeliRosnieZTrescia();
    void brakujaceTekstyToPusteKomorki();
    void wierszTabeliNaNowejStronie();
    void wierszTabeliProbaISeria();
    void krawedzieIWypelnienie();
    void przerwanieZatrzymujeRysowanie();
};

void TstArkusz::mulDiv_data()
{
    // clang-format off
    Kolumny<int, int, int, int>("a", "b", "c", "wynik");
    QTest::newRow("10 pkt") << 10 << 254 << 72 << 35;
    QTest::newRow("12 pkt") << 12 << 254 << 72 << 42;
    QTest::newRow("odwrotnie") << 72 << 35 << 254 << 10;
    QTest::newRow("polowa w gore") << 1 << 3 << 2 << 2;
    QTest::newRow("polowa ujemna") << -1 << 3 << 2 << -2;
    QTest::newRow("ujemny dzielnik") << 1 << -3 << 2 << -2;
    QTest::newRow("dwa minusy") << -1 << -3 << 2 << 2;
    QTest::newRow("zero w mianowniku") << 5 << 1 << 0 << -1;
    QTest::newRow("64 bity posrodku") << 2147483647 << 2 << 2 << 2147483647;
    // clang-format on
}

void TstArkusz::mulDiv()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, wynik);
    QCOMPARE(MulDiv(a, b, c), wynik);
}

void TstArkusz::rozmiaryCzcionek()
{
    TarkuszTestowy a;
    QCOMPARE(a.FontSizeNaHeight(10), -35);
    QCOMPARE(a.FontSizeNaHeight(12), -42);
    QCOMPARE(a.FontHeightNaSize(-35), 10);
    QCOMPARE(a.FontHeightNaSize(35), 10);
}

void TstArkusz::skala_data()
{
    // clang-format off
    Kolumny<int, int>("skala", "zapisana");
    QTest::newRow("za mala") << 20 << 40;
    QTest::newRow("za duza") << 150 << 100;
    QTest::newRow("dolna granica") << 40 << 40;
    QTest::newRow("srodek") << 75 << 75;
    // clang-format on
}

void TstArkusz::skala()
{
    QFETCH(int, skala);
    QFETCH(int, zapisana);
    TarkuszTestowy a;
    a.UstawFormat(jm_mm10, TRect{0, 0, 0, 0}, skala);
    QCOMPARE(a.AktSkala, zapisana);
}

void TstArkusz::odwzorowanie_data()
{
    // clang-format off
    // 600 dpi, A4 4961 x 7016 pixels, strip of 4 mm = 94 pixels on every side
    Kolumny<TRect, int, int, int, int, int, int>("marginesy", "skala", "okno", "x", "y", "szerokosc", "wysokosc");
    QTest::newRow("bez marginesow: poczatek na pasku") << TRect{0, 0, 0, 0} << 100 << 254 << 0 << 0 << 2021 << 2891;
    QTest::newRow("7 mm przy pasku 4 mm: 3 mm dalej") << TRect{70, 0, 0, 0} << 100 << 254 << 71 << 0 << 1991 << 2891;
    QTest::newRow("margines wezszy od paska nic nie kosztuje") << TRect{20, 20, 20, 20} << 100 << 254 << 0 << 0 << 2021
                                                               << 2891;
    QTest::newRow("ze wszystkich stron") << TRect{70, 70, 70, 70} << 100 << 254 << 71 << 71 << 1960 << 2830;
    QTest::newRow("skala 50 podwaja obszar") << TRect{0, 0, 0, 0} << 50 << 508 << 0 << 0 << 4042 << 5782;
    // clang-format on
}

void TstArkusz::odwzorowanie()
{
    QFETCH(TRect, marginesy);
    QFETCH(int, skala);
    QFETCH(int, okno);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, szerokosc);
    QFETCH(int, wysokosc);
    TarkuszTestowy a;
    a.UstawFormat(marginesy, skala);
    QCOMPARE(a.kanwa.OknoOdwzorowania(), okno);
    QCOMPARE(a.kanwa.WidokOdwzorowania(), 600);
    QCOMPARE(a.kanwa.PoczatekOdwzorowania(), (TPoint{x, y}));
    QCOMPARE(a.AktRobocza, (TPoint{szerokosc, wysokosc}));
}

void TstArkusz::justowanie_data()
{
    // clang-format off
    Kolumny<Tjustuj, int, int, unsigned>("j", "poziom", "pion", "flagi");
    const unsigned N = dtNOPREFIX, S = dtSINGLELINE;
    QTest::newRow("L") << just_L << int(pozLewo) << int(pionSrodek) << (N | S | dtVCENTER);
    QTest::newRow("V") << just_V << int(pozLewo) << int(pionSrodek) << (N | S | dtVCENTER);
    QTest::newRow("G") << just_G << int(pozLewo) << int(pionGora) << (N | S);
    QTest::newRow("D") << just_D << int(pozLewo) << int(pionDol) << (N | S | dtBOTTOM);
    QTest::newRow("B") << just_B << int(pozLewo) << int(pionBlok) << (N | dtWORDBREAK);
    QTest::newRow("P") << just_P << int(pozPrawo) << int(pionSrodek) << (N | S | dtVCENTER | dtRIGHT);
    QTest::newRow("PG") << just_PG << int(pozPrawo) << int(pionGora) << (N | S | dtRIGHT);
    QTest::newRow("PD") << just_PD << int(pozPrawo) << int(pionDol) << (N | S | dtBOTTOM | dtRIGHT);
    QTest::newRow("PB") << just_PB << int(pozPrawo) << int(pionBlok) << (N | dtWORDBREAK | dtRIGHT);
    QTest::newRow("C") << just_C << int(pozSrodek) << int(pionSrodek) << (N | S | dtVCENTER | dtCENTER);
    QTest::newRow("CG") << just_CG << int(pozSrodek) << int(pionGora) << (N | S | dtCENTER);
    QTest::newRow("CD") << just_CD << int(pozSrodek) << int(pionDol) << (N | S | dtBOTTOM | dtCENTER);
    QTest::newRow("CB") << just_CB << int(pozSrodek) << int(pionBlok) << (N | dtWORDBREAK | dtCENTER);
    // clang-format on
}

void TstArkusz::justowanie()
{
    QFETCH(Tjustuj, j);
    QFETCH(int, poziom);
    QFETCH(int, pion);
    QFETCH(unsigned, flagi);
    QCOMPARE(int(JustPoziom(j)), poziom);
    QCOMPARE(int(JustPion(j)), pion);
    QCOMPARE(FormatWpisu(j), flagi);

    // and where a single line lands in a 200 x 100 box: "ABCD" is 56 wide, 39 high
    TarkuszTestowy a;
    a.Wpisz(TPoint{100, 1000}, 200, 100, j, QStringLiteral("ABCD"));
    const TZapisRysunku *z = a.Tekst(QStringLiteral("ABCD"));
    QVERIFY(z);
    const int x = poziom == pozLewo ? 100 : poziom == pozPrawo ? 244 : 172;
    const int y = pion == pionSrodek ? 1030 : pion == pionDol ? 1061 : 1000;
    QCOMPARE(z->od, (TPoint{x, y}));
    QVERIFY(z->klip);
    QCOMPARE(z->prostokat, (TRect{100, 1000, 300, 1100}));
}

void TstArkusz::wiersz_data()
{
    // clang-format off
    // working width 2021; "ABCD" is 56 wide
    Kolumny<Tjustuj, int, int>("j", "odsun", "x");
    QTest::newRow("lewo") << just_L << 0 << 0;
    QTest::newRow("lewo z odsunieciem") << just_L << 100 << 100;
    QTest::newRow("prawo") << just_P << 0 << 1965;
    QTest::newRow("prawo z odsunieciem") << just_P << 30 << 1935;
    QTest::newRow("srodek") << just_C << 0 << 982;
    QTest::newRow("srodek od gory: pion bez znaczenia") << just_CG << 0 << 982;
    QTest::newRow("srodek od dolu") << just_CD << 0 << 982;
    QTest::newRow("srodek reszty za odsunieciem") << just_C << 100 << 1032;
    // clang-format on
}

void TstArkusz::wiersz()
{
    QFETCH(Tjustuj, j);
    QFETCH(int, odsun);
    QFETCH(int, x);
    TarkuszTestowy a;
    a.Ydruk = 500;
    a.Wiersz(j, QStringLiteral("ABCD"), odsun);
    const TZapisRysunku *z = a.Tekst(QStringLiteral("ABCD"));
    QVERIFY(z);
    QCOMPARE(z->od, (TPoint{x, 500}));
    QCOMPARE(a.Ydruk, 540);
    a.WierszL(QString(), 0);
    QCOMPARE(a.Ydruk, 580);   // an empty line still takes its place
}

void TstArkusz::wierszNaKoncuStrony()
{
    TarkuszTestowy a;
    a.Ydruk = a.AktRobocza.Y - 40;
    a.WierszL(QStringLiteral("mieści się"), 0);
    QCOMPARE(a.kanwa.strona, 1);
    a.WierszL(QStringLiteral("już nie"), 0);
    QCOMPARE(a.kanwa.strona, 2);
    const TZapisRysunku *z = a.Tekst(QStringLiteral("już nie"));
    QCOMPARE(z->strona, 2);
    QCOMPARE(z->od.Y, 0);
    QCOMPARE(a.Ydruk, 40);
}

void TstArkusz::ramy_data()
{
    // clang-format off
    QTest::addColumn<bool>("piksele");
    QTest::addColumn<QList<int>>("rogi");   // x, y of the four corners after the first
    QTest::newRow("dziesiate milimetra: dokladnie 10") << false << QList<int>{15, 5, 15, 10, 5, 10, 5, 5};
    QTest::newRow("piksele: 10 pikseli z pierwszym") << true << QList<int>{14, 5, 14, 9, 5, 9, 5, 5};
    // clang-format on
}

void TstArkusz::ramy()
{
    QFETCH(bool, piksele);
    QFETCH(QList<int>, rogi);
    TarkuszTestowy a;
    if (piksele)
        a.START_RYSUNKU(&a.kanwa, TPoint{800, 600}, 96);
    QCOMPARE(a.Fjednostka, piksele ? jm_pixel : jm_mm10);
    for (int wariant = 0; wariant < 2; ++wariant) {
        a.kanwa.zapisy.clear();
        if (wariant == 0)
            a.Rama(TPoint{5, 5}, 10, 5);
        else
            a.Rama(a.Region(TPoint{5, 5}, 10, 5));   // the rectangle form gives the same box
        const QList<TZapisRysunku> l = Linie(a);
        QCOMPARE(l.size(), 4);
        QCOMPARE(l.at(0).od, (TPoint{5, 5}));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(l.at(i).do_, (TPoint{rogi.at(2 * i), rogi.at(2 * i + 1)}));
            QCOMPARE(l.at(i).pioro.grubosc, 1);
        }
    }
}

void TstArkusz::zamalowanieObejmujeKrawedzie()
{
    TarkuszTestowy a;
    a.ZamalujProstokat(TRect{10, 20, 30, 40}, Rgb(200, 0, 0));
    QCOMPARE(a.kanwa.zapisy.size(), 1);
    QCOMPARE(a.kanwa.zapisy.at(0).prostokat, (TRect{10, 20, 31, 41}));
    QCOMPARE(a.kanwa.zapisy.at(0).kolor, Rgb(200, 0, 0));
    QCOMPARE(a.kanwa.Pedzel().kolor, kBialy);   // the sheet's brush is left as it was
}

void TstArkusz::zawijanie_data()
{
    // clang-format off
    // 140 units hold exactly ten characters
    Kolumny<QString, QStringList>("tekst", "linie");
    QTest::newRow("na spacji") << "ala ma kota" << QStringList{"ala ma", "kota"};
    QTest::newRow("dokladnie dziesiec") << "0123456789" << QStringList{"0123456789"};
    QTest::newRow("dlugie slowo dzielone") << "abcdefghijklmnopqrstuvwxyz" << QStringList{"abcdefghij", "klmnopqrst", "uvwxyz"};
    QTest::newRow("podzialy wierszy") << "jeden\r\ndwa\rtrzy\ncztery" << QStringList{"jeden", "dwa", "trzy", "cztery"};
    QTest::newRow("podzial na koncu") << "koniec\r\n" << QStringList{"koniec"};
    QTest::newRow("puste wiersze") << "\r\n\r\nx" << QStringList{"", "", "x"};
    QTest::newRow("pusty") << "" << QStringList{""};
    QTest::newRow("tabulator") << "a\tb" << QStringList{"a b"};
    QTest::newRow("wciecie zostaje") << "   wcięcie" << QStringList{"   wcięcie"};
    QTest::newRow("spacje na podziale znikaja") << "słowo    odstęp" << QStringList{"słowo", "odstęp"};
    QTest::newRow("slowo za dlugie po krotkim") << "ab cdefghijklmn" << QStringList{"ab", "cdefghijkl", "mn"};
    // clang-format on
}

void TstArkusz::zawijanie()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, linie);
    TarkuszTestowy a;
    QCOMPARE(a.kanwa.ZawinTekst(tekst, 140), linie);
    // the block is as high as its lines, and each line is drawn in turn
    if (Niepusty(tekst)) {
        QCOMPARE(a.WysAfisza(140, 10, just_B, tekst), qint32(linie.size() * 39));
        a.Wpisz(TPoint{0, 0}, 140, 1000, just_B, tekst);
        QStringList narysowane;
        for (const QString &l : linie)
            if (!l.isEmpty())
                narysowane.append(l);
        QCOMPARE(a.Teksty(), narysowane);
    }
}

void TstArkusz::dlugiTekstBezSpacji()
{
    TarkuszTestowy a;
    const QString dlugi(10000, QLatin1Char('x'));
    QCOMPARE(a.kanwa.ZawinTekst(dlugi, 140).size(), 1000);
    QString zdania;
    for (int i = 0; i < 2000; ++i)
        zdania += QStringLiteral("zażółć ");
    const QStringList linie = a.kanwa.ZawinTekst(zdania, 500);
    QVERIFY(linie.size() > 100);
    for (const QString &l : linie)
        QVERIFY(a.kanwa.SzerokoscTekstu(l) <= 500);
    QCOMPARE(linie.join(QLatin1Char(' ')), zdania.trimmed());
    // a line far too narrow for any character still ends, one character a line
    QCOMPARE(a.kanwa.ZawinTekst(QStringLiteral("abc"), 1), (QStringList{"a", "b", "c"}));
}

void TstArkusz::pusteTekstyNieRysowane()
{
    TarkuszTestowy a;
    a.Pisz(TPoint{10, 10}, QStringLiteral("  "));
    QCOMPARE(a.Wpisz(TPoint{0, 0}, 500, 500, just_B, QStringLiteral(" \r\n\t ")), 0);
    a.Wpisz(TPoint{0, 0}, 500, 60, just_L, QString());
    QCOMPARE(a.WysAfisza(500, 10, just_B, QString()), 0);
    QVERIFY(a.kanwa.zapisy.isEmpty());
    a.Pisz(TPoint{10, 20}, QStringLiteral("A&B\x01"));
    QCOMPARE(a.Teksty(), QStringList{QStringLiteral("A&B ")});   // "&" printed as it stands
    QCOMPARE(a.kanwa.zapisy.at(0).od, (TPoint{10, 20}));
    QCOMPARE(a.Ydruk, 0);
}

void TstArkusz::czcionki()
{
    TarkuszTestowy a;
    QCOMPARE(a.Ar10.nazwa, QStringLiteral("Arial"));
    QCOMPARE(a.Ar10.Rozmiar, 10);
    QCOMPARE(int(a.Ar10.Cechy), 0);
    QCOMPARE(int(a.Ar18b.Cechy), int(fsBold));
    QCOMPARE(a.Cr8B.nazwa, QStringLiteral("Courier New"));
    QCOMPARE(a.Tm18b.nazwa, QStringLiteral("Times New Roman"));
    QCOMPARE(a.Tm18b.Rozmiar, 18);
    QCOMPARE(a.Ar14.Hinter, 0);   // filled only when selected

    // the default font is Arial 10; selecting another returns it
    const Tczcionka stara = a.UstawCzcionke(a.Ar14);
    QCOMPARE(stara.nazwa, QStringLiteral("Arial"));
    QCOMPARE(stara.Rozmiar, 10);
    QCOMPARE(stara.Hinter, 39);
    QCOMPARE(stara.Hexter, 40);
    QCOMPARE(a.Ar14.Hinter, 55);   // em 49
    QCOMPARE(a.Ar14.Hexter, 57);
    QCOMPARE(a.kanwa.Czcionka().wysokosc, -49);
    QCOMPARE(a.kanwa.Czcionka().zestaw, kEastEuropeCharset);
    a.UstawFontBold(true);
    QCOMPARE(int(a.WydajCzcionke().Cechy), int(fsBold));
    a.UstawFontSize(12);
    QCOMPARE(a.WydajCzcionke().Rozmiar, 12);
    a.UstawCzcionke(stara);
    QCOMPARE(a.kanwa.Czcionka().wysokosc, -35);
    QCOMPARE(int(a.kanwa.Czcionka().cechy), 0);
}

void TstArkusz::inicjujKolumny()
{
    TarkuszTestowy a;
    TKolumny k(4);
    a.InicjujKolumny(10, -60, {100, 200}, TPoint{3, 10}, TRect{1, 2, 3, 4}, 7, {just_C}, a.Ar9, k, kBialy);
    const QList<int> pozycje{10, 110, 310, 510}, szerokosci{100, 200, 200, 200};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(k[i].PozycX, pozycje.at(i));
        QCOMPARE(k[i].Wymiary, (TPoint{szerokosci.at(i), 60}));
        QVERIFY(k[i].LiczWysok);
        QCOMPARE(k[i].WysNomin, 60);
        QCOMPARE(k[i].Justuj, just_C);
        QCOMPARE(k[i].Czcionka.Rozmiar, 9);
    }
    QCOMPARE(k[0].GrubLin, (TRect{7, 2, 3, 4}));
    QCOMPARE(k[1].GrubLin, (TRect{1, 2, 3, 4}));
    QCOMPARE(k[3].GrubLin, (TRect{1, 2, 7, 4}));

    TARKUSZ::IniLinieKolumn({TRect{5, 5, 5, 5}}, k);
    QCOMPARE(k[0].GrubLin, (TRect{7, 5, 5, 5}));
    QCOMPARE(k[3].GrubLin, (TRect{5, 5, 7, 5}));
    TARKUSZ::IniMiaryKolumn({40, 60}, k);
    QCOMPARE(k[3].PozycX, 170);
    QCOMPARE(k[3].Wymiary.X, 60);
    TARKUSZ::IniMiaryKolumn({}, k);   // an empty table changes nothing
    QCOMPARE(k[3].PozycX, 170);
    TARKUSZ::IniFontBKolumn({false, true}, k);
    QCOMPARE(int(k[0].Czcionka.Cechy), 0);
    QCOMPARE(int(k[2].Czcionka.Cechy), int(fsBold));

    TKolumny bez(2);
    a.InicjujKolumny(0, 80, {}, TPoint{}, TRect{}, 1, {}, a.Ar9, bez, kBialy);
    QCOMPARE(bez[1].PozycX, 50);   // no widths: 50 each
    QVERIFY(!bez[1].LiczWysok);
    QCOMPARE(bez[1].Justuj, just_L);
}

void TstArkusz::wierszTabeliRosnieZTrescia()
{
    TarkuszTestowy a;
    a.Ydruk = 100;
    TKolumny k(3);
    a.InicjujKolumny(10, -60, {100, 300, 100}, TPoint{3, 10}, TRect{2, 2, 2, 2}, 2, {just_C, just_B, just_PD}, a.Ar10,
                     k, kBialy);
    const qint32 h =
        a.PiszKolumny(k, {QStringLiteral("1"), QStringLiteral("jeden|dwa|trzy"), QStringLiteral("9,99")}, false, false);
    QCOMPARE(h, 3 * 39 + 2 * 10);
    QCOMPARE(a.Ydruk, 100 + h);
    // every cell is framed with the row's height
    for (const Tkolumna &c : k) {
        QCOMPARE(c.RamaCeli.Top, 100);
        QCOMPARE(c.RamaCeli.Bottom, 100 + h);
        QVERIFY(a.JestRama(TPoint{c.PozycX, 100}, c.Wymiary.X, h));
        QVERIFY(c.LiczWysok);
    }
    QCOMPARE(a.Tekst(QStringLiteral("trzy"))->od, (TPoint{113, 110 + 2 * 39}));
    // right at the bottom, 0.3 mm from the right edge, 1 mm above the bottom
    QCOMPARE(a.Tekst(QStringLiteral("9,99"))->od, (TPoint{410 + 100 - 3 - 56, 100 + h - 10 - 39}));
    // the centred number in the middle, both ways
    QCOMPARE(a.Tekst(QStringLiteral("1"))->od, (TPoint{10 + (100 - 14) / 2, 100 + (h - 39) / 2}));

    // an empty block cell is one line high
    TKolumny p(1);
    a.InicjujKolumny(0, -10, {300}, TPoint{3, 10}, TRect{}, 1, {just_B}, a.Ar10, p, kBialy);
    QCOMPARE(a.PiszKolumny(p, {QString()}, false, true), 39 + 20);
    // a fixed height does not grow
    a.InicjujKolumny(0, 400, {300}, TPoint{3, 10}, TRect{}, 1, {just_B}, a.Ar10, p, kBialy);
    QCOMPARE(a.PiszKolumny(p, {QStringLiteral("a|b|c|d|e|f|g|h|i|j|k|l")}, false, true), 400);
}

void TstArkusz::brakujaceTekstyToPusteKomorki()
{
    TarkuszTestowy a;
    TKolumny k(5);
    a.InicjujKolumny(0, 60, {100}, TPoint{3, 10}, TRect{2, 2, 2, 2}, 2, {just_C}, a.Ar10, k, Rgb(1, 2, 3));
    a.PiszKolumny(k, {QStringLiteral("a"), QStringLiteral("b")}, false, false);
    QCOMPARE(a.Teksty(), (QStringList{"a", "b"}));
    QCOMPARE(Linie(a).size(), 8);   // two framed cells, the other three not even filled
    int wypelnienia = 0;
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        wypelnienia += z.rodzaj == TZapisRysunku::Wypelnienie;
    QCOMPARE(wypelnienia, 2);
    QCOMPARE(a.Ydruk, 60);
}

void TstArkusz::wierszTabeliNaNowejStronie()
{
    TarkuszTestowy a;
    a.Ydruk = a.AktRobocza.Y - 59;
    TKolumny k(2);
    a.InicjujKolumny(0, -60, {100}, TPoint{3, 10}, TRect{2, 2, 2, 2}, 2, {just_C}, a.Ar10, k, kBialy);
    a.PiszKolumny(k, {QStringLiteral("x"), QStringLiteral("y")}, false, false);
    QCOMPARE(a.kanwa.strona, 2);
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        QCOMPARE(z.strona, 2);
    QVERIFY(a.JestRama(TPoint{0, 0}, 100, 60));
    QCOMPARE(a.Ydruk, 60);
}

void TstArkusz::wierszTabeliProbaISeria()
{
    TarkuszTestowy a;
    TKolumny k(3);
    a.InicjujKolumny(0, -60, {200}, TPoint{3, 10}, TRect{1, 1, 1, 1}, 1, {just_B}, a.Ar10, k, kBialy);
    QCOMPARE(a.PiszKolumny(k, {QStringLiteral("a|b"), QString(), QString()}, false, true), 2 * 39 + 20);
    QVERIFY(a.kanwa.zapisy.isEmpty());
    QCOMPARE(a.Ydruk, 0);
    QCOMPARE(a.kanwa.Czcionka().wysokosc, -35);

    a.PiszKolumny(k, {QStringLiteral("x;y|z;w;nadmiar")}, true, false);
    QCOMPARE(a.Teksty(), (QStringList{"x", "y", "z", "w"}));
}

void TstArkusz::krawedzieIWypelnienie()
{
    TarkuszTestowy a;
    TKolumny k(1);
    a.InicjujKolumny(100, 60, {200}, TPoint{3, 10}, TRect{-1, 3, -1, 2}, -1, {just_L}, a.Ar10, k, Rgb(9, 9, 9));
    a.PiszKolumny(k, {QStringLiteral("z")}, false, false);
    const QList<TZapisRysunku> l = Linie(a);
    QCOMPARE(l.size(), 2);   // only the top and the bottom edge
    QCOMPARE(l.at(0).od, (TPoint{100, 0}));
    QCOMPARE(l.at(0).do_, (TPoint{300, 0}));
    QCOMPARE(l.at(0).pioro.grubosc, 3);
    QCOMPARE(l.at(1).od, (TPoint{300, 60}));
    QCOMPARE(l.at(1).do_, (TPoint{100, 60}));
    QCOMPARE(a.kanwa.zapisy.at(0).rodzaj, TZapisRysunku::Wypelnienie);
    QCOMPARE(a.kanwa.zapisy.at(0).prostokat, (TRect{100, 0, 301, 61}));
}

void TstArkusz::przerwanieZatrzymujeRysowanie()
{
    TarkuszTestowy a;
    a.przerwany = true;
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, a.Wpisz(TPoint{0, 0}, 100, 100, just_L, QStringLiteral("nic")));
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, a.Rama(TPoint{0, 0}, 10, 10));
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, a.WierszL(QStringLiteral("nic"), 0));
    QVERIFY(a.kanwa.zapisy.isEmpty());
    QCOMPARE(a.Ydruk, 0);
}

QTEST_GUILESS_MAIN(TstArkusz)
#include "tst_arkusz.moc"
