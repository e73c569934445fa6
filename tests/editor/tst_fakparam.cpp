// The parameters dialog: the record in and out of the controls, the numbering switches,
// the folder and picture choosers, OK and Cancel, and the look of its four pages (pictures
// in the folder "zrzuty" of the working folder).

#include "editor/fakparam.h"
#include "kolumny.h"

#include "controls/kolory.h"
#include "controls/platforma.h"
#include "controls/tokienka.h"
#include "editor/ksefokno.h"
#include "prezentertestowy.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

Q_DECLARE_METATYPE(TiniZentora)

namespace {

TiniZentora Przyklad()
{
    TiniZentora i;
    i.iniNumerac = numerNSR;
    i.iniSymbol = QStringLiteral("FV");
    i.iniFolder = QStringLiteral("/dane/faktury");
    i.IniPodpisBmp = QStringLiteral("/dane/podpis.bmp");
    i.iniMojVat = vat22;
    i.iniZaplata = zPrzelew;
    i.iniDniZapl = 14;
    i.iniSlowoVAT = true;
    i.IniDatSprzTak = true;
    i.IniProForNip = true;
    i.IniTypDatSprz = typDdostaw;
    i.iniTabFirm = QStringLiteral("Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10");
    i.iniTabBank = QStringLiteral("Bank Przykładowy;11 2222 3333 4444 5555 6666 7777");
    i.iniTabOsob = QStringLiteral("Przykładowy Jan");
    return i;
}

// Runs `co` on the dialog once it runs modally.
void GdyModalny(std::function<void(TFakParam *)> co)
{
    QTimer::singleShot(0, [co] {
        auto *d = qobject_cast<TFakParam *>(QApplication::activeModalWidget());
        if (!d) {
            QWidget *w = QApplication::activeModalWidget();
            if (w)
                w->close();
            return;
        }
        co(d);
    });
}

QString Zrzuty()
{
    QDir().mkpath(QStringLiteral("zrzuty"));
    return QDir(QStringLiteral("zrzuty")).absolutePath() + QLatin1Char('/');
}

}   // namespace

class TstFakParam : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void cleanup();

    void obiegRekordu_data();
    void obiegRekordu();
    void ekranNaIni_data();
    void ekranNaIni();
    void numeracja_data();
    void numeracja();
    void pokazParametry_data();
    void pokazParametry();
    void folderIPodpis();
    void dniZaplaty_data();
    void dniZaplaty();
    void limitRamki();
    void wyglad();
    void stronaKsefPrzewija();
};

void TstFakParam::cleanup()
{
    ProcWybierzFolder = nullptr;
    ProcWybierzPlikPodpisu = nullptr;
}

// Controls from a record and, untouched, back again.
void TstFakParam::obiegRekordu_data()
{
    // clang-format off
    Kolumny<TiniZentora, TiniZentora>("ini", "po");

    TiniZentora pusty;
    TiniZentora pustyPo;
    pustyPo.iniTabBank = QStringLiteral(";");
    QTest::newRow("pusty") << pusty << pustyPo;
    QTest::newRow("przyklad") << Przyklad() << Przyklad();

    TiniZentora r = Przyklad();
    r.iniTabFirm = QStringLiteral("A;;B");
    QTest::newRow("ramka z pustym wierszem") << r << r;

    r = Przyklad();
    r.iniTabOsob = QString(40, QLatin1Char('o'));
    r.iniSymbol = QStringLiteral("SYMBOL-DLUGI");
    r.iniTabBank = QString(70, QLatin1Char('b')) + QLatin1Char(';') + QString(60, QLatin1Char('9'));
    r.iniTabFirm = QString(300, QLatin1Char('f'));
    QTest::newRow("teksty ponad limity pol zostaja") << r << r;

    r = Przyklad();
    r.iniTabBank = QStringLiteral("Bank bez konta");
    TiniZentora rPo = r;
    rPo.iniTabBank = QStringLiteral("Bank bez konta;");
    QTest::newRow("bank bez srednika") << r << rPo;

    r = Przyklad();
    r.iniTabBank = QStringLiteral("Bank;12;34");
    rPo = r;
    rPo.iniTabBank = QStringLiteral("Bank;1234");   // the account loses the ";" it must not hold
    QTest::newRow("srednik w koncie") << r << rPo;

    for (int n = numerNR; n <= numerNSMR; ++n) {
        r = Przyklad();
        r.iniNumerac = TrodzajNumerac(n);
        QTest::addRow("numeracja %d", n) << r << r;
    }
    r = Przyklad();
    r.iniMojVat = vatA;
    r.iniZaplata = zZaliczPocz;
    r.IniTypDatSprz = typDsprzed;
    r.iniDniZapl = 999;
    QTest::newRow("ostatnie pozycje list") << r << r;

    r = Przyklad();
    r.iniKsefNip = QStringLiteral(" 526-587-76-35 ");
    r.iniKsefNazwa = QString(600, QLatin1Char('n'));
    r.iniKsefAdresL1 = QStringLiteral("ul. Długa 1");
    r.iniKsefAdresL2 = QStringLiteral("60-001 Poznań");
    r.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT  ");
    rPo = r;
    rPo.iniKsefNip = QStringLiteral("526-587-76-35");
    rPo.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
    QTest::newRow("strona KSeF") << r << rPo;
    // clang-format on
}

void TstFakParam::obiegRekordu()
{
    QFETCH(TiniZentora, ini);
    TFakParam d;
    d.Param = ini;
    d.IniNaEkran();
    d.EkranNaIni();
    QTEST(d.Param, "po");
}

void TstFakParam::ekranNaIni_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString, QString>("ramka", "bank", "konto", "osoba", "symbol");
    Kolumny<QString, QString, QString, QString>("iniTabFirm", "iniTabBank", "iniTabOsob", "iniSymbol");

    QTest::newRow("dziesiec wierszy ramki") << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10" << "B" << "K" << "O" << "S"
                                            << "1;2;3;4;5;6;7;8" << "B;K" << "O" << "S";
    QTest::newRow("srednik znika") << "Firma; S.A.\nul. ;Długa" << "Bank; Polski" << "11;22" << "Jan" << "FV"
                                   << "Firma S.A.;ul. Długa" << "Bank Polski;1122" << "Jan" << "FV";
    QTest::newRow("spacje obciete") << "A" << "  Bank Śląski  " << "  11 2222  " << "  Kowalski Jan  " << " FV "
                                    << "A" << "Bank Śląski;11 2222" << "Kowalski Jan" << " FV ";
    QTest::newRow("koncowy enter ramki") << "A\nB\n" << "" << "" << "" << "" << "A;B" << ";" << "" << "";
    QTest::newRow("puste wiersze w srodku") << "A\n\n\nB" << "" << "" << "" << "" << "A;;;B" << ";" << "" << "";
    QTest::newRow("sam srednik") << ";" << ";" << ";" << ";" << ";" << "" << ";" << ";" << ";";
    // clang-format on
}

void TstFakParam::ekranNaIni()
{
    QFETCH(QString, ramka);
    QFETCH(QString, bank);
    QFETCH(QString, konto);
    QFETCH(QString, osoba);
    QFETCH(QString, symbol);
    TFakParam d;
    d.Param = Przyklad();
    d.IniNaEkran();
    d.MemoFirma->setPlainText(ramka);
    d.EdyBank->setText(bank);
    d.EdyKonto->setText(konto);
    d.EdyOsoba->setText(osoba);
    d.EdySymbol->setText(symbol);
    d.EkranNaIni();
    QTEST(d.Param.iniTabFirm, "iniTabFirm");
    QTEST(d.Param.iniTabBank, "iniTabBank");
    QTEST(d.Param.iniTabOsob, "iniTabOsob");
    QTEST(d.Param.iniSymbol, "iniSymbol");
}

void TstFakParam::numeracja_data()
{
    Kolumny<int, bool>("radio", "symbolWlaczony");
    QTest::addRow("N / R") << 0 << false;
    QTest::addRow("N / M / R") << 1 << false;
    QTest::addRow("N / S / R") << 2 << true;
    QTest::addRow("N / S / M / R") << 3 << true;
}

void TstFakParam::numeracja()
{
    QFETCH(int, radio);
    QFETCH(bool, symbolWlaczony);
    TFakParam d;
    d.Param = Przyklad();   // N / S / R with "FV"
    d.IniNaEkran();
    d.Strony->setCurrentIndex(TFakParam::kStrNumerac);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QRadioButton *r[] = {d.RadioNR, d.RadioNMR, d.RadioNSR, d.RadioNSMR};
    QTest::mouseClick(r[radio], Qt::LeftButton, {}, QPoint(8, r[radio]->height() / 2));
    QVERIFY(r[radio]->isChecked());
    QCOMPARE(d.EdySymbol->isEnabled(), symbolWlaczony);
    const QColor tlo =
        d.EdySymbol->palette().color(d.EdySymbol->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    QCOMPARE(tlo, NaQColor(symbolWlaczony ? 0x80000005u : 0x80000018u));
    QVERIFY(d.cboAutoNum->isChecked() && d.cboAutoNum->isEnabled());
    d.EkranNaIni();
    QCOMPARE(int(d.Param.iniNumerac), radio);
    QCOMPARE(d.EdySymbol->text(), QStringLiteral("FV"));   // kept, and saved, even when disabled
    QCOMPARE(d.Param.iniSymbol, QStringLiteral("FV"));
}

void TstFakParam::pokazParametry_data()
{
    // clang-format off
    QTest::addColumn<int>("strona");
    QTest::addColumn<QString>("zamkniecie");   // OK, Anuluj, Escape, zamknij
    QTest::addColumn<bool>("wynik");

    QTest::newRow("ramka, OK") << 2 << "OK" << true;
    QTest::newRow("ogolne, Enter") << 0 << "Enter" << true;
    QTest::newRow("bank, Anuluj") << 3 << "Anuluj" << false;
    QTest::newRow("numeracja, Escape") << 1 << "Escape" << false;
    QTest::newRow("zamkniete okno") << 0 << "zamknij" << false;
    QTest::newRow("strona spoza zakresu") << 9 << "OK" << true;
    // clang-format on
}

// Changes on every page; OK keeps them all, any other way out none (not even a folder
// chosen with the picker).
void TstFakParam::pokazParametry()
{
    QFETCH(int, strona);
    QFETCH(QString, zamkniecie);
    QWidget okno;
    okno.show();
    TiniZentora ini = Przyklad();
    const TiniZentora przed = ini;
    ProcWybierzFolder = [](QWidget *, const QString &) { return QStringLiteral("/nowy/folder"); };
    int pokazana = -1;
    bool wykonano = false;
    GdyModalny([&](TFakParam *d) {
        wykonano = true;
        pokazana = d->Strony->currentIndex();
        QCOMPARE(d->parentWidget(), &okno);
        d->BtnFoldFaktur->click();
        d->cbSlowoVat->setChecked(false);
        d->MemoFirma->setPlainText(QStringLiteral("Nowa Firma\nul. Krótka 2"));
        d->EdyOsoba->setText(QStringLiteral("Nowak Anna"));
        d->RadioNSMR->setChecked(true);
        if (zamkniecie == QLatin1String("OK"))
            d->BtnOk->click();
        else if (zamkniecie == QLatin1String("Enter"))
            QTest::keyClick(d->cbStawka, Qt::Key_Return);
        else if (zamkniecie == QLatin1String("Anuluj"))
            d->BtnAnuluj->click();
        else if (zamkniecie == QLatin1String("Escape"))
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->close();
    });
    QFETCH(bool, wynik);
    QCOMPARE(PokazParametry(&okno, ini, strona), wynik);
    QVERIFY(wykonano);
    QCOMPARE(pokazana, std::clamp(strona, 0, 4));
    if (!wynik) {
        QCOMPARE(ini, przed);
        return;
    }
    TiniZentora po = przed;
    po.iniFolder = QStringLiteral("/nowy/folder");
    po.iniSlowoVAT = false;
    po.iniTabFirm = QStringLiteral("Nowa Firma;ul. Krótka 2");
    po.iniTabOsob = QStringLiteral("Nowak Anna");
    po.iniNumerac = numerNSMR;
    QCOMPARE(ini, po);
}

void TstFakParam::folderIPodpis()
{
    TFakParam d;
    d.Param = Przyklad();
    d.IniNaEkran();
    QString poczatek;
    QString odpowiedz = QStringLiteral("/faktury/2018");
    ProcWybierzFolder = [&](QWidget *, const QString &p) {
        poczatek = p;
        return odpowiedz;
    };
    d.BtnFoldFaktur->click();
    QCOMPARE(poczatek, QStringLiteral("/dane/faktury"));
    QCOMPARE(d.EdyFoldFaktur->text(), odpowiedz);
    QCOMPARE(d.Param.iniFolder, odpowiedz);   // at once, before OK
    odpowiedz.clear();                        // the user gives up
    d.BtnFoldFaktur->click();
    QCOMPARE(d.Param.iniFolder, QStringLiteral("/faktury/2018"));

    ProcWybierzPlikPodpisu = [&](QWidget *, const QString &p) {
        poczatek = p;
        return odpowiedz;
    };
    odpowiedz = QStringLiteral("/dane/nowy podpis.BMP");
    d.BtnPlikPodpis->click();
    QCOMPARE(poczatek, QStringLiteral("/dane/podpis.bmp"));
    QCOMPARE(d.EdyPlikPodpis->text(), odpowiedz);
    QCOMPARE(d.Param.IniPodpisBmp, QStringLiteral("/dane/podpis.bmp"));   // only on OK
    odpowiedz.clear();
    d.BtnPlikPodpis->click();
    QCOMPARE(d.EdyPlikPodpis->text(), QStringLiteral("/dane/nowy podpis.BMP"));
    d.EkranNaIni();
    QCOMPARE(d.Param.IniPodpisBmp, QStringLiteral("/dane/nowy podpis.BMP"));
    // both fields are shown, not typed into
    QVERIFY(d.EdyFoldFaktur->isReadOnly() && d.EdyPlikPodpis->isReadOnly());
    QCOMPARE(d.EdyFoldFaktur->palette().color(QPalette::Base), NaQColor(KolorStylu(39)));
}

void TstFakParam::dniZaplaty_data()
{
    // clang-format off
    QTest::addColumn<int>("zPliku");
    QTest::addColumn<QString>("wpisane");   // "-" types nothing
    Kolumny<bool, int>("przyjete", "dni");

    QTest::newRow("14") << 0 << "14" << true << 14;
    QTest::newRow("zero") << 5 << "0" << true << 0;
    QTest::newRow("puste to zero") << 14 << "" << true << 0;
    QTest::newRow("tysiac nie wejdzie") << 14 << "1000" << true << 100;
    QTest::newRow("minus i litery odrzucone") << 14 << "-7x" << true << 7;
    QTest::newRow("z pliku ponad zakres") << 5000 << "-" << false << 5000;
    QTest::newRow("z pliku ujemne") << -3 << "-" << false << -3;
    // clang-format on
}

// The payment term: 0..999; OK with a value out of range keeps the dialog open.
void TstFakParam::dniZaplaty()
{
    QFETCH(int, zPliku);
    QFETCH(QString, wpisane);
    QFETCH(bool, przyjete);
    PrezenterTestowy prezenter;
    QWidget okno;
    okno.show();
    TiniZentora ini = Przyklad();
    ini.iniDniZapl = zPliku;
    bool otwartyPoOk = false;
    GdyModalny([&](TFakParam *d) {
        if (wpisane != QLatin1String("-")) {
            d->EdyDniZapl->setFocus();
            d->EdyDniZapl->selectAll();
            QTest::keyClick(d->EdyDniZapl, Qt::Key_Delete);
            QTest::keyClicks(d->EdyDniZapl, wpisane);
            QTest::keyClick(d->EdyDniZapl, Qt::Key_Return);
        } else {
            d->Strony->setCurrentIndex(TFakParam::kStrBankPan);
            d->BtnOk->click();
        }
        otwartyPoOk = d->isVisible();
        if (otwartyPoOk) {
            [&] { QCOMPARE(d->Strony->currentIndex(), int(TFakParam::kStrOgolne)); }();
            d->reject();
        }
    });
    const bool wynik = PokazParametry(&okno, ini, 0);
    QCOMPARE(wynik, przyjete);
    QCOMPARE(otwartyPoOk, !przyjete);
    QCOMPARE(
        prezenter.teksty().join(QString()).startsWith(QStringLiteral("Okres zapłaty przelewem: niepoprawna wartość")),
        !przyjete);
    QTEST(ini.iniDniZapl, "dni");
}

// The frame takes at most 254 characters (a line break counts as one), typed or pasted;
// a longer frame from the file is kept whole.
void TstFakParam::limitRamki()
{
    TFakParam d;
    d.Param = Przyklad();
    d.IniNaEkran();
    d.Strony->setCurrentIndex(TFakParam::kStrRamaFir);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    TmemoLimit *m = d.MemoFirma;
    m->clear();
    QApplication::clipboard()->setText(QString(250, QLatin1Char('a')) + QStringLiteral("\r\nbcdefgh"));
    m->setFocus();
    m->paste();
    QCOMPARE(m->toPlainText(), QString(250, QLatin1Char('a')) + QStringLiteral("\nbcd"));
    QTest::keyClick(m, Qt::Key_X);
    QTest::keyClick(m, Qt::Key_Return);
    QCOMPARE(m->toPlainText().size(), 254);
    // deleting makes room again
    QTest::keyClick(m, Qt::Key_Backspace);
    QTest::keyClick(m, Qt::Key_Z);
    QVERIFY(m->toPlainText().endsWith(QLatin1String("bcz")));
    // Tab leaves the frame instead of typing into it
    QTest::keyClick(m, Qt::Key_Tab);
    QVERIFY(!m->toPlainText().contains(QLatin1Char('\t')));

    TiniZentora dluga = Przyklad();
    dluga.iniTabFirm = QString(300, QLatin1Char('f'));
    d.Param = dluga;
    d.IniNaEkran();
    QCOMPARE(m->toPlainText().size(), 300);
    // the lines stay centred
    QCOMPARE(m->document()->defaultTextOption().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

// Each page as a picture; nothing is cut off or reaches past the dialog.
void TstFakParam::wyglad()
{
    TFakParam d;
    d.Param = Przyklad();
    d.IniNaEkran();
    QCOMPARE(d.size(), QSize(SkalujDpi(558), SkalujDpi(380)));
    QCOMPARE(d.Strony->currentIndex(), 0);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (int s = 0; s < d.Strony->count(); ++s) {
        d.Strony->setCurrentIndex(s);
        // the KSeF page reads the keychain once shown, then lays out what it found
        QTest::qWait(100);
        QVERIFY(d.grab().save(Zrzuty() + QStringLiteral("parametry%1.png").arg(s)));
        QWidget *strona = d.Strony->widget(s);
        for (QWidget *w : strona->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->parentWidget()->inherits("QTextEdit") || w->parentWidget()->inherits("QComboBox")
                || w->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            // what scrolls stays inside what it scrolls
            QWidget *ramy = strona;
            for (QWidget *p = w; p && p != strona && ramy == strona; p = p->parentWidget())
                for (auto *sa : strona->findChildren<QScrollArea *>())
                    if (sa->widget() == p)
                        ramy = p;
            if (ramy == w)
                continue;
            const QRect r(w->mapTo(ramy, QPoint(0, 0)), w->size());
            QVERIFY2(ramy->rect().contains(r),
                     qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
            if (auto *l = qobject_cast<QLabel *>(w); l && !l->wordWrap())
                QVERIFY2(l->sizeHint().width() <= l->width() + 1, qPrintable(l->text()));
            if (auto *l = qobject_cast<QLabel *>(w); l && l->wordWrap())
                QVERIFY2(l->heightForWidth(l->width()) <= l->height() + 1, qPrintable(l->text()));
            if (auto *b = qobject_cast<QPushButton *>(w))
                QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 6 <= b->width(), qPrintable(b->text()));
            else if (auto *p = qobject_cast<QAbstractButton *>(w); p && !p->text().isEmpty())
                QVERIFY2(p->sizeHint().width() <= p->width() + 1, qPrintable(p->text()));
        }
    }
}

// The KSeF page is taller than the dialog: a field it focuses, by Tab or by its Alt letter, is
// scrolled into view.
void TstFakParam::stronaKsefPrzewija()
{
    TFakParam d;
    d.Param = Przyklad();
    d.IniNaEkran();
    d.Strony->setCurrentIndex(TFakParam::kStrKsef);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QLineEdit *podstawa = d.StrKsef->EdyKsefPodstawa;
    QVERIFY(podstawa->visibleRegion().isEmpty());
    podstawa->setFocus(Qt::ShortcutFocusReason);
    QTRY_VERIFY(!podstawa->visibleRegion().isEmpty());
}

QTEST_MAIN(TstFakParam)
#include "tst_fakparam.moc"
