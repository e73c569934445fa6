#include "fakturaprzykladowa.h"
#include "invoice/miasta.h"
#include "invoice/plikfaktury.h"
#include "pliktymczasowy.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TstMiasta : public QObject {
    Q_OBJECT
private slots:
    void miastaZFolderu();
    void dodawanie();
    void zmianaFolderu();
    void duzyFolder();
};

namespace {
void Zapisz(const QString &plik, const QString &miasto)
{
    TzentoraVat f = FakturaPrzykladowa();
    f.KupMiasto = miasto;
    ZapiszFakture(plik, f);
}
}   // namespace

void TstMiasta::miastaZFolderu()
{
    QTemporaryDir dir;
    Zapisz(dir.filePath(QStringLiteral("a.FAK")), QStringLiteral("Poznań"));
    Zapisz(dir.filePath(QStringLiteral("b.FAK")), QStringLiteral("łódź"));
    Zapisz(dir.filePath(QStringLiteral("c.fak")), QStringLiteral("POZNAŃ"));
    Zapisz(dir.filePath(QStringLiteral("d.FAK")), QStringLiteral("Kraków"));
    Zapisz(dir.filePath(QStringLiteral("e.FAK")), QString());
    QVERIFY(PiszBajty(dir.filePath(QStringLiteral("f.FAK")), QByteArray("\xFF\xD8\xFF binarny")));
    QVERIFY(PiszBajty(dir.filePath(QStringLiteral("g.FAK")), "\xEF\xBB\xBF[kupuj\xC4\x85"
                                                             "cy]\r\nmiejsc = Gdańsk \r\n"));
    QVERIFY(PiszBajty(dir.filePath(QStringLiteral("h.txt")), "[Kupujący]\r\nMiejsc=Tekstowo\r\n"));
    SpisMiast s;
    s.UstawFolder(dir.path());
    QVERIFY(!s.Wczytany());
    QCOMPARE(s.Miasta(), (QStringList{QStringLiteral("Gdańsk"), QStringLiteral("Kraków"), QStringLiteral("łódź"),
                                      QStringLiteral("Poznań")}));
}

void TstMiasta::dodawanie()
{
    SpisMiast s;
    QVERIFY(s.Miasta().isEmpty());   // no folder: nothing to read
    s.Dodaj(QStringLiteral(" Wrocław "));
    s.Dodaj(QStringLiteral("wrocław"));
    s.Dodaj(QStringLiteral("Opole"));
    s.Dodaj(QStringLiteral("   "));
    QCOMPARE(s.Miasta(), (QStringList{QStringLiteral("Opole"), QStringLiteral("Wrocław")}));
}

void TstMiasta::zmianaFolderu()
{
    QTemporaryDir a, b;
    Zapisz(a.filePath(QStringLiteral("1.FAK")), QStringLiteral("Ateny"));
    Zapisz(b.filePath(QStringLiteral("1.FAK")), QStringLiteral("Berlin"));
    SpisMiast s;
    s.UstawFolder(a.path());
    QCOMPARE(s.Miasta(), QStringList{QStringLiteral("Ateny")});
    s.UstawFolder(b.path());
    QCOMPARE(s.Miasta(), QStringList{QStringLiteral("Berlin")});
}

void TstMiasta::duzyFolder()
{
    QTemporaryDir dir;
    const QByteArray wzor = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    for (int i = 0; i < 2000; ++i) {
        QByteArray b = wzor;
        b.replace("Miejsc=Pozna\xF1", "Miejsc=Miasto" + QByteArray::number(i % 300));
        QVERIFY(PiszBajty(dir.filePath(QStringLiteral("%1.FAK").arg(i)), b));
    }
    SpisMiast s;
    s.UstawFolder(dir.path());
    QElapsedTimer t;
    t.start();
    QCOMPARE(s.Miasta().size(), 300);
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
}

QTEST_APPLESS_MAIN(TstMiasta)
#include "tst_miasta.moc"
