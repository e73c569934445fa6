// The window presenter of messages and the application's default handler for exceptions
// that escape an event handler. Runs with TAplikacja as the application object.

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "controls/aplikacja.h"
#include "controls/prezenterokien.h"
#include "kolumny.h"
#include "prezentertestowy.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

namespace {

QStringList TekstyPrzyciskow(const QMessageBox &m)
{
    QStringList t;
    // left to right as laid out is platform-dependent; the group order is what we gave
    for (QAbstractButton *b : m.buttons())
        t.append(b->text().remove(QLatin1Char('&')));
    t.sort();
    return t;
}

// Answers the next modal box: records what it shows, then runs `akcja` on it.
struct Odpowiadacz {
    QString tytul, tekst;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QString domyslny;
    QWidget *rodzic = nullptr;
    bool modalny = false;
    bool widziany = false;

    void Odpowiedz(std::function<void(QMessageBox *)> akcja)
    {
        QTimer::singleShot(0, [this, akcja] {
            auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!m)
                return;
            widziany = true;
            tytul = m->windowTitle();
            tekst = m->text();
            ikona = m->icon();
            domyslny = m->defaultButton() ? m->defaultButton()->text().remove(QLatin1Char('&')) : QString();
            rodzic = m->parentWidget();
            modalny = m->isModal();
            akcja(m);
        });
    }
};

void Kliknij(QMessageBox *m, const QString &tekst)
{
    for (QAbstractButton *b : m->buttons())
        if (b->text().remove(QLatin1Char('&')) == tekst) {
            b->click();
            return;
        }
}

// A widget whose handlers throw what it is told to.
class Rzucajacy : public QWidget {
public:
    std::function<void()> rzut;
    int klikniecia = 0;
    int malowania = 0;
    bool rzucajPrzyMalowaniu = false;

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        ++klikniecia;
        if (rzut)
            rzut();
    }
    void keyPressEvent(QKeyEvent *) override
    {
        if (rzut)
            rzut();
    }
    void paintEvent(QPaintEvent *) override
    {
        ++malowania;
        if (rzucajPrzyMalowaniu)
            throw EMojeBledy(QStringLiteral("Błąd rysowania"));
    }
};

}   // namespace

class TstPrezenterOkien : public QObject {
    Q_OBJECT
private slots:
    void okno_data();
    void okno();
    void pokazModalny();
    void pytaniaWOknie_data();
    void pytaniaWOknie();
    void wyjatki_data();
    void wyjatki();
    void wyjatekWSlocie();
    void wyjatekPrzyMalowaniu();
};

void TstPrezenterOkien::okno_data()
{
    // clang-format off
    Kolumny<int, int, int, int, QStringList>("ikona", "grupa", "domyslny", "ikonaQt", "przyciski");
    Kolumny<QString, QString>("przyciskDomyslny", "przyciskEscape");

    QTest::newRow("ok") << int(icInfo) << int(grpOK) << 1 << int(QMessageBox::Information)
                        << QStringList{"OK"} << "OK" << "OK";
    QTest::newRow("tak nie, nie domyslne") << int(icPytaj) << int(grpYN) << 2 << int(QMessageBox::Question)
                                           << QStringList{"Nie", "Tak"} << "Nie" << "Nie";
    QTest::newRow("ok anuluj") << int(icUwaga) << int(grpKC) << 1 << int(QMessageBox::Warning)
                               << QStringList{"Anuluj", "OK"} << "OK" << "Anuluj";
    QTest::newRow("ponow anuluj") << int(icError) << int(grpRC) << 2 << int(QMessageBox::Critical)
                                  << QStringList{"Anuluj", "Ponów"} << "Anuluj" << "Anuluj";
    QTest::newRow("tak nie anuluj") << int(icBrak) << int(grpYNC) << 3 << int(QMessageBox::NoIcon)
                                    << QStringList{"Anuluj", "Nie", "Tak"} << "Anuluj" << "Anuluj";
    QTest::newRow("przerwij ponow ignoruj") << int(icInfo) << int(grpARI) << 7 << int(QMessageBox::Information)
                                            << QStringList{"Ignoruj", "Ponów", "Przerwij"} << "Przerwij" << "Przerwij";
    // clang-format on
}

void TstPrezenterOkien::okno()
{
    QFETCH(int, ikona);
    QFETCH(int, grupa);
    QFETCH(int, domyslny);
    QFETCH(int, ikonaQt);
    QFETCH(QStringList, przyciski);
    QFETCH(QString, przyciskDomyslny);
    QFETCH(QString, przyciskEscape);
    TparDlg par;
    par.pIcoDlg = TicoDlg(ikona);
    par.pGrKlaw = TGrKlaw(grupa);
    par.pNumBut = domyslny;
    par.pInfo = QStringLiteral("a\r\rb");
    par.pNagl = QStringLiteral("Nagłówek");
    QScopedPointer<QMessageBox> m(PrezenterOkien::ZbudujOkno(par, nullptr));
    QCOMPARE(int(m->icon()), ikonaQt);
    QCOMPARE(TekstyPrzyciskow(*m), przyciski);
    QVERIFY(m->defaultButton());
    QCOMPARE(m->defaultButton()->text().remove(QLatin1Char('&')), przyciskDomyslny);
    QVERIFY(m->escapeButton());
    QCOMPARE(m->escapeButton()->text().remove(QLatin1Char('&')), przyciskEscape);
    QCOMPARE(m->windowTitle(), QStringLiteral("Nagłówek"));
    QCOMPARE(m->text(), QStringLiteral("a\n\nb"));
    QCOMPARE(m->textFormat(), Qt::PlainText);
}

void TstPrezenterOkien::pokazModalny()
{
    PrezenterOkien prezenter;
    PrezenterKomunikatow *stary = UstawPrezenter(&prezenter);
    QWidget glowne;
    glowne.show();
    QApplication::setActiveWindow(&glowne);
    QVERIFY(QTest::qWaitForWindowActive(&glowne));

    Odpowiadacz o;
    o.Odpowiedz([](QMessageBox *m) { Kliknij(m, QStringLiteral("OK")); });
    Komunikat(QStringLiteral("XBrak firmy kupującego|druga linia"));
    QVERIFY(o.widziany);
    QCOMPARE(o.rodzic, &glowne);
    QVERIFY(o.modalny);
    QCOMPARE(o.tytul, QStringLiteral("Zentora"));
    QCOMPARE(o.tekst, QStringLiteral("Brak firmy kupującego\ndruga linia"));
    QCOMPARE(o.ikona, QMessageBox::Critical);

    // the box of a refused value: error icon, the application's title on screen
    Odpowiadacz b;
    b.Odpowiedz([](QMessageBox *m) { Kliknij(m, QStringLiteral("OK")); });
    KomunikatNiepoprawnejWartosci(&glowne);
    QCOMPARE(b.tekst, QStringLiteral("Niepoprawna wartość"));
    QCOMPARE(b.ikona, QMessageBox::Critical);
    QCOMPARE(b.tytul, QStringLiteral("Zentora"));
    UstawPrezenter(stary);
}

void TstPrezenterOkien::pytaniaWOknie_data()
{
    // clang-format off
    QTest::addColumn<int>("rodzaj");       // 0 yes/no, 1 OK/cancel
    QTest::addColumn<int>("domyslny");
    QTest::addColumn<QString>("odpowiedz"); // a button text, or "Esc" / "Enter"
    Kolumny<bool, QString>("wynik", "przyciskDomyslny");
    QTest::newRow("tak") << 0 << 1 << "Tak" << true << "Tak";
    QTest::newRow("nie") << 0 << 1 << "Nie" << false << "Tak";
    QTest::newRow("enter na domyslnym nie") << 0 << 2 << "Enter" << false << "Nie";
    QTest::newRow("enter na domyslnym tak") << 0 << 1 << "Enter" << true << "Tak";
    QTest::newRow("escape to nie") << 0 << 1 << "Esc" << false << "Tak";
    QTest::newRow("ok") << 1 << 1 << "OK" << true << "OK";
    QTest::newRow("anuluj") << 1 << 1 << "Anuluj" << false << "OK";
    QTest::newRow("escape to anuluj") << 1 << 1 << "Esc" << false << "OK";
    QTest::newRow("domyslny 3 to pierwszy") << 1 << 3 << "Enter" << true << "OK";
    QTest::newRow("litera T") << 0 << 2 << "T" << true << "Nie";
    // clang-format on
}

void TstPrezenterOkien::pytaniaWOknie()
{
    QFETCH(int, rodzaj);
    QFETCH(int, domyslny);
    QFETCH(QString, odpowiedz);
    QFETCH(bool, wynik);
    QFETCH(QString, przyciskDomyslny);
    PrezenterOkien prezenter;
    PrezenterKomunikatow *stary = UstawPrezenter(&prezenter);
    Odpowiadacz o;
    o.Odpowiedz([odpowiedz](QMessageBox *m) {
        if (odpowiedz == QLatin1String("Esc"))
            QTest::keyClick(m, Qt::Key_Escape);
        else if (odpowiedz == QLatin1String("Enter"))
            QTest::keyClick(m, Qt::Key_Return);
        else if (odpowiedz == QLatin1String("T"))
            QTest::keyClick(m, Qt::Key_T);
        else
            Kliknij(m, odpowiedz);
    });
    const bool w = rodzaj == 0
                       ? PytanieTakNie(QStringLiteral("Rodzaj wiadomości e-mal"), QStringLiteral("Pytanie"), domyslny)
                       : PytanieOkAnuluj(nullptr, QStringLiteral("!Czy na pewno usunąć wskazany wiersz ?"), domyslny);
    UstawPrezenter(stary);
    QVERIFY(o.widziany);
    QCOMPARE(w, wynik);
    QCOMPARE(o.domyslny, przyciskDomyslny);
    QCOMPARE(o.ikona, rodzaj == 0 ? QMessageBox::Question : QMessageBox::Warning);
}

void TstPrezenterOkien::wyjatki_data()
{
    // clang-format off
    Kolumny<int, QStringList>("rodzaj", "komunikaty");
    QTest::newRow("cichy") << 0 << QStringList();
    QTest::newRow("moje bledy") << 1 << QStringList{"Niepoprawna wersja faktury = 3"};
    QTest::newRow("std") << 2 << QStringList{"brak pamięci podręcznej"};
    QTest::newRow("nieznany") << 3 << QStringList{"Wystąpił nieoczekiwany błąd programu."};
    QTest::newRow("wymagaj") << 4 << QStringList{"Brak firmy kupującego"};
    // clang-format on
}

void TstPrezenterOkien::wyjatki()
{
    QFETCH(int, rodzaj);
    QFETCH(QStringList, komunikaty);
    PrezenterTestowy p;
    Rzucajacy w;
    w.resize(100, 50);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.rzut = [rodzaj] {
        switch (rodzaj) {
        case 0: throw ECichyAbort();
        case 1: throw EMojeBledy(QStringLiteral("Niepoprawna wersja faktury = 3"));
        case 2: throw std::runtime_error("brak pamięci podręcznej");
        case 3: throw 42;
        default: Wymagaj(false, QStringLiteral("XBrak firmy kupującego"));
        }
    };
    QTest::mouseClick(&w, Qt::LeftButton);
    QCOMPARE(w.klikniecia, 1);
    QCOMPARE(p.teksty(), komunikaty);
    for (const TparDlg &d : p.pokazane)
        QCOMPARE(int(d.pIcoDlg), int(icError));
    // the window goes on working
    w.rzut = nullptr;
    QTest::mouseClick(&w, Qt::LeftButton);
    QCOMPARE(w.klikniecia, 2);
    QCOMPARE(p.pokazane.size(), komunikaty.size());
}

void TstPrezenterOkien::wyjatekWSlocie()
{
    PrezenterTestowy p;
    QPushButton b(QStringLiteral("Zapisz"));
    int poWyjatku = 0;
    connect(&b, &QPushButton::clicked, [&] {
        throw EMojeBledy(QStringLiteral("Nie można zapisać pliku"));
        ++poWyjatku;
    });
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QTest::mouseClick(&b, Qt::LeftButton);
    QCOMPARE(p.teksty(), QStringList{QStringLiteral("Nie można zapisać pliku")});
    QCOMPARE(poWyjatku, 0);
    // a queued call that throws is caught the same way
    QTimer::singleShot(0, &b, [] { throw std::runtime_error("z kolejki"); });
    QTRY_COMPARE(p.pokazane.size(), 2);
    QCOMPARE(p.ostatni(), QStringLiteral("z kolejki"));
}

void TstPrezenterOkien::wyjatekPrzyMalowaniu()
{
    PrezenterTestowy p;
    Rzucajacy w;
    w.resize(100, 50);
    w.rzucajPrzyMalowaniu = true;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.repaint();
    w.repaint();
    // shown after the paint, once while it waits
    QTRY_VERIFY(!p.pokazane.isEmpty());
    QTest::qWait(20);
    QVERIFY(p.pokazane.size() <= 2);
    QCOMPARE(p.ostatni(), QStringLiteral("Błąd rysowania"));
    w.rzucajPrzyMalowaniu = false;
}

int main(int argc, char **argv)
{
    TAplikacja app(argc, argv);
    TstPrezenterOkien t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_prezenterokien.moc"
