// The small helpers of the controls: pixel scaling, fonts, edit masks, colour codes,
// control characters and the preparation of a window.

#include "common/program.h"
#include "controls/forma.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/maski.h"
#include "controls/platforma.h"
#include "controls/polefiltrowane.h"
#include "controls/tokienka.h"
#include "kolumny.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

class TstKontrolki : public QObject {
    Q_OBJECT
private slots:
    void skalujDpi_data();
    void skalujDpi();
    void czcionki();
    void maski_data();
    void maski();
    void tekstMaski_data();
    void tekstMaski();
    void kolorKodu_data();
    void kolorKodu();
    void koloryPalety();
    void znakiSterujace_data();
    void znakiSterujace();
    void przygotujForme();
};

void TstKontrolki::skalujDpi_data()
{
    // clang-format off
    Kolumny<int, int, int>("n", "dpi", "wynik");
    QTest::newRow("96 bez zmian") << 17 << 96 << 17;
    QTest::newRow("120") << 184 << 120 << 230;
    QTest::newRow("reszta 48 w gore") << 1 << 144 << 2;          // 144 / 96 = 1 r 48
    QTest::newRow("reszta ponizej 48") << 5 << 105 << 5;         // 525 / 96 = 5 r 45
    QTest::newRow("144") << 195 << 144 << 293;                   // 28080 / 96 = 292 r 48
    QTest::newRow("192") << 10 << 192 << 20;
    QTest::newRow("zero") << 0 << 120 << 0;
    // clang-format on
}

void TstKontrolki::skalujDpi()
{
    QFETCH(int, n);
    QFETCH(int, dpi);
    QFETCH(int, wynik);
    QCOMPARE(SkalujDpi(n, dpi), wynik);
}

void TstKontrolki::czcionki()
{
    QVERIFY(JestCzcionka(QStringLiteral("DejaVu Sans")));
    QVERIFY(JestCzcionka(QStringLiteral("dejavu sans")));
    QVERIFY(!JestCzcionka(QStringLiteral("Czcionka Której Nie Ma")));
    QVERIFY(!JestCzcionka(QString()));
    QCOMPARE(JestConsolas(), JestCzcionka(QStringLiteral("Consolas")));
    QCOMPARE(JestLucidaConsole(), JestCzcionka(QStringLiteral("Lucida Console")));
    UstawCzcionkiZastepcze();
    UstawCzcionkiZastepcze();
    // a missing Windows font comes out as an installed sans font, not as a monospace one
    const QFont tahoma(QStringLiteral("Tahoma"));
    const QFontInfo info(tahoma);
    QVERIFY(!info.fixedPitch());
    if (!JestCzcionka(QStringLiteral("Tahoma")))
        QVERIFY(JestCzcionka(info.family()));
    // the face of Tahoma's metrics from Wine's fonts, when the system has no Tahoma of its own
    if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QCOMPARE(info.family(), QStringLiteral("Tahoma"));
}

void TstKontrolki::maski_data()
{
    // clang-format off
    Kolumny<QString, QString, bool>("maska", "qt", "literaly");
    QTest::newRow("data") << "!99/99/9999;1; " << "00.00.0000; " << true;
    QTest::newRow("kod pocztowy") << "99-999;1;_" << "00-000;_" << true;
    QTest::newRow("bez literalow") << "00-000;0;_" << "99-999;_" << false;
    QTest::newRow("litery i wielkie") << ">LL<ll;1;_" << ">AA<aa;_" << true;
    QTest::newRow("znaki Qt jako literaly") << "9H9;1; " << "0\\H0; " << true;
    QTest::newRow("ukosnik") << "99\\/99;1; " << "00\\/00; " << true;
    QTest::newRow("bez pol") << "999" << "000;_" << true;
    QTest::newRow("czas") << "99:99;1; " << "00:00; " << true;
    QTest::newRow("pusta") << "" << "" << true;
    // clang-format on
}

void TstKontrolki::maski()
{
    QFETCH(QString, maska);
    QFETCH(QString, qt);
    QFETCH(bool, literaly);
    const TopisMaski o = PrzetlumaczMaske(maska);
    QCOMPARE(o.maskaQt, qt);
    QCOMPARE(o.literaly, literaly);
}

void TstKontrolki::tekstMaski_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, bool>("maska", "wpis", "tekst", "pusty");
    QTest::newRow("pusta data") << "!99/99/9999;1; " << "" << "  .  .    " << true;
    QTest::newRow("pusta data z tekstu") << "!99/99/9999;1; " << "  .  .    " << "  .  .    " << true;
    QTest::newRow("data") << "!99/99/9999;1; " << "05.03.2018" << "05.03.2018" << false;
    QTest::newRow("niepelna data") << "!99/99/9999;1; " << "05.03." << "05.03.    " << false;
    QTest::newRow("pusty kod") << "99-999;1;_" << "" << "  -   " << true;
    QTest::newRow("kod") << "99-999;1;_" << "60-101" << "60-101" << false;
    QTest::newRow("kod bez literalow") << "99-999;0;_" << "60101" << "60101" << false;
    // clang-format on
}

void TstKontrolki::tekstMaski()
{
    QFETCH(QString, maska);
    QFETCH(QString, wpis);
    QFETCH(QString, tekst);
    QFETCH(bool, pusty);
    TPoleFiltrowane p;
    p.UstawMaske(maska);
    p.UstawTekst(wpis);
    QCOMPARE(p.Tekst(), tekst);
    QCOMPARE(p.PustyWMasce(), pusty);
}

void TstKontrolki::kolorKodu_data()
{
    // clang-format off
    Kolumny<QString, QColor>("kod", "kolor");
    QTest::newRow("0") << "0" << QColor(0, 0, 0);
    QTest::newRow("1") << "1" << QColor(0, 25, 125);
    QTest::newRow("7") << "7" << QColor(128, 128, 128);
    QTest::newRow("9") << "9" << QColor(0, 35, 165);
    QTest::newRow("A") << "A" << QColor(50, 110, 0);
    QTest::newRow("c") << "c" << QColor(165, 35, 0);
    QTest::newRow("D") << "D" << QColor(255, 0, 255);
    QTest::newRow("F") << "F" << QColor(255, 255, 255);
    QTest::newRow("G nie stały") << "G" << QColor();
    QTest::newRow("=") << "=" << QColor();
    // clang-format on
}

void TstKontrolki::kolorKodu()
{
    QFETCH(QString, kod);
    QFETCH(QColor, kolor);
    QCOMPARE(KolorKoduStalego(kod.at(0)), kolor);
}

void TstKontrolki::koloryPalety()
{
    QCOMPARE(KolorBGR(14808570), QColor(250, 245, 225));
    QCOMPARE(KolorBGR(16776697), QColor(249, 253, 255));
    QCOMPARE(NaQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    QCOMPARE(ZQColor(QColor(4, 5, 6)), RGB(4, 5, 6));
    QCOMPARE(NaQColor(kKolorTwarzy), NaQColor(KolorTwarzy()));
    QCOMPARE(NaQColor(0x80000000u + 24), QGuiApplication::palette().color(QPalette::ToolTipBase));
    QCOMPARE(NaQColor(0x80000000u + 5), QGuiApplication::palette().color(QPalette::Base));
}

void TstKontrolki::znakiSterujace_data()
{
    // clang-format off
    Kolumny<QString, QString>("wpis", "wynik");
    QTest::newRow("zwykly") << "Zażółć" << "Zażółć";
    QTest::newRow("CR LF") << "a\r\nb" << "a b";
    QTest::newRow("koncowe linie") << "a\r\n\n" << "a";
    QTest::newRow("tab") << "a\tb" << "a b";
    QTest::newRow("sterujace") << QString::fromUtf8("a\x01\x1b" "b\x7f") << "ab";
    QTest::newRow("C1") << QString(QChar(0x85)) + QStringLiteral("x") << "x";
    QTest::newRow("separator linii") << QString(QChar(0x2028)) << " ";
    // clang-format on
}

void TstKontrolki::znakiSterujace()
{
    QFETCH(QString, wpis);
    QFETCH(QString, wynik);
    QCOMPARE(BezZnakowSterujacych(wpis), wynik);
}

void TstKontrolki::przygotujForme()
{
    QWidget forma;
    forma.setFont(QFont(QStringLiteral("Liberation Serif"), 11));
    auto *u = new QVBoxLayout(&forma);
    auto *pole = new TokienkoTekst;
    auto *combo = new QComboBox;
    combo->setEditable(true);
    auto *grid = new TjustGrid;
    auto *etykieta = new QLabel(QStringLiteral("Nabywca"));
    auto *przewijana = new QScrollArea;
    auto *wnetrze = new QWidget;
    auto *glebokie = new QLineEdit(wnetrze);
    (new QVBoxLayout(wnetrze))->addWidget(glebokie);
    przewijana->setWidget(wnetrze);
    u->addWidget(pole);
    u->addWidget(combo);
    u->addWidget(grid);
    u->addWidget(etykieta);
    u->addWidget(przewijana);
    auto *inneOkno = new QWidget(&forma, Qt::Window);
    auto *wInnymOknie = new QLineEdit(inneOkno);

    QList<QObject *> przypisane;
    ProcPrzypiszPopup = [&](QObject *o) { przypisane.append(o); };
    PrzygotujForme(&forma);
    ProcPrzypiszPopup = nullptr;

    QCOMPARE(forma.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(forma.font().pointSize(), 11);
    QCOMPARE(pole->font().family(), QStringLiteral("Tahoma"));
    for (QObject *o : {static_cast<QObject *>(pole), static_cast<QObject *>(combo), static_cast<QObject *>(grid),
                       static_cast<QObject *>(etykieta), static_cast<QObject *>(glebokie)})
        QCOMPARE(przypisane.count(o), 1);
    // inner parts of compound controls and other windows are not the form's controls
    QVERIFY(!przypisane.contains(combo->lineEdit()));
    QVERIFY(!przypisane.contains(grid->viewport()));
    QVERIFY(!przypisane.contains(wInnymOknie));
    // without the hook nothing happens and nothing breaks
    PrzygotujForme(&forma);
    PrzygotujForme(nullptr);
}

QTEST_MAIN(TstKontrolki)
#include "tst_kontrolki.moc"
