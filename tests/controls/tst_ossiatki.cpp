// The grid's axis arithmetic, the same for columns and rows: extents, the scroll limit, the
// visible count, scrolling a line into view, positions, the hit test, what is drawn and the
// border under the mouse.

#include "controls/ossiatki.h"
#include "kolumny.h"

#include <QTest>

class TstOsSiatki : public QObject {
    Q_OBJECT
private slots:
    void pytania_data();
    void pytania();
};

namespace {
// A header of 20 and four lines of 10, one pixel of grid line after each: the header
// takes 0..20, its line 21 pixels; the scrolled ones follow from 21 on.
const QString kOs = QStringLiteral("20,10,10,10,10");
}   // namespace

void TstOsSiatki::pytania_data()
{
    // clang-format off
    Kolumny<QString, int, int, int, QString, int>("rozmiary", "stalych", "pierwsza", "linia", "pytanie", "arg");
    Kolumny<int, QString>("zasieg", "wynik");

    auto w = [](const char *nazwa, const QString &r, int st, int pi, int li, const char *py, int arg, int za,
                const char *wy) {
        QTest::newRow(nazwa) << r << st << pi << li << QString::fromLatin1(py) << arg << za << QString::fromLatin1(wy);
    };
    w("stale", kOs, 1, 1, 1, "Stale", 0, 0, "21");
    w("stale bez naglowka", kOs, 0, 0, 1, "Stale", 0, 0, "0");
    w("calosc", kOs, 1, 1, 1, "Calosc", 0, 0, "65");
    w("maks pierwsza: dwie ostatnie sie mieszcza", kOs, 1, 1, 1, "MaksPierwsza", 0, 43, "3");
    w("maks pierwsza: wszystko sie miesci", kOs, 1, 1, 1, "MaksPierwsza", 0, 500, "1");
    w("maks pierwsza: nawet ostatnia nie", kOs, 1, 1, 1, "MaksPierwsza", 0, 25, "4");
    w("maks pierwsza: linia sie liczy", kOs, 1, 1, 1, "MaksPierwsza", 0, 41, "4");
    w("widocznych od pierwszej", kOs, 1, 1, 1, "Widocznych", 0, 43, "2");
    w("widocznych: niepelna sie nie liczy", kOs, 1, 1, 1, "Widocznych", 0, 41, "1");
    w("widocznych: sam naglowek", kOs, 1, 1, 1, "Widocznych", 0, 15, "0");
    w("widocznych od przewinietej", kOs, 1, 3, 1, "Widocznych", 0, 500, "2");
    w("pokaz: przed pierwsza", kOs, 1, 3, 1, "PierwszaDla", 2, 43, "2");
    w("pokaz: ostatnia", kOs, 1, 1, 1, "PierwszaDla", 4, 43, "3");
    w("pokaz: juz widoczna", kOs, 1, 1, 1, "PierwszaDla", 2, 43, "1");
    w("pokaz: wyzsza niz ekran", kOs, 1, 1, 1, "PierwszaDla", 4, 25, "4");
    w("pokaz: linia sie liczy", kOs, 1, 1, 1, "PierwszaDla", 4, 41, "4");
    w("pozycja naglowka", kOs, 1, 3, 1, "Pozycja", 0, 0, "0");
    w("pozycja pierwszej", kOs, 1, 3, 1, "Pozycja", 3, 0, "21");
    w("pozycja dalszej", kOs, 1, 1, 1, "Pozycja", 3, 0, "43");
    w("pozycja przewinietej", kOs, 1, 3, 1, "Pozycja", 2, 0, "-1");
    w("pozycja poza osia", kOs, 1, 1, 1, "Pozycja", 5, 0, "-1");
    w("pozycja ujemna", kOs, 1, 1, 1, "Pozycja", -1, 0, "-1");
    w("pod: poczatek", kOs, 1, 1, 1, "Pod", 0, 0, "0");
    w("pod: linia nalezy do komorki", kOs, 1, 1, 1, "Pod", 20, 0, "0");
    w("pod: pierwsza", kOs, 1, 3, 1, "Pod", 21, 0, "3");
    w("pod: nastepna", kOs, 1, 3, 1, "Pod", 32, 0, "4");
    w("pod: za ostatnia", kOs, 1, 3, 1, "Pod", 43, 0, "-1");
    w("pod: ujemna", kOs, 1, 1, 1, "Pod", -1, 0, "-1");
    w("pod: bez linii", kOs, 0, 0, 0, "Pod", 30, 0, "2");
    w("rysowane: do konca ekranu", kOs, 1, 1, 1, "DoRysowania", 0, 43, "0,1,2");
    w("rysowane: niepelna tez", kOs, 1, 1, 1, "DoRysowania", 0, 44, "0,1,2,3");
    w("rysowane: przewiniete", kOs, 1, 3, 1, "DoRysowania", 0, 500, "0,3,4");
    w("rysowane: sam naglowek", kOs, 1, 1, 1, "DoRysowania", 0, 21, "0");
    w("krawedz naglowka", kOs, 1, 1, 1, "Krawedz", 22, 100, "0");
    w("krawedz przewinietej", kOs, 1, 3, 1, "Krawedz", 31, 100, "3");
    w("krawedz: nic w poblizu", kOs, 1, 1, 1, "Krawedz", 26, 100, "-1");
    w("krawedz poza ekranem", QStringLiteral("10,10,10"), 0, 0, 0, "Krawedz", 30, 15, "-1");
    w("krawedz na ekranie", QStringLiteral("10,10,10"), 0, 0, 0, "Krawedz", 30, 25, "2");
    w("krawedz pustej pominieta", QStringLiteral("10,0,10"), 0, 0, 1, "Krawedz", 14, 100, "-1");
    w("w stalych", kOs, 1, 3, 1, "WStalych", 20, 100, "1");
    w("za stalymi", kOs, 1, 3, 1, "WStalych", 21, 100, "0");
    w("bez stalych", kOs, 0, 0, 1, "WStalych", 0, 100, "0");
    w("naglowek bez wysokosci", QStringLiteral("0,10"), 1, 1, 1, "WStalych", 0, 100, "0");
    w("ekran bez wysokosci", kOs, 1, 1, 1, "WStalych", 5, 0, "0");
    // clang-format on
}

void TstOsSiatki::pytania()
{
    QFETCH(QString, rozmiary);
    QFETCH(int, stalych);
    QFETCH(int, pierwsza);
    QFETCH(int, linia);
    QFETCH(QString, pytanie);
    QFETCH(int, arg);
    QFETCH(int, zasieg);
    QFETCH(QString, wynik);

    TOsSiatki os;
    for (const QString &r : rozmiary.split(QLatin1Char(',')))
        os.rozmiary.append(r.toInt());
    os.stalych = stalych;
    os.pierwsza = pierwsza;
    os.linia = linia;

    QString jest;
    if (pytanie == QLatin1String("Stale"))
        jest = QString::number(os.Stale());
    else if (pytanie == QLatin1String("Calosc"))
        jest = QString::number(os.Calosc());
    else if (pytanie == QLatin1String("MaksPierwsza"))
        jest = QString::number(os.MaksPierwsza(zasieg));
    else if (pytanie == QLatin1String("Widocznych"))
        jest = QString::number(os.Widocznych(zasieg));
    else if (pytanie == QLatin1String("PierwszaDla"))
        jest = QString::number(os.PierwszaDla(arg, zasieg));
    else if (pytanie == QLatin1String("Pozycja"))
        jest = QString::number(os.Pozycja(arg));
    else if (pytanie == QLatin1String("Pod"))
        jest = QString::number(os.Pod(arg));
    else if (pytanie == QLatin1String("WStalych"))
        jest = QString::number(os.WStalych(arg, zasieg));
    else if (pytanie == QLatin1String("Krawedz"))
        jest = QString::number(os.Krawedz(arg, zasieg, 3));
    else if (pytanie == QLatin1String("DoRysowania")) {
        QStringList l;
        for (int i : os.DoRysowania(zasieg))
            l.append(QString::number(i));
        jest = l.join(QLatin1Char(','));
    } else
        QFAIL("nieznane pytanie");
    QCOMPARE(jest, wynik);
}

QTEST_APPLESS_MAIN(TstOsSiatki)
#include "tst_ossiatki.moc"
