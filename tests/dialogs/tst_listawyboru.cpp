#include "dialogs/listawyboru.h"
#include "kolumny.h"

#include <QTest>

Q_DECLARE_METATYPE(TKolor)

namespace {
const QString kMiasta = QStringLiteral("Katowice\r\nKielce\r\nKraków\r\n");

QString Kolumna(const TlistaWyboru &l, bool kody)
{
    QStringList t;
    for (int i = 0; i < l.LiczbaWierszy(); ++i)
        t.append(kody ? l.Kod(i) : l.Opis(i));
    return t.join(QLatin1Char('|'));
}

// Types a script into the list: "<" is Backspace, "#" Delete, anything else its character.
// Returns the selected row after each key, comma separated.
QString Wpisz(TlistaWyboru &l, const QString &klawisze)
{
    QStringList wybrane;
    for (QChar c : klawisze) {
        if (c == QLatin1Char('<'))
            l.Klawisz(Qt::Key_Backspace, QString());
        else if (c == QLatin1Char('#'))
            l.Klawisz(Qt::Key_Delete, QString());
        else
            l.Klawisz(Qt::Key_unknown, QString(c));
        wybrane.append(QString::number(l.Wybrany()));
    }
    return wybrane.join(QLatin1Char(','));
}
}   // namespace

class TstListaWyboru : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void wypelnij_data();
    void wypelnij();
    void pusteLinie();
    void komentarze();
    void najszersze();
    void szukaj_data();
    void szukaj();
    void przewijanie();
    void klawisze_data();
    void klawisze();
    void zatwierdz_data();
    void zatwierdz();
    void rozmiar_data();
    void rozmiar();
    void czcionki_data();
    void czcionki();
    void kolorKomentarza_data();
    void kolorKomentarza();
};

void TstListaWyboru::wypelnij_data()
{
    // clang-format off
    Kolumny<QString, int, QString, QString>("linie", "lenKodu", "kody", "opisy");
    QTest::newRow("miasta") << kMiasta << 0 << "Katowice|Kielce|Kraków" << "||";
    QTest::newRow("jedna linia daje dwa wiersze") << "Warszawa" << 0 << "Warszawa|" << "|";
    QTest::newRow("kod 5 znakow") << "00123 Usługa" << 5 << "00123|" << "Usługa|";
    QTest::newRow("kod bez koncowych spacji")
        << "  12  Opis  \r\nAB\r\n" << 5 << "  12|AB" << "Opis|";
    QTest::newRow("zwykla linia obcieta") << "   Gdańsk  \n\tSopot " << 0 << "Gdańsk|Sopot" << "|";
    QTest::newRow("pusta linia w srodku") << "A\n\nB" << 0 << "A||B" << "||";
    QTest::newRow("same CR") << "A\rB\r" << 0 << "A|B" << "|";
    QTest::newRow("tabulator w srodku") << "x\ty" << 0 << "x y|" << "|";
    QTest::newRow("komentarz") << "001 Chleb\n    tylko na zamowienie\n002 Maslo" << 4 << "001||002"
                               << "Chleb|tylko na zamowienie|Maslo";
    QTest::newRow("ujemna dlugosc kodu to linie") << "12345 X" << -3 << "12345 X|" << "|";
    // clang-format on
}

void TstListaWyboru::wypelnij()
{
    QFETCH(QString, linie);
    QFETCH(int, lenKodu);
    QFETCH(QString, kody);
    QFETCH(QString, opisy);
    TlistaWyboru l;
    QVERIFY(TlistaWyboru::SaLinie(linie));
    l.WypelnijListe(linie, lenKodu);
    QCOMPARE(Kolumna(l, true), kody);
    QCOMPARE(Kolumna(l, false), opisy);
    QCOMPARE(l.Wybrany(), 0);
}

void TstListaWyboru::pusteLinie()
{
    QVERIFY(!TlistaWyboru::SaLinie(QString()));
    QVERIFY(!TlistaWyboru::SaLinie(QStringLiteral(" \r\n \t\r\n")));
    QVERIFY(TlistaWyboru::SaLinie(QStringLiteral("\r\nx")));

    // A long pasted line stays whole in a plain list and is cut at the code length otherwise.
    const QString dluga = QString(10000, QLatin1Char('a'));
    TlistaWyboru l;
    l.WypelnijListe(dluga, 0);
    QCOMPARE(l.Kod(0).size(), 10000);
    l.WypelnijListe(dluga, 7);
    QCOMPARE(l.Kod(0), QStringLiteral("aaaaaaa"));
    QCOMPARE(l.Opis(0).size(), 9993);
}

void TstListaWyboru::komentarze()
{
    TlistaWyboru l;
    l.WypelnijListe(QStringLiteral("    naglowek\n001 Chleb\n    uwaga\n002 Dodaj nową pozycję\n"), 4);
    QVERIFY(!l.JestKomentarzem(0));   // the first row never is
    QVERIFY(!l.JestKomentarzem(1));
    QVERIFY(l.JestKomentarzem(2));
    QVERIFY(!l.JestKomentarzem(3));
    QVERIFY(!l.JestKomentarzem(4));   // beyond the rows
    QVERIFY(l.JestDodajNowa(3));
    QVERIFY(!l.JestDodajNowa(1));

    l.WypelnijListe(QStringLiteral("A\n\nB"), 0);
    QVERIFY(!l.JestKomentarzem(1));   // plain lists have no comments
    l.WypelnijListe(kDodajNowaPozycje, 0);
    QVERIFY(l.JestDodajNowa(0));
}

void TstListaWyboru::najszersze()
{
    TlistaWyboru l;
    // Blank codes do not count.
    l.WypelnijListe(QStringLiteral("00123 Usługa\n1     Długi opis\n      komentarz bardzo dlugi"), 6);
    int Lkodu = -1, Lopis = -1;
    l.Najszersze([](const QString &s) { return int(s.size()) * 7; }, Lkodu, Lopis);
    QCOMPARE(Lkodu, 5 * 7);
    QCOMPARE(Lopis, 22 * 7);
}

void TstListaWyboru::szukaj_data()
{
    // clang-format off
    Kolumny<QString, int, QString, int, QString>("linie", "lenKodu", "poczatek", "poPoczatku", "klawisze");
    Kolumny<QString, QString>("wybrane", "szukany");
    const QString kody = QStringLiteral("001 Chleb\n002 Masło\n0021 Masło ekstra\n010 Mleko\n");
    QTest::newRow("K, potem K i r") << kMiasta << 0 << "K" << 0 << "Kr" << "0,2" << "Kr";
    QTest::newRow("samo i nic nie zmienia") << kMiasta << 0 << "K" << 0 << "Kri" << "0,2,2" << "Kri";
    QTest::newRow("i od pustego") << kMiasta << 0 << "Kr" << 2 << "i" << "2" << "i";
    QTest::newRow("bez wzgledu na wielkosc") << kMiasta << 0 << "" << 0 << "kIE" << "0,1,1" << "kIE";
    QTest::newRow("backspace wraca") << kMiasta << 0 << "" << 0 << "Kr<<" << "0,2,0,0" << "";
    QTest::newRow("poczatek nieznany wybiera pierwszy") << kMiasta << 0 << "Z" << 0 << "" << "" << "";
    QTest::newRow("poczatek z koncowymi spacjami") << kMiasta << 0 << "Kr   " << 2 << "" << "" << "";
    QTest::newRow("polska litera") << QStringLiteral("Lublin\nŁódź\nŁomża") << 0 << "" << 0 << "łom"
                                   << "1,2,2" << "łom";
    QTest::newRow("kod: prefiks obciety do dlugosci") << kody << 3 << "0021" << 1 << "" << "" << "";
    QTest::newRow("kod: dalsze znaki nic nie dodaja") << kody << 3 << "" << 0 << "0101" << "0,3,3,3" << "010";
    QTest::newRow("kod: szuka w kodach, nie w opisach") << kody << 3 << "" << 0 << "M" << "0" << "M";
    // clang-format on
}

void TstListaWyboru::szukaj()
{
    QFETCH(QString, linie);
    QFETCH(int, lenKodu);
    QFETCH(QString, poczatek);
    QFETCH(int, poPoczatku);
    QFETCH(QString, klawisze);
    QFETCH(QString, wybrane);
    QFETCH(QString, szukany);

    TlistaWyboru l;
    l.WypelnijListe(linie, lenKodu);
    l.UstawWybrany(1);   // the initial search starts from anywhere
    l.UstawSzukany(poczatek);
    l.Szukaj(true);
    QCOMPARE(l.Wybrany(), poPoczatku);
    l.UstawSzukany(QString());

    QCOMPARE(Wpisz(l, klawisze), wybrane);
    QCOMPARE(l.Szukany(), szukany);
}

void TstListaWyboru::przewijanie()
{
    TlistaWyboru l;
    l.WypelnijListe(QStringLiteral("a0\na1\na2\nb3\nb4\nb5\nb6\nc7\nc8\nc9"), 0);
    l.UstawWidoczne(3);
    QCOMPARE(Wpisz(l, QStringLiteral("b")), QStringLiteral("3"));
    QCOMPARE(l.GornyWiersz(), 3);   // scrolled to the top of the view
    QCOMPARE(Wpisz(l, QStringLiteral("<c")), QStringLiteral("3,7"));
    QCOMPARE(l.GornyWiersz(), 7);   // the last rows fill the view
    QCOMPARE(Wpisz(l, QStringLiteral("<a1")), QStringLiteral("7,0,1"));
    QCOMPARE(l.GornyWiersz(), 0);   // found above the view: shown too
    QCOMPARE(Wpisz(l, QStringLiteral("<<a2")), QStringLiteral("0,0,0,2"));
    QCOMPARE(l.GornyWiersz(), 0);   // visible already: no scrolling
}

void TstListaWyboru::klawisze_data()
{
    // clang-format off
    Kolumny<int, QString, int, QString>("klawisz", "tekst", "reakcja", "szukany");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << int(TlistaWyboru::rkZamknij) << "ab";
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << int(TlistaWyboru::rkZatwierdz) << "ab";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << int(TlistaWyboru::rkSzukano) << "a";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << int(TlistaWyboru::rkSzukano) << "a";
    QTest::newRow("litera") << int(Qt::Key_C) << "c" << int(TlistaWyboru::rkSzukano) << "abc";
    QTest::newRow("spacja") << int(Qt::Key_Space) << " " << int(TlistaWyboru::rkSzukano) << "ab ";
    QTest::newRow("polska litera") << int(Qt::Key_unknown) << "ż" << int(TlistaWyboru::rkSzukano) << "abż";
    QTest::newRow("znak sterujacy") << int(Qt::Key_C) << "\x03" << int(TlistaWyboru::rkBrak) << "ab";
    QTest::newRow("strzalka") << int(Qt::Key_Down) << "" << int(TlistaWyboru::rkBrak) << "ab";
    QTest::newRow("symbol spoza ASCII") << int(Qt::Key_unknown) << "€" << int(TlistaWyboru::rkBrak) << "ab";
    // clang-format on
}

void TstListaWyboru::klawisze()
{
    QFETCH(int, klawisz);
    QFETCH(QString, tekst);
    QFETCH(int, reakcja);
    QFETCH(QString, szukany);
    TlistaWyboru l;
    l.WypelnijListe(kMiasta, 0);
    l.UstawSzukany(QStringLiteral("ab"));
    QCOMPARE(int(l.Klawisz(klawisz, tekst)), reakcja);
    QCOMPARE(l.Szukany(), szukany);
}

void TstListaWyboru::zatwierdz_data()
{
    // clang-format off
    Kolumny<QString, int, int, bool, QString, QString>("linie", "lenKodu", "wiersz", "ok", "param", "opis");
    QTest::newRow("kod i opis") << "00123 Usługa" << 5 << 0 << true << "00123" << "Usługa";
    QTest::newRow("zwykla linia") << kMiasta << 0 << 2 << true << "Kraków" << "";
    QTest::newRow("pusty drugi wiersz zwyklej listy") << "Warszawa" << 0 << 1 << true << "" << "";
    QTest::newRow("pusty drugi wiersz listy kodow") << "00123 Usługa" << 5 << 1 << false << "-" << "-";
    QTest::newRow("komentarz odmowiony") << "001 A\n    uwaga\n002 B" << 4 << 1 << false << "-" << "-";
    QTest::newRow("pierwszy wiersz bez kodu") << "    uwaga\n002 B" << 4 << 0 << true << "" << "uwaga";
    // clang-format on
}

void TstListaWyboru::zatwierdz()
{
    QFETCH(QString, linie);
    QFETCH(int, lenKodu);
    QFETCH(int, wiersz);
    QFETCH(bool, ok);
    QFETCH(QString, param);
    QFETCH(QString, opis);
    TlistaWyboru l;
    l.WypelnijListe(linie, lenKodu);
    l.UstawWybrany(wiersz);
    QString p = QStringLiteral("-"), o = QStringLiteral("-");
    QCOMPARE(l.Zatwierdz(p, o), ok);
    QCOMPARE(p, param);
    QCOMPARE(o, opis);
}

void TstListaWyboru::rozmiar_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("wej");   // Lkodu, Lopis, row height, rows, wanted rows, width, field, dpi
    QTest::addColumn<QList<int>>("wyn");   // width, height, shown, scroll bar, margin, code col, description col
    QTest::newRow("jedna linia, 8 wierszy") << QList<int>{50, 0, 20, 2, 8, 0, 150, 96}
                                            << QList<int>{100, 52, 2, 0, 15, 60, 25};
    QTest::newRow("20 linii z paskiem") << QList<int>{200, 300, 20, 20, 8, 0, 0, 96}
                                        << QList<int>{500, 172, 8, 1, 35, 210, 255};
    QTest::newRow("wymuszone 5 wierszy") << QList<int>{50, 0, 20, 2, -5, 0, 0, 96}
                                         << QList<int>{100, 112, 5, 0, 15, 60, 25};
    QTest::newRow("wymuszone mniej niz jest") << QList<int>{50, 0, 20, 9, -4, 0, 0, 96}
                                              << QList<int>{105, 92, 4, 1, 35, 60, 10};
    QTest::newRow("podana szerokosc") << QList<int>{50, 0, 20, 3, 8, 300, 120, 96}
                                      << QList<int>{300, 72, 3, 0, 15, 60, 225};
    QTest::newRow("waskie pole obniza minimum") << QList<int>{20, 0, 20, 3, 8, 0, 80, 96}
                                                << QList<int>{80, 72, 3, 0, 15, 30, 35};
    QTest::newRow("za waska podana szerokosc") << QList<int>{100, 40, 20, 3, 8, 50, 0, 96}
                                               << QList<int>{50, 72, 3, 0, 15, 110, 0};
    QTest::newRow("144 dpi") << QList<int>{50, 0, 30, 2, 8, 0, 0, 144}
                             << QList<int>{150, 78, 2, 0, 23, 65, 62};
    // clang-format on
}

void TstListaWyboru::rozmiar()
{
    QFETCH(QList<int>, wej);
    QFETCH(QList<int>, wyn);
    const TrozmiarListy r = RozmiarListy(wej[0], wej[1], wej[2], wej[3], wej[4], wej[5], wej[6], wej[7]);
    const QList<int> jest{r.szerokosc, r.wysokosc, r.widoczne, int(r.pasek), r.margines, r.szerKodu, r.szerOpisu};
    QCOMPARE(jest, wyn);
}

void TstListaWyboru::czcionki_data()
{
    // clang-format off
    Kolumny<int, bool, bool, QString, int, int>("kod", "consolas", "lucida", "nazwa", "punkty", "wiersz");
    QTest::newRow("8") << 8 << true << true << "Tahoma" << 8 << 17;
    QTest::newRow("10") << 10 << true << true << "Arial" << 10 << 20;
    QTest::newRow("0") << 0 << true << true << "Arial" << 9 << 19;
    QTest::newRow("ujemny") << -8 << true << true << "Arial" << 9 << 19;
    QTest::newRow("25 consolas") << 25 << true << true << "Consolas" << 10 << 19;
    QTest::newRow("25 lucida") << 25 << false << true << "Lucida Console" << 9 << 17;
    QTest::newRow("25 courier") << 125 << false << false << "Courier New" << 10 << 20;
    QTest::newRow("26 consolas") << 26 << true << false << "Consolas" << 9 << 18;
    QTest::newRow("26 courier") << 26 << false << false << "Courier New" << 10 << 20;
    QTest::newRow("27 lucida przed consolas") << 27 << true << true << "Lucida Console" << 9 << 17;
    QTest::newRow("27 consolas") << 27 << true << false << "Consolas" << 9 << 18;
    // clang-format on
}

void TstListaWyboru::czcionki()
{
    QFETCH(int, kod);
    QFETCH(bool, consolas);
    QFETCH(bool, lucida);
    QFETCH(QString, nazwa);
    QFETCH(int, punkty);
    QFETCH(int, wiersz);
    const TczcionkaListy c = CzcionkaListy(kod, consolas, lucida);
    QCOMPARE(c.nazwa, nazwa);
    QCOMPARE(c.punkty, punkty);
    QCOMPARE(c.wysWiersza, wiersz);
}

void TstListaWyboru::kolorKomentarza_data()
{
    // clang-format off
    Kolumny<int, TKolor>("kod", "kolor");
    QTest::newRow("ujemny") << -5 << RGB(250, 243, 210);
    QTest::newRow("99") << 99 << RGB(250, 243, 210);
    QTest::newRow("100 z palety") << 100 << RGB(255, 250, 225);
    QTest::newRow("199 z palety") << 199 << RGB(255, 250, 225);
    QTest::newRow("200") << 200 << RGB(246, 241, 211);
    // clang-format on
}

void TstListaWyboru::kolorKomentarza()
{
    QFETCH(int, kod);
    QFETCH(TKolor, kolor);
    QCOMPARE(KolorKomentarzaListy(kod), kolor);
}

QTEST_APPLESS_MAIN(TstListaWyboru)
#include "tst_listawyboru.moc"
