// The validated fields, driven by keys and focus changes as the user drives them.

#include "common/daty.h"
#include "common/komunikaty.h"
#include "controls/tokienka.h"
#include "kolumny.h"
#include "pomocnicy.h"
#include "prezentertestowy.h"

#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>

namespace {

// A window with the field under test and a plain line edit to move the focus to.
struct Stanowisko {
    QWidget okno;
    QPointer<TokienkoBaza> pole;
    QLineEdit *inny = nullptr;

    explicit Stanowisko(TokienkoBaza *p)
    {
        auto *u = new QHBoxLayout(&okno);
        p->setParent(&okno);
        pole = p;
        inny = new QLineEdit(&okno);
        u->addWidget(p);
        u->addWidget(inny);
    }
    bool Start()
    {
        if (!Aktywuj(okno))
            return false;
        pole->setFocus(Qt::TabFocusReason);
        return pole->hasFocus();
    }
    void Opusc()
    {
        inny->setFocus(Qt::TabFocusReason);
        Przetworz();
    }
};

// Settings written as "min=1 max=99999 len=5 jawne0 input0 offset=0,5 format=C# specjal=-"
TokienkoBaza *Utworz(const QString &rodzaj, const QString &ustawienia)
{
    TokienkoBaza *p = nullptr;
    auto *t = rodzaj == QLatin1String("T") ? new TokienkoTekst : nullptr;
    auto *d = rodzaj == QLatin1String("D") ? new TokienkoData : nullptr;
    auto *f = rodzaj == QLatin1String("F") ? new TokienkoFloat : nullptr;
    auto *l = rodzaj == QLatin1String("L") ? new TokienkoLong : nullptr;
    p = t   ? static_cast<TokienkoBaza *>(t)
        : d ? static_cast<TokienkoBaza *>(d)
        : f ? static_cast<TokienkoBaza *>(f)
            : l;
    for (const QString &u : ustawienia.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString k = u.section(QLatin1Char('='), 0, 0);
        const QString v = u.section(QLatin1Char('='), 1);
        const double x = QString(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        if (k == QLatin1String("len"))
            p->setMaxLength(v.toInt());
        else if (k == QLatin1String("format"))
            t->setXformat(v);
        else if (k == QLatin1String("specjal"))
            t->setXspecjal(v);
        else if (k == QLatin1String("min"))
            d ? d->setXWarMin(v.toInt()) : f ? f->setXWarMin(x) : l->setXWarMin(v.toInt());
        else if (k == QLatin1String("max"))
            d ? d->setXWarMax(v.toInt()) : f ? f->setXWarMax(x) : l->setXWarMax(v.toInt());
        else if (k == QLatin1String("offset"))
            f->setXoffset(x);
        else if (k == QLatin1String("jawne0"))
            f ? f->setXJawne0(true) : l->setXJawne0(true);
        else if (k == QLatin1String("input0"))
            f ? f->setXinput0(true) : l->setXinput0(true);
        else if (k == QLatin1String("tekst"))
            p->UstawTekst(QString(v).replace(QLatin1Char('_'), QLatin1Char(' ')));
    }
    return p;
}

}   // namespace

class TstTokienka : public QObject {
    Q_OBJECT
private slots:
    void pisanieIWyjscie_data();
    void pisanieIWyjscie();
    void bladPrzyWyjsciu();
    void bezKomunikatuIBezPowrotu_data();
    void bezKomunikatuIBezPowrotu();
    void dwaBledneNieOdbijajaSie();
    void tylkoDoOdczytuNieTrzyma();
    void wklejanie_data();
    void wklejanie();
    void zlyTekstNiePsujePola();
    void przecinekZKlawiaturyNumerycznej();
    void wartosci();
    void wejscieZaznaczaIPrzycina();
};

void TstTokienka::pisanieIWyjscie_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString, bool>("rodzaj", "ustawienia", "wpis", "poWpisaniu", "ok");
    Kolumny<QString>("poWyjsciu");

    // integers
    QTest::newRow("L pusty poza 1..99999") << "L" << "min=1 max=99999 len=5" << "" << "" << false << "";
    QTest::newRow("L minus nie do wpisania") << "L" << "min=1 max=99999 len=5" << "-12" << "12" << true << "12";
    QTest::newRow("L piec znakow") << "L" << "min=1 max=99999 len=5" << "1234567" << "12345" << true << "12345";
    QTest::newRow("L zero poza zakresem") << "L" << "min=1 max=99999 len=5" << "0" << "0" << false << "0";
    QTest::newRow("L bez granic ujemne nie") << "L" << "" << "-7" << "7" << true << "7";
    QTest::newRow("L bez granic zero znika") << "L" << "" << "0" << "0" << true << "";
    QTest::newRow("L jawne zero") << "L" << "jawne0" << "" << "" << true << "0";
    QTest::newRow("L wpisane zero zostaje") << "L" << "input0" << "00" << "00" << true << "";
    QTest::newRow("L wpisane samo zero") << "L" << "input0" << "0" << "0" << true << "0";
    QTest::newRow("L minus tylko na poczatku") << "L" << "min=-10 max=10" << "5-" << "5" << true << "5";
    QTest::newRow("L ujemne w zakresie") << "L" << "min=-10 max=10" << "-10" << "-10" << true << "-10";
    QTest::newRow("L ujemne poza zakresem") << "L" << "min=-10 max=10" << "-11" << "-11" << false << "-11";
    QTest::newRow("L litery odrzucone") << "L" << "" << "a1b2" << "12" << true << "12";
    QTest::newRow("L rowne granice") << "L" << "min=5 max=5" << "6" << "6" << false << "6";

    // decimals
    QTest::newRow("F 10,5 z tolerancja") << "F" << "min=0 max=10 offset=0,5" << "10,5" << "10,5" << true << "10,5";
    QTest::newRow("F 10,6 poza") << "F" << "min=0 max=10 offset=0,5" << "10,6" << "10,6" << false << "10,6";
    QTest::newRow("F minus nie do wpisania") << "F" << "min=0 max=10 offset=0,5" << "-0,5" << "0,5" << true << "0,5";
    QTest::newRow("F przecinek nie pierwszy") << "F" << "" << ",5" << "5" << true << "5";
    QTest::newRow("F jeden przecinek") << "F" << "" << "1,2,3" << "1,23" << true << "1,23";
    QTest::newRow("F kropka odrzucona") << "F" << "" << "1.5" << "15" << true << "15";
    QTest::newRow("F ujemne gdy min ujemne") << "F" << "min=-5" << "-2,25" << "-2,25" << true << "-2,25";
    QTest::newRow("F puste to zero") << "F" << "" << "" << "" << true << "";
    QTest::newRow("F jawne zero") << "F" << "jawne0" << "" << "" << true << "0";
    QTest::newRow("F wpisane zero") << "F" << "input0" << "0" << "0" << true << "0";
    QTest::newRow("F szerokosc pola") << "F" << "len=5" << "3,14159" << "3,141" << true << "3,141";
    QTest::newRow("F zera koncowe") << "F" << "" << "2,50" << "2,50" << true << "2,5";

    // dates
    QTest::newRow("D 31 lutego") << "D" << "" << "31022018" << "31.02.2018" << false << "31.02.2018";
    QTest::newRow("D pusta") << "D" << "" << "" << "  .  .    " << true << "  .  .    ";
    QTest::newRow("D 9999") << "D" << "" << "31129999" << "31.12.9999" << false << "31.12.9999";
    QTest::newRow("D przed minimum") << "D" << "min=1012011" << "31122010" << "31.12.2010" << false << "31.12.2010";
    QTest::newRow("D od minimum") << "D" << "min=1012011" << "01012011" << "01.01.2011" << true << "01.01.2011";
    QTest::newRow("D po maksimum") << "D" << "max=31122010" << "01012011" << "01.01.2011" << false << "01.01.2011";
    QTest::newRow("D litery nie wchodza") << "D" << "" << "0a5b03c2018" << "05.03.2018" << true << "05.03.2018";
    QTest::newRow("D niepelna") << "D" << "" << "0503" << "05.03.    " << false << "05.03.    ";

    // texts
    QTest::newRow("T C# bez liter") << "T" << "format=C#" << "a1b2" << "12" << true << "12";
    QTest::newRow("T C# pusty") << "T" << "format=C#" << "abc" << "" << false << "";
    QTest::newRow("T Xd") << "T" << "format=Xd" << "ab c" << "AB C" << true << "ABC";
    QTest::newRow("T lU") << "T" << "format=lU" << " jan" << " jan" << true << "Jan";
    QTest::newRow("T lU polskie") << "T" << "format=lU" << "łódź" << "łódź" << true << "Łódź";
    QTest::newRow("T L wielkie") << "T" << "format=L" << "ab1 c" << "AB C" << true << "AB C";
    QTest::newRow("T LD bez spacji") << "T" << "format=LD" << "ab c" << "ABC" << true << "ABC";
    QTest::newRow("T A") << "T" << "format=a" << "a-1 b_" << "a1 b" << true << "a1 b";
    QTest::newRow("T F") << "T" << "format=f" << "a-1 b_" << "a1b_" << true << "a1b_";
    QTest::newRow("T K przecinek") << "T" << "format=k" << ",1,2,3" << "1,23" << true << "1,23";
    QTest::newRow("T M minus") << "T" << "format=m" << "1-2" << "12" << true << "12";
    QTest::newRow("T M minus na poczatku") << "T" << "format=m" << "-1-2" << "-12" << true << "-12";
    QTest::newRow("T N") << "T" << "format=n" << "-1,5-,6" << "-1,56" << true << "-1,56";
    QTest::newRow("T specjal") << "T" << "format=C specjal=-/" << "12-34/5a" << "12-34/5" << true << "12-34/5";
    QTest::newRow("T domyslny przyjmuje wszystko") << "T" << "" << "Zażółć gęślą!" << "Zażółć gęślą!" << true
                                                  << "Zażółć gęślą!";
    QTest::newRow("T przyciety przy wyjsciu") << "T" << "" << "  a b  " << "  a b  " << true << "a b";
    // clang-format on
}

void TstTokienka::pisanieIWyjscie()
{
    QFETCH(QString, rodzaj);
    QFETCH(QString, ustawienia);
    QFETCH(QString, wpis);
    QFETCH(QString, poWpisaniu);
    QFETCH(bool, ok);
    QFETCH(QString, poWyjsciu);
    PrezenterTestowy p;
    Stanowisko s(Utworz(rodzaj, ustawienia));
    QVERIFY(s.Start());
    if (rodzaj == QLatin1String("D"))
        s.pole->home(false);
    Pisz(wpis);
    QCOMPARE(s.pole->Tekst(), poWpisaniu);
    s.Opusc();
    QCOMPARE(s.pole->XTestOK(), ok);
    QCOMPARE(s.pole->Tekst(), poWyjsciu);
    if (ok) {
        QVERIFY(p.pokazane.isEmpty());
        QVERIFY(s.inny->hasFocus());
    } else {
        QCOMPARE(p.teksty(), QStringList{QStringLiteral("Niepoprawna wartość")});
        QCOMPARE(int(p.pokazane.first().pIcoDlg), int(icError));
        QVERIFY(p.pokazane.first().pNagl.isEmpty());
        QVERIFY(s.pole->hasFocus());
    }
}

void TstTokienka::bladPrzyWyjsciu()
{
    PrezenterTestowy p;
    auto *pole = new TokienkoLong;
    pole->setXWarMin(1);
    pole->setXWarMax(99999);
    pole->setMaxLength(5);
    Stanowisko s(pole);
    int odrzucen = 0;
    connect(pole, &TokienkoBaza::odrzucono, [&] { ++odrzucen; });
    QVERIFY(s.Start());
    Pisz(QStringLiteral("0"));
    // the field keeps asking each time the user tries to leave it
    for (int i = 1; i <= 3; ++i) {
        s.Opusc();
        QCOMPARE(p.pokazane.size(), i);
        QVERIFY(pole->hasFocus());
        QCOMPARE(pole->text(), QStringLiteral("0"));
    }
    QCOMPARE(odrzucen, 3);
    // after a correction it lets go
    Klawisz(Qt::Key_Backspace);
    Pisz(QStringLiteral("7"));
    s.Opusc();
    QCOMPARE(p.pokazane.size(), 3);
    QVERIFY(s.inny->hasFocus());
    QCOMPARE(pole->XWartosc(), 7);
    // TestPolaOK only checks, it shows nothing
    pole->setText(QStringLiteral("-3"));
    QVERIFY(!pole->TestPolaOK());
    QVERIFY(!pole->XTestOK());
    QCOMPARE(p.pokazane.size(), 3);
}

void TstTokienka::bezKomunikatuIBezPowrotu_data()
{
    // clang-format off
    Kolumny<bool, bool>("boxErr", "cofnij");
    QTest::newRow("bez komunikatu") << false << true;
    QTest::newRow("bez powrotu") << true << false;
    QTest::newRow("ani jedno") << false << false;
    // clang-format on
}

void TstTokienka::bezKomunikatuIBezPowrotu()
{
    QFETCH(bool, boxErr);
    QFETCH(bool, cofnij);
    PrezenterTestowy p;
    auto *pole = new TokienkoData;
    pole->setXBoxErr(boxErr);
    pole->setXcofnij(cofnij);
    Stanowisko s(pole);
    QVERIFY(s.Start());
    pole->home(false);
    Pisz(QStringLiteral("32012018"));
    s.Opusc();
    QVERIFY(!pole->XTestOK());
    QCOMPARE(p.pokazane.size(), boxErr ? 1 : 0);
    QCOMPARE(pole->hasFocus(), cofnij);
    QCOMPARE(pole->Tekst(), QStringLiteral("32.01.2018"));
}

void TstTokienka::dwaBledneNieOdbijajaSie()
{
    PrezenterTestowy p;
    QWidget okno;
    auto *u = new QHBoxLayout(&okno);
    auto *a = new TokienkoTekst;
    auto *b = new TokienkoTekst;
    a->setXformat(QStringLiteral("x#"));
    b->setXformat(QStringLiteral("x#"));
    u->addWidget(a);
    u->addWidget(b);
    QVERIFY(Aktywuj(okno));
    a->setFocus(Qt::TabFocusReason);
    b->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 10; ++i)
        Przetworz();
    // only the field that was left complains; the one passed through on the way back does not
    QCOMPARE(p.pokazane.size(), 1);
    QVERIFY(a->hasFocus());
}

void TstTokienka::tylkoDoOdczytuNieTrzyma()
{
    PrezenterTestowy p;
    auto *pole = new TokienkoLong;
    pole->setXWarMin(1);
    pole->setText(QStringLiteral("abc"));
    pole->setReadOnly(true);
    Stanowisko s(pole);
    QVERIFY(s.Start());
    Pisz(QStringLiteral("5"));
    QCOMPARE(pole->text(), QStringLiteral("abc"));
    s.Opusc();
    QVERIFY(p.pokazane.isEmpty());
    QVERIFY(s.inny->hasFocus());
}

void TstTokienka::wklejanie_data()
{
    // clang-format off
    Kolumny<QString, QString, int, QString, QString>("rodzaj", "ustawienia", "kursor", "schowek", "wynik");
    Kolumny<int>("komunikatow");

    QTest::newRow("C cyfry") << "T" << "format=C tekst=12" << 2 << "345" << "12345" << 0;
    QTest::newRow("C litera psuje calosc") << "T" << "format=C tekst=12" << 2 << "3a5" << "12" << 1;
    QTest::newRow("X wielkie litery") << "T" << "format=X tekst=ab" << 2 << "cd" << "abCD" << 0;
    QTest::newRow("M minus na poczatku") << "T" << "format=m tekst=12" << 0 << "-" << "-12" << 0;
    QTest::newRow("M minus w srodku") << "T" << "format=m tekst=12" << 1 << "-" << "12" << 1;
    QTest::newRow("K przecinek po cyfrze") << "T" << "format=k tekst=12" << 2 << ",5" << "12,5" << 0;
    QTest::newRow("K drugi przecinek") << "T" << "format=k tekst=1,2" << 3 << ",5" << "1,2" << 1;
    QTest::newRow("znaki sterujace") << "T" << "tekst=a" << 1 << "b\r\nc\td\x01" << "ab c d" << 0;
    QTest::newRow("koniec linii") << "T" << "tekst=" << 0 << "Firma\n" << "Firma" << 0;
    QTest::newRow("dlugi przyciety") << "T" << "len=10 tekst=ab" << 2 << QString(10000, QLatin1Char('x'))
                                    << "abxxxxxxxx" << 0;
    QTest::newRow("L bez filtra") << "L" << "tekst=1" << 1 << "2b" << "12b" << 0;
    QTest::newRow("F wiele linii") << "F" << "tekst=" << 0 << "1\n2" << "1 2" << 0;
    // clang-format on
}

void TstTokienka::wklejanie()
{
    QFETCH(QString, rodzaj);
    QFETCH(QString, ustawienia);
    QFETCH(int, kursor);
    QFETCH(QString, schowek);
    QFETCH(QString, wynik);
    QFETCH(int, komunikatow);
    QClipboard *c = QGuiApplication::clipboard();
    PrezenterTestowy p;
    Stanowisko s(Utworz(rodzaj, ustawienia));
    QVERIFY(s.Start());
    c->setText(schowek);
    if (c->text() != schowek)
        QSKIP("no clipboard on this platform");
    s.pole->setCursorPosition(kursor);
    Klawisz(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.pole->text(), wynik);
    QCOMPARE(p.pokazane.size(), komunikatow);
    // the same through the function the shared edit menu calls
    s.pole->setText(QString());
    s.pole->Wklej();
    QVERIFY(!s.pole->text().contains(QLatin1Char('\n')));
}

void TstTokienka::zlyTekstNiePsujePola()
{
    PrezenterTestowy p;
    auto *pole = new TokienkoFloat;
    Stanowisko s(pole);
    QVERIFY(s.Start());
    // a text no number can be read from, however long, stays for correction
    const QString dlugi = QString(10000, QLatin1Char('9')) + QStringLiteral("x");
    pole->setText(dlugi);
    s.Opusc();
    QVERIFY(!pole->XTestOK());
    QCOMPARE(pole->text(), dlugi);
    // a wide tolerance does not let an unreadable text in
    pole->setXoffset(5);
    pole->setText(QStringLiteral("abc"));
    QVERIFY(!pole->TestPolaOK());
    QCOMPARE(pole->text(), QStringLiteral("abc"));
    // an overflowing number is no number
    pole->setText(QStringLiteral("1") + QString(400, QLatin1Char('0')));
    QVERIFY(!pole->TestPolaOK());
    auto *liczba = new TokienkoLong;
    liczba->setXWarMin(std::numeric_limits<int>::min());
    liczba->setText(QStringLiteral("zz"));
    QVERIFY(!liczba->TestPolaOK());
    liczba->setText(QStringLiteral("99999999999"));
    QVERIFY(!liczba->TestPolaOK());
    delete liczba;
}

void TstTokienka::przecinekZKlawiaturyNumerycznej()
{
    PrezenterTestowy p;
    auto *pole = new TokienkoFloat;
    Stanowisko s(pole);
    QVERIFY(s.Start());
    Pisz(QStringLiteral("3"));
    QTest::keyClick(pole, Qt::Key_Period, Qt::KeypadModifier);
    Pisz(QStringLiteral("5"));
    QCOMPARE(pole->text(), QStringLiteral("3,5"));
}

void TstTokienka::wartosci()
{
    TokienkoFloat f;
    f.setXWartosc(2.5);
    QCOMPARE(f.text(), QStringLiteral("2,5"));
    f.setXWartosc(0);
    QCOMPARE(f.text(), QString());
    f.setXJawne0(true);
    f.setXWartosc(0);
    QCOMPARE(f.text(), QStringLiteral("0"));
    f.setText(QStringLiteral("1.234,5"));
    QCOMPARE(f.XWartosc(), 1234.5);

    TokienkoLong l;
    l.setMaxLength(3);
    l.setXWartosc(12345);
    QCOMPARE(l.text(), QStringLiteral("???"));
    l.setXWartosc(0);
    QCOMPARE(l.text(), QString());

    TokienkoData d;
    d.setXWartosc(KodujDate(2018, 3, 5, 0));
    QCOMPARE(d.Tekst(), QStringLiteral("05.03.2018"));
    QCOMPARE(d.XWartosc(), KodujDate(2018, 3, 5, 0));
    d.setXWartosc(0);
    QCOMPARE(d.Tekst(), kPustaData);
    QCOMPARE(d.XWartosc(), 0.0);
    QVERIFY(d.TestPolaOK());
}

void TstTokienka::wejscieZaznaczaIPrzycina()
{
    PrezenterTestowy p;
    auto *pole = new TokienkoLong;
    pole->setText(QStringLiteral("  42 "));
    Stanowisko s(pole);
    QVERIFY(Aktywuj(s.okno));
    s.inny->setFocus(Qt::TabFocusReason);
    pole->setFocus(Qt::TabFocusReason);
    QCOMPARE(pole->text(), QStringLiteral("42"));
    QCOMPARE(pole->selectedText(), QStringLiteral("42"));
    // typing replaces the selection; the "-" rule looks at the text without it
    pole->setXWarMin(-100);
    Pisz(QStringLiteral("-5"));
    QCOMPARE(pole->text(), QStringLiteral("-5"));
}

QTEST_MAIN(TstTokienka)
#include "tst_tokienka.moc"
