// The look the calendar, the field calculator and the pick list share: the window colour of
// the style, and under a field an outline with a one-pixel shadow at the bottom and right.
// ZENTORA_ZRZUTY=folder also saves each window as a PNG there, to look at.

#include "dialogs/dlgkalendarz.h"
#include "dialogs/dlgkontekst.h"
#include "dialogs/kalkulator.h"
#include "kolumny.h"

#include "controls/kolory.h"
#include "controls/platforma.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(TstylAplikacji)

namespace {

enum Tokno { Kalendarz, Kalkulator, Lista };

std::unique_ptr<QWidget> Otworz(Tokno rodzaj, QWidget *pole)
{
    switch (rodzaj) {
    case Kalendarz: {
        auto d = std::make_unique<TDlgKalenUstaw>();
        d->UstawPolozenie(nullptr, pole);
        return d;
    }
    case Kalkulator: {
        auto d = std::make_unique<TDlgKalkulat>(pole ? TDlgKalkulat::PodPolem : TDlgKalkulat::Polowy);
        d->PokazTasme(!pole);   // as the field calculator opens under a field
        return d;
    }
    case Lista: {
        auto d = std::make_unique<TdlgKontekst>();
        d->WypelnijListe(QStringLiteral("00123 Usługa\n      tylko na zamówienie\n00124 Towar"), 6, 0);
        d->UstawRozmiar(5, 0, pole);
        return d;
    }
    }
    return nullptr;
}

}   // namespace

class TstMaleOkna : public QObject {
    Q_OBJECT
private slots:
    void ramka_data();
    void ramka();
};

void TstMaleOkna::ramka_data()
{
    Kolumny<TstylAplikacji, int, bool>("styl", "rodzaj", "podPolem");
    // clang-format off
    QTest::newRow("kalendarz pod polem")   << sa_Win10nor << int(Kalendarz)  << true;
    QTest::newRow("kalendarz nad oknem")   << sa_Win10nor << int(Kalendarz)  << false;
    QTest::newRow("kalkulator pod polem")  << sa_Win10nor << int(Kalkulator) << true;
    QTest::newRow("kalkulator nad oknem")  << sa_Win10nor << int(Kalkulator) << false;
    QTest::newRow("lista pod polem")       << sa_Win10nor << int(Lista)      << true;
    QTest::newRow("lista bez pola")        << sa_Win10nor << int(Lista)      << false;
    QTest::newRow("kalendarz oliwkowy")    << sa_XPolive  << int(Kalendarz)  << true;
    QTest::newRow("kalkulator srebrny")    << sa_XPsilver << int(Kalkulator) << true;
    QTest::newRow("lista stara niebieska") << sa_OldBlue  << int(Lista)      << true;
    // clang-format on
}

void TstMaleOkna::ramka()
{
    QFETCH(TstylAplikacji, styl);
    QFETCH(int, rodzaj);
    QFETCH(bool, podPolem);
    UstawStyl(styl);
    QWidget forma;
    auto *pole = new QLineEdit(&forma);
    forma.setGeometry(100, 100, 300, 200);
    const std::unique_ptr<QWidget> okno = Otworz(Tokno(rodzaj), podPolem ? pole : nullptr);
    const QImage obraz = okno->grab().toImage();
    if (const QString folder = qEnvironmentVariable("ZENTORA_ZRZUTY"); !folder.isEmpty())
        obraz.save(QDir(folder).filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".png"));

    // The pick list is framed wherever it opens.
    const bool ramka = podPolem || rodzaj == Lista;
    const QColor tlo = NaQColor(KolorStylu(3)), linia = NaQColor(KolorStylu(19));
    const QColor cien = NaQColor(KolorWzgledny(KolorStylu(19), -60));
    const int p = obraz.width() - 1, d = obraz.height() - 1;
    struct Punkt {
        QPoint gdzie;
        QColor zRamka;
    };
    const Punkt punkty[] = {
        {{0, 0}, linia},    {{p - 1, 0}, linia}, {{0, d - 1}, linia}, {{p - 1, d - 1}, linia}, {{p, d}, cien},
        {{p, d / 2}, cien}, {{p / 2, d}, cien},  {{p, 0}, tlo},       {{0, d}, tlo},           {{1, 1}, tlo},
    };
    for (const Punkt &t : punkty)
        QVERIFY2(
            obraz.pixelColor(t.gdzie) == (ramka ? t.zRamka : tlo),
            qPrintable(
                QStringLiteral("%1,%2: %3").arg(t.gdzie.x()).arg(t.gdzie.y()).arg(obraz.pixelColor(t.gdzie).name())));
}

QTEST_MAIN(TstMaleOkna)
#include "tst_maleokna.moc"
