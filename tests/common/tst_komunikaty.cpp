#include "common/bledy.h"
#include "common/komunikaty.h"
#include "kolumny.h"
#include "prezentertestowy.h"

#include <QTest>

class TstKomunikaty : public QObject {
    Q_OBJECT
private slots:
    void kodyIkon_data();
    void kodyIkon();
    void pytania();
    void wymagaj();
    void style();
    void pokazBlad();
};

void TstKomunikaty::kodyIkon_data()
{
    // clang-format off
    Kolumny<QString, int, QString>("tekst", "ikona", "pokazany");
    QTest::newRow("blad") << "XBrak firmy kupującego" << int(icError) << "Brak firmy kupującego";
    QTest::newRow("dwa kody") << "!?Uwaga" << int(icUwaga) << "Uwaga";
    QTest::newRow("Yyy") << "Yyy" << int(icBrak) << "";
    QTest::newRow("male x") << "xyz" << int(icError) << "z";
    QTest::newRow("bez kodu") << "Informacja" << int(icInfo) << "Informacja";
    QTest::newRow("spacja chroni") << " Xenon" << int(icInfo) << " Xenon";
    QTest::newRow("linie") << "a||b" << int(icInfo) << "a\r\rb";
    // clang-format on
}

void TstKomunikaty::kodyIkon()
{
    QFETCH(QString, tekst);
    QFETCH(int, ikona);
    QFETCH(QString, pokazany);
    PrezenterTestowy p;
    Komunikat(tekst);
    QCOMPARE(p.pokazane.size(), 1);
    const TparDlg &d = p.pokazane.first();
    QCOMPARE(int(d.pIcoDlg), ikona);
    QCOMPARE(d.pInfo, pokazany);
    QCOMPARE(d.pNagl, QStringLiteral("Zentora"));
    QCOMPARE(int(d.pGrKlaw), int(grpOK));
}

void TstKomunikaty::pytania()
{
    PrezenterTestowy p;
    p.odpowiedzi = {idOK};
    QVERIFY(PytanieOkAnuluj(nullptr, QStringLiteral("!Czy na pewno usunąć wskazany wiersz ?"), 1));
    QCOMPARE(int(p.pokazane.last().pIcoDlg), int(icUwaga));
    QCOMPARE(int(p.pokazane.last().pGrKlaw), int(grpKC));
    QCOMPARE(DomyslnyPrzycisk(p.pokazane.last()), int(idOK));

    QVERIFY(PytanieTakNie(QStringLiteral("Rodzaj wiadomości e-mal"), QStringLiteral("Treść"), 1));
    QCOMPARE(p.pokazane.last().pNagl, QStringLiteral("Rodzaj wiadomości e-mal"));
    QCOMPARE(int(p.pokazane.last().pIcoDlg), int(icPytaj));
    QCOMPARE(DomyslnyPrzycisk(p.pokazane.last()), int(idYes));

    // the default answer of a question with Cancel preselected is "no"
    QVERIFY(!PytanieOkAnuluj(nullptr, QStringLiteral("Czy wstawić wiersz ?"), 2));
    QCOMPARE(DomyslnyPrzycisk(p.pokazane.last()), int(idCancel));
    // 3 on a two-button question means the first button
    QVERIFY(PytanieTakNie(QString(), QStringLiteral("?"), 3));
    QCOMPARE(p.pokazane.last().pNumBut, 1);
    // any answer but Yes is no
    p.odpowiedzi = {idCancel};
    QVERIFY(!PytanieTakNie(QString(), QStringLiteral("Pytanie"), 1));
}

void TstKomunikaty::wymagaj()
{
    PrezenterTestowy p;
    Wymagaj(true, QStringLiteral("nic"));
    QVERIFY(p.pokazane.isEmpty());
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, Wymagaj(false, QStringLiteral("XStop")));
    QCOMPARE(p.teksty(), QStringList{QStringLiteral("Stop")});
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, Wymagaj(false, QString()));
    QCOMPARE(p.pokazane.size(), 1);   // an empty text shows nothing
    QVERIFY(!Sprawdz(false, QStringLiteral("Źle")));
    QCOMPARE(p.pokazane.size(), 2);
}

void TstKomunikaty::style()
{
    TparDlg d;
    d.pIcoDlg = icUwaga;
    d.pGrKlaw = grpKC;
    d.pNumBut = 2;
    QCOMPARE(StylDialogu(d), 0x30u + 1u + 0x100u);
    d.pIcoDlg = icBrak;
    d.pGrKlaw = grpARI;
    d.pNumBut = 7;
    QCOMPARE(StylDialogu(d), 2u);
}

void TstKomunikaty::pokazBlad()
{
    PrezenterTestowy p;
    PokazBlad(ECichyAbort());
    QVERIFY(p.pokazane.isEmpty());
    PokazBlad(EMojeBledy(QStringLiteral("XNiepoprawna wersja faktury = 3")));
    QCOMPARE(p.pokazane.size(), 1);
    // an exception's message is shown whole, its first letter is not a code
    QCOMPARE(p.pokazane.first().pInfo, QStringLiteral("XNiepoprawna wersja faktury = 3"));
    QCOMPARE(int(p.pokazane.first().pIcoDlg), int(icError));
    // "|" breaks the lines of an error text too
    PokazBlad(EMojeBledy(QStringLiteral("Nie można zapisać pliku \"a.FAK\".|Brak miejsca")));
    QCOMPARE(p.pokazane.last().pInfo, QStringLiteral("Nie można zapisać pliku \"a.FAK\".\rBrak miejsca"));
}

QTEST_APPLESS_MAIN(TstKomunikaty)
#include "tst_komunikaty.moc"
