// The working folder as the invoice database in the window: the buyer and city completion,
// the proposed number, the question about a number already used, the register.

#include "kolumny.h"
#include "oknotestowe.h"

#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "editor/rejestrokno.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "pliktymczasowy.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

class TstBazaFaktur : public QObject {
    Q_OBJECT
private slots:
    void uzupelnianie_data();
    void uzupelnianie();
    void wybranyNabywca();
    void towar();
    void numerIDuplikat();
    void rejestr();
};

namespace {
// Three buyers, the newest (by issue date) last in the list.
void Nabywcy(OknoTestowe &t)
{
    const struct {
        const char *plik, *firma, *ulica, *kod, *miasto, *nip, *data;
        int numer;
    } nabywcy[] = {
        {"1.FAK", "Łódzka Hurtownia Papieru", "ul. Piotrkowska 1", "90-001", "Łódź", "725-000-00-01", "10.01.2018", 1},
        {"2.FAK", "Hurtownia Stara", "ul. Stara 2", "60-002", "Poznań", "779-000-00-02", "11.01.2018", 2},
        {"3.FAK", "Hurtownia Nowa", "ul. Nowa 3", "00-003", "Warszawa", "525-000-00-03", "12.06.2018", 3},
    };
    for (const auto &n : nabywcy) {
        TzentoraVat f = FakturaPrzykladowa();
        f.KupFirma = QString::fromUtf8(n.firma);
        f.KupUlica = QString::fromUtf8(n.ulica);
        f.KupKod = QString::fromUtf8(n.kod);
        f.KupMiasto = QString::fromUtf8(n.miasto);
        f.KupNip = QString::fromUtf8(n.nip);
        f.DataWystaw = QString::fromUtf8(n.data);
        f.NumerFak = n.numer;
        ZapiszFakture(t.Plik(QString::fromUtf8(n.plik)), f);
    }
}

TPoleEdycji *Pole(OknoTestowe &t, const QString &nazwa)
{
    return Kontrolka<TPoleEdycji>(*t.okno, nazwa.toLatin1().constData());
}
}   // namespace

void TstBazaFaktur::uzupelnianie_data()
{
    // what is typed; the field's text and its selected, proposed rest afterwards
    Kolumny<QString, QString, QString, QString>("pole", "wpisane", "tekst", "zaznaczone");
    const auto wiersz = [](const char *n, const char *pole, const char *w, const char *t, const char *z) {
        QTest::newRow(n) << QString::fromUtf8(pole) << QString::fromUtf8(w) << QString::fromUtf8(t)
                         << QString::fromUtf8(z);
    };
    wiersz("najnowszy nabywca", "EdyFirma", "hu", "Hurtownia Nowa", "rtownia Nowa");
    wiersz("bez ogonków", "EdyFirma", "lodz", "Łódzka Hurtownia Papieru", "ka Hurtownia Papieru");
    wiersz("dalsze klawisze zostają", "EdyFirma", "Hurtx1", "Hurtx1", "");
    wiersz("nieznany", "EdyFirma", "Zet", "Zet", "");
    wiersz("miasto", "EdyMiasto", "pozn", "Poznań", "ań");
    wiersz("miasto nie zabiera liter", "EdyMiasto", "War7", "War7", "");
}

void TstBazaFaktur::uzupelnianie()
{
    QFETCH(QString, pole);
    QFETCH(QString, wpisane);
    OknoTestowe t;
    Nabywcy(t);
    t.Wpisz(pole.toLatin1().constData(), wpisane, false);
    QLineEdit *e = Pole(t, pole);
    QTEST(e->text(), "tekst");
    QTEST(e->selectedText(), "zaznaczone");
    QVERIFY(t.listy.isEmpty());
}

void TstBazaFaktur::wybranyNabywca()
{
    OknoTestowe t;
    Nabywcy(t);
    t.Wpisz("EdyFirma", QStringLiteral("hurtownia s"));
    QCOMPARE(Pole(t, QStringLiteral("EdyFirma"))->text(), QStringLiteral("Hurtownia Stara"));
    QCOMPARE(Pole(t, QStringLiteral("EdyUlica"))->text(), QStringLiteral("ul. Stara 2"));
    QCOMPARE(Pole(t, QStringLiteral("EdyMiasto"))->text(), QStringLiteral("Poznań"));
    QCOMPARE(Pole(t, QStringLiteral("EdyNip"))->text(), QStringLiteral("779-000-00-02"));
    QCOMPARE(t.okno->FakturaZEkranu().KupKod, QStringLiteral("60-002"));
}

void TstBazaFaktur::towar()
{
    OknoTestowe t;
    Nabywcy(t);
    t.WpiszKomorke(kolTowar, 1, QStringLiteral("papier"));
    const TpozFaktury p = t.okno->FakturaZEkranu().Pozycja(1);
    QCOMPARE(p.Towar, QStringLiteral("Papier A4"));
    QCOMPARE(p.Jedn, QStringLiteral("ryza"));
    QCOMPARE(p.Cena, QStringLiteral("12,35"));
    QCOMPARE(p.PrcVat, QStringLiteral("23"));
    // a row already begun is not completed
    t.WpiszKomorke(kolIlosc, 2, QStringLiteral("2"));
    t.WpiszKomorke(kolTowar, 2, QStringLiteral("Przew"));
    QCOMPARE(t.okno->FakturaZEkranu().Pozycja(2).Towar, QStringLiteral("Przew"));
}

void TstBazaFaktur::numerIDuplikat()
{
    OknoTestowe t;
    Nabywcy(t);
    // the window was started on the empty folder; the refresh button looks again
    t.Wykonaj("AcAktNumer");
    QCOMPARE(Kontrolka<TokienkoLong>(*t.okno, "EdyNumRach")->XWartosc(), 4);
    t.Wpisz("EdyFirma", QStringLiteral("Nowa firma"));
    t.Wpisz("EdyNumRach", QStringLiteral("2"));
    t.nazwyPlikow = {t.Plik(QStringLiteral("nowa.FAK"))};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.ostatni(),
             QStringLiteral("Faktura o numerze 2/FV/2018 już istnieje (plik 2.FAK). Zapisać mimo to?"));
    QCOMPARE(t.prezenter.pokazane.last().pNumBut, 2);
    QVERIFY(!QFile::exists(t.Plik(QStringLiteral("nowa.FAK"))));
    t.prezenter.odpowiedzi = {idYes};
    t.nazwyPlikow = {t.Plik(QStringLiteral("nowa.FAK"))};
    t.Wykonaj("AcZapisz");
    QVERIFY(QFile::exists(t.Plik(QStringLiteral("nowa.FAK"))));
    // saving it again is no duplicate of itself
    const auto ile = t.prezenter.pokazane.size();
    t.Wpisz("EdyNumRach", QStringLiteral("7"));
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.pokazane.size(), ile);
    t.Wykonaj("AcNowa");
    QCOMPARE(Kontrolka<TokienkoLong>(*t.okno, "EdyNumRach")->XWartosc(), 8);
}

void TstBazaFaktur::rejestr()
{
    OknoTestowe t;
    Nabywcy(t);
    PiszBajty(t.Plik(QStringLiteral("zla.FAK")), "[OpisFaktury]\r\nWersja=9\r\n");
    QString otwarty;
    t.okno->Dialogi.Rejestr = [&](QWidget *w, const IndeksFolderu &ix) {
        TRejestrFaktur r(ix, w);
        auto *tabela = r.findChild<QTableWidget *>(QStringLiteral("Tabela"));
        [&] {
            QCOMPARE(tabela->rowCount(), 4);
            QCOMPARE(tabela->item(0, 3)->text(), QStringLiteral("Hurtownia Nowa"));
            QVERIFY(tabela->item(3, 3)->text().contains(QStringLiteral("Niepoprawna wersja faktury = 9")));
            QVERIFY(r.findChild<QLabel *>(QStringLiteral("Sumy"))
                        ->text()
                        .startsWith(QStringLiteral("Faktur: 3 (pliki uszkodzone: 1).")));
            r.findChild<QLineEdit *>(QStringLiteral("EdySzukaj"))->setText(QStringLiteral("lodz"));
            QCOMPARE(tabela->rowCount(), 1);
            const QString brutto = FakturaPrzykladowa().SumyFaktury[vatSum].Brutto;
            QVERIFY2(r.findChild<QLabel *>(QStringLiteral("Sumy"))->text().contains(QStringLiteral("brutto ") + brutto),
                     qPrintable(r.findChild<QLabel *>(QStringLiteral("Sumy"))->text()));
            tabela->setFocus();
            QTest::keyClick(tabela, Qt::Key_Return);
        }();
        otwarty = r.Wybrany();
        return otwarty;
    };
    QTest::keySequence(t.okno, QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(otwarty, t.Plik(QStringLiteral("1.FAK")));
    QCOMPARE(t.okno->NazwaRobocza(), QStringLiteral("1.FAK"));
}

QTEST_MAIN(TstBazaFaktur)
#include "tst_bazafaktur.moc"
