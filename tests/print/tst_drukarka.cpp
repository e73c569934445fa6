// The printer job on a real QPrinter writing PDF files, the progress window, the print
// command with its copies, abort and options step, the preview and the QPainter canvas.
#include "common/bledy.h"
#include "fakturaprzykladowa.h"
#include "kolumny.h"
#include "pdftekst.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"
#include "print/dlgdrukstop.h"
#include "print/drukarka.h"
#include "print/kanwaqpainter.h"
#include "print/oknawydruku.h"
#include "print/wydrukfaktury.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

namespace {

TzentoraVat DlugaFaktura()
{
    return FakturaDluga(QStringLiteral("Pozycja %1 o długiej nazwie, która zawija się w kolumnie nazwy towaru "
                                       "lub usługi na fakturze i powiększa wiersz tabeli"));
}

void UsunOdroczone() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The progress window of the current job, if it shows one.
TDLgDrukStop *OknoDruku() { return AktDrukarka ? qobject_cast<TDLgDrukStop *>(AktDrukarka->FoknoDrukStop) : nullptr; }

}   // namespace

class TstDrukarka : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ZainstalujOknoDrukStop(); }
    void init();
    void cleanup();
    void naglowekStrony_data();
    void naglowekStrony();
    void utworzDrukarke();
    void oknoPostepu();
    void anulowanieNaDrugiejStronieKonczyWydruk();
    void kopieOsobnymiDokumentami();
    void krokOpcji();
    void przerwijNaZyczenie_data();
    void przerwijNaZyczenie();
    void pdfWszystkieKopieWJednymPliku();
    void pdfDoBrakujacegoKatalogu();
    void podgladNieRuszaPliku();
    void zapiszPdfJako();
    void obrazPodpisuWPdf();
    void kanwaNaObrazie();
    void krojDruku_data();
    void krojDruku();
    void kopieZJednegoStanu();
    void liczbyWCalosci_data();
    void liczbyWCalosci();

private:
    QString Plik(const QString &n) const { return m_dir.filePath(n); }
    QTemporaryDir m_dir;
};

void TstDrukarka::init()
{
    QVERIFY(m_dir.isValid());
    DrukujPodpis = true;
    PlikPodpisu.clear();
    EkstraMarginesy = false;
    DrukujDuplikat = false;
    DataDuplikatu = 0;
    ProcOpcjeDruku = nullptr;
    ProcPoKopii = nullptr;
}

void TstDrukarka::cleanup()
{
    if (AktDrukarka)
        ZakonczDrukarke();
    UsunOdroczone();
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::naglowekStrony_data()
{
    // clang-format off
    Kolumny<int, QString>("nr", "naglowek");
    QTest::addColumn<QStringList>("pierwsze");   // first line of each of the three pages
    QTest::addColumn<int>("linie");              // lines the header takes
    QTest::newRow("bez naglowka") << 0 << "" << QStringList{"treść 1", "treść 2", "treść 3"} << 0;
    QTest::newRow("numery od 5") << 5 << "" << QStringList{"- 5 -", "- 6 -", "- 7 -"} << 1;
    QTest::newRow("same spacje: linia bez odstepu") << 0 << "   " << QStringList{"treść 1", "treść 2", "treść 3"} << 1;
    QTest::newRow("tekst z odstepem") << 0 << "Zestawienie" << QStringList{"Zestawienie", "Zestawienie", "Zestawienie"}
                                      << 2;
    QTest::newRow("numer i tekst") << 1 << "Zestawienie" << QStringList{"- 1 -", "- 2 -", "- 3 -"} << 3;
    // clang-format on
}

void TstDrukarka::naglowekStrony()
{
    QFETCH(int, nr);
    QFETCH(QString, naglowek);
    QFETCH(QStringList, pierwsze);
    QFETCH(int, linie);
    QPrinter p(QPrinter::HighResolution);
    const QString plik = Plik(QStringLiteral("naglowek.pdf"));
    UstawWydrukPdf(p, plik);
    QVERIFY(UtworzDrukarke(&p));
    Tdrukarka &d = *AktDrukarka;
    d.STARTDOKUMENTU(QStringLiteral("Próba"), 12, naglowek, nr, {}, {}, false);
    Tczcionka arial12 = TARKUSZ::BudujCzcionke(QStringLiteral("Arial"), 12, 0, kCzarny);
    d.UstawCzcionke(arial12);
    QCOMPARE(d.FYpoNaglowku, linie * arial12.Hexter);
    QVERIFY(d.PozycjaTop());
    for (int s = 1; s <= 3; ++s) {
        if (s > 1)
            d.NowaStrona();
        QCOMPARE(d.Ydruk, linie * arial12.Hexter);
        d.WierszL(QStringLiteral("treść %1").arg(s), 0);
        QVERIFY(!d.PozycjaTop());
    }
    ZakonczDrukarke();
    QCOMPARE(PdfStrony(plik), 3);
    for (int s = 1; s <= 3; ++s)
        QCOMPARE(LinieZOdstepami(plik, s).value(0), pierwsze.at(s - 1));
}

void TstDrukarka::utworzDrukarke()
{
    PrezenterTestowy prezenter;
    QPrinter bezPliku(QPrinter::HighResolution);
    UstawWydrukPdf(bezPliku, QString());
    QVERIFY(!UtworzDrukarke(&bezPliku));
    QCOMPARE(prezenter.ostatni(), QStringLiteral("Brak dostępu do opisu drukarki !"));
    QCOMPARE(prezenter.pokazane.last().pIcoDlg, icError);
    QVERIFY(!AktDrukarka);

    QPrinter p(QPrinter::HighResolution);
    UstawWydrukPdf(p, Plik(QStringLiteral("a.pdf")));
    TopisDrukarki opis;
    QVERIFY(CzytajOpisDrukarki(opis, &p));
    QCOMPARE(opis.NazwaPortu, Plik(QStringLiteral("a.pdf")));
    QVERIFY(UtworzDrukarke(&p));
    Tdrukarka *pierwsza = AktDrukarka;
    QCOMPARE(pierwsza->FnazwaPortu, opis.NazwaPortu);
    QVERIFY(!UtworzDrukarke(&p));   // a job exists, nothing printing yet
    QCOMPARE(prezenter.ostatni(), QStringLiteral("Brak dostępu do obiektu drukarki !"));
    pierwsza->STARTDOKUMENTU(QStringLiteral("x"), 12, QString(), 0, {}, {}, false);
    QVERIFY(DrukarkaDrukuje());
    QVERIFY(!UtworzDrukarke(&p));
    QCOMPARE(prezenter.ostatni(), QStringLiteral("Drukarka drukuje inny dokument !"));
    QCOMPARE(prezenter.pokazane.last().pIcoDlg, icUwaga);
    QCOMPARE(AktDrukarka, pierwsza);   // the old job is untouched
    ZakonczDrukarke();
    QVERIFY(!AktDrukarka);
    QCOMPARE(PdfStrony(Plik(QStringLiteral("a.pdf"))), 1);

    // the next print makes its own job
    QVERIFY(UtworzDrukarke(&p));
    ZakonczDrukarke();
    QVERIFY(!AktDrukarka);
    QCOMPARE(prezenter.pokazane.size(), 3);
}

void TstDrukarka::oknoPostepu()
{
    PrezenterTestowy prezenter;
    QPrinter p(QPrinter::HighResolution);
    const QString plik = Plik(QStringLiteral("okno.pdf"));
    QVERIFY(PiszBajty(plik, "poprzedni"));
    UstawWydrukPdf(p, plik);
    QVERIFY(UtworzDrukarke(&p));
    Tdrukarka &d = *AktDrukarka;
    d.STARTDOKUMENTU(QStringLiteral("FakturaVAT12"), 12, QString(), 0, {}, {}, true);
    QPointer<TDLgDrukStop> okno = OknoDruku();
    QVERIFY(okno);
    QVERIFY(okno->isVisible());
    QCOMPARE(okno->windowTitle(), QStringLiteral("Zentora"));
    QCOMPARE(okno->Panel1->text(), QStringLiteral("Drukowany(a)"));
    QCOMPARE(okno->LabelDokum->text(), QStringLiteral("FakturaVAT12"));
    QCOMPARE(okno->PanelDruk->text(), QStringLiteral("Plik PDF"));
    QCOMPARE(okno->PanelPort->toolTip(), QStringLiteral("na:  ") + plik);
    QVERIFY(okno->PanelPort->text().startsWith(QStringLiteral("na:  /")));
    QVERIFY(okno->PanelPort->text().endsWith(QStringLiteral("/okno.pdf")));
    QVERIFY(okno->PanelPort->fontMetrics().horizontalAdvance(okno->PanelPort->text()) <= okno->PanelPort->width());
    QCOMPARE(okno->PanelStrona->text(), QStringLiteral("Strona:  1"));
    QCOMPARE(okno->size(), QSize(232, 203));
    QCOMPARE(okno->windowModality(), Qt::ApplicationModal);   // no other window takes commands meanwhile

    okno->close();   // refused
    QVERIFY(okno->isVisible());
    d.NowaStrona();
    QCOMPARE(okno->PanelStrona->text(), QStringLiteral("Strona:  2"));

    QTest::keyClick(okno, Qt::Key_Escape);   // presses Cancel
    QVERIFY(okno->PRZERWANO_DRUK);
    QVERIFY(!okno->AnulujBtn->isEnabled());
    QVERIFY(!okno->isVisible());
    QVERIFY(!DrukarkaDrukuje());
    QVERIFY(d.ABORT_DRUK());
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, d.WierszL(QStringLiteral("już nie"), 0));
    QCOMPARE(prezenter.teksty(), QStringList{QStringLiteral("Przerwano proces druku !")});
    ZakonczDrukarke();
    UsunOdroczone();
    QVERIFY(!okno);                                         // released with the job
    QCOMPARE(CzytajBajty(plik), QByteArray("poprzedni"));   // an aborted PDF replaces nothing
    // and leaves no temporary file behind
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
}

void TstDrukarka::anulowanieNaDrugiejStronieKonczyWydruk()
{
    PrezenterTestowy prezenter;
    const QString plik = Plik(QStringLiteral("anulowany.pdf"));
    QVERIFY(PiszBajty(plik, "poprzedni"));
    UstawWydrukPdf(*DrukarkaAplikacji(), plik);
    // Cancel as soon as the progress window shows page 2
    int widzianeStrony = 0;
    QTimer zegar;
    zegar.setInterval(0);
    connect(&zegar, &QTimer::timeout, this, [&]() {
        if (OknoDruku() && OknoDruku()->isVisible()) {
            widzianeStrony = qMax(widzianeStrony, AktDrukarka->FnumerStrony);
            if (AktDrukarka->FnumerStrony == 2)
                OknoDruku()->AnulujBtn->click();
        }
    });
    zegar.start();
    int kopie = 3;
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, DrukujFakture(DlugaFaktura(), TiniZentora(), nullptr, kopie));
    zegar.stop();
    QCOMPARE(widzianeStrony, 2);
    QCOMPARE(prezenter.teksty(), QStringList{QStringLiteral("Przerwano proces druku !")});
    QVERIFY(!AktDrukarka);
    QCOMPARE(CzytajBajty(plik), QByteArray("poprzedni"));   // no copy got through
    UsunOdroczone();
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                            [](QWidget *w) { return qobject_cast<TDLgDrukStop *>(w); }));
}

void TstDrukarka::kopieOsobnymiDokumentami()
{
    PrezenterTestowy prezenter;
    const QString plik = Plik(QStringLiteral("kopie.pdf"));
    UstawWydrukPdf(*DrukarkaAplikacji(), plik);
    int kopie = 0;
    QCOMPARE(DrukujFakture(FakturaPrzykladowa(), TiniZentora(), nullptr, kopie), 0);
    QVERIFY(!QFile::exists(plik));
    kopie = 3;
    QCOMPARE(DrukujFakture(FakturaPrzykladowa(), TiniZentora(), nullptr, kopie), 3);
    // every copy was a document of its own, each one page from its first: the file
    // holds the last of them
    QCOMPARE(PdfStrony(plik), 1);
    QVERIFY(PdfTekst(plik).contains(QStringLiteral("Hurtownia Przykładowa")));
    QVERIFY(prezenter.pokazane.isEmpty());
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::krokOpcji()
{
    const QString plik = Plik(QStringLiteral("opcje.pdf"));
    UstawWydrukPdf(*DrukarkaAplikacji(), plik);
    QWidget okno;
    int wywolania = 0;
    bool zgoda = false;
    ProcOpcjeDruku = [&](QWidget *wlasciciel, const TzentoraVat &f, const TiniZentora &ini, int &kopie) {
        ++wywolania;
        [&] {
            QCOMPARE(wlasciciel, &okno);
            QCOMPARE(ini.iniSymbol, QStringLiteral("FV"));
            QCOMPARE(f.KupFirma, QStringLiteral("Hurtownia Przykładowa"));
        }();
        kopie = 1;
        EkstraMarginesy = true;
        return zgoda;
    };
    TiniZentora ini;
    ini.iniSymbol = QStringLiteral("FV");
    int kopie = 2;
    QCOMPARE(DrukujFakture(FakturaPrzykladowa(), ini, &okno, kopie), 0);   // the user gave up
    QCOMPARE(wywolania, 1);
    QVERIFY(!QFile::exists(plik));
    zgoda = true;
    QCOMPARE(DrukujFakture(FakturaPrzykladowa(), ini, &okno, kopie), 1);
    QCOMPARE(kopie, 1);   // the caller keeps the count of the dialog
    QVERIFY(QFile::exists(plik));
    // without an owner window the options are not asked for
    kopie = 1;
    QCOMPARE(DrukujFakture(FakturaPrzykladowa(), ini, nullptr, kopie), 1);
    QCOMPARE(wywolania, 2);
}

void TstDrukarka::przerwijNaZyczenie_data()
{
    // clang-format off
    Kolumny<QString, QStringList>("komunikat", "pokazane");
    QTest::newRow("z komunikatem") << "Brak papieru" << QStringList{"Brak papieru|Przerwano proces druku !"};
    QTest::newRow("bez komunikatu") << "-" << QStringList{};
    // clang-format on
}

void TstDrukarka::przerwijNaZyczenie()
{
    QFETCH(QString, komunikat);
    QFETCH(QStringList, pokazane);
    PrezenterTestowy prezenter;
    QPrinter p(QPrinter::HighResolution);
    const QString plik = Plik(QStringLiteral("przerwany.pdf"));
    UstawWydrukPdf(p, plik);
    QVERIFY(UtworzDrukarke(&p));
    AktDrukarka->STARTDOKUMENTU(QStringLiteral("x"), 12, QString(), 0, {}, {}, true);
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, AktDrukarka->PRZERWIJ(komunikat));
    QCOMPARE(prezenter.teksty(), pokazane);
    if (!pokazane.isEmpty())
        QCOMPARE(prezenter.pokazane.first().pIcoDlg, icError);
    QVERIFY(!DrukarkaDrukuje());
    QVERIFY(!OknoDruku()->isVisible());
    ZakonczDrukarke();
    QVERIFY(!QFile::exists(plik));
}

void TstDrukarka::pdfWszystkieKopieWJednymPliku()
{
    PrezenterTestowy prezenter;
    const QString plik = Plik(QStringLiteral("jeden.pdf"));
    QVERIFY(!DrukujDoPdf(plik, FakturaPrzykladowa(), TiniZentora(), 0, false));
    QVERIFY(!QFile::exists(plik));
    QVERIFY(DrukujDoPdf(plik, DlugaFaktura(), TiniZentora(), 2, false));
    const int strony = PdfStrony(plik);
    QVERIFY(strony >= 4 && strony % 2 == 0);
    // the second copy begins on a page of its own with the title at the top
    QVERIFY(PdfTekst(plik, strony / 2 + 1).trimmed().startsWith(QStringLiteral("Faktura numer: 12/FV/2018")));
    QVERIFY(PdfTekst(plik, strony / 2).contains(QStringLiteral("Osoba upoważniona do wystawienia")));
    QVERIFY(prezenter.pokazane.isEmpty());
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::pdfDoBrakujacegoKatalogu()
{
    try {
        DrukujDoPdf(Plik(QStringLiteral("nie/ma/takiego.pdf")), FakturaPrzykladowa(), TiniZentora(), 1, false);
        QFAIL("a missing folder must be reported");
    } catch (const EMojeBledy &e) {
        QVERIFY2(e.komunikat().startsWith(QStringLiteral("Nie można zapisać pliku")), qPrintable(e.komunikat()));
    }
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::podgladNieRuszaPliku()
{
    QPrinter p(QPrinter::HighResolution);
    const QString plik = Plik(QStringLiteral("podglad.pdf"));
    QVERIFY(PiszBajty(plik, "poprzedni"));
    UstawWydrukPdf(p, plik);
    QPrintPreviewWidget podglad(&p);
    connect(&podglad, &QPrintPreviewWidget::paintRequested, this,
            [&](QPrinter *drukarka) { RysujPodglad(drukarka, FakturaPrzykladowa(), TiniZentora(), 2); });
    podglad.updatePreview();
    QCOMPARE(podglad.pageCount(), 2);
    QCOMPARE(CzytajBajty(plik), QByteArray("poprzedni"));
    QCOMPARE(p.outputFileName(), plik);
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::zapiszPdfJako()
{
    PrezenterTestowy prezenter;
    const QString plik = Plik(QStringLiteral("wybrany.pdf"));
    QString proponowany;
    bool zgoda = true;
    QTimer zegar;
    zegar.setInterval(10);
    connect(&zegar, &QTimer::timeout, this, [&]() {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        proponowany = d->selectedFiles().value(0);
        if (zgoda) {
            d->selectFile(plik);
            static_cast<QDialog *>(d)->accept();
        } else {
            d->reject();
        }
    });
    zegar.start();
    TiniZentora ini;
    ini.iniFolder = m_dir.path();
    QVERIFY(ZapiszPdfJako(nullptr, FakturaPrzykladowa(), ini, 2));
    QCOMPARE(proponowany, Plik(QStringLiteral("FakturaVAT12.pdf")));
    QCOMPARE(PdfStrony(plik), 2);
    zgoda = false;
    QVERIFY(!ZapiszPdfJako(nullptr, FakturaPrzykladowa(), ini, 1));
    QCOMPARE(PdfStrony(plik), 2);
    zegar.stop();
    QVERIFY(prezenter.pokazane.isEmpty());
    QVERIFY(!AktDrukarka);
}

void TstDrukarka::obrazPodpisuWPdf()
{
    const QString bmp = Plik(QStringLiteral("podpis.bmp"));
    QImage podpis(750, 360, QImage::Format_RGB32);
    podpis.fill(Qt::white);
    QPainter(&podpis).fillRect(100, 100, 500, 50, Qt::blue);
    QVERIFY(podpis.save(bmp, "BMP"));
    PlikPodpisu = bmp;
    const QString plik = Plik(QStringLiteral("podpis.pdf"));
    QVERIFY(DrukujDoPdf(plik, FakturaPrzykladowa(), TiniZentora(), 1, false));
    QCOMPARE(PdfObrazy(plik), 1);
    DrukujPodpis = false;
    QVERIFY(DrukujDoPdf(plik, FakturaPrzykladowa(), TiniZentora(), 1, false));
    QCOMPARE(PdfObrazy(plik), 0);
}

void TstDrukarka::kanwaNaObrazie()
{
    // 600 dpi, a tenth of a millimetre per unit, origin 1 cm in
    QImage obraz(2000, 2000, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter painter(&obraz);
    TKanwaQPainter k(&painter);
    k.UstawOdwzorowanie(254, 600, TPoint{236, 236});
    TFontKanwy f;
    f.nazwa = QStringLiteral("Arial");
    f.wysokosc = -35;
    k.UstawCzcionke(f);
    QVERIFY(QFontInfo(k.FontUrzadzenia()).family().contains(QLatin1String("Sans"))
            || QFontInfo(k.FontUrzadzenia()).family() == QLatin1String("Arial"));
    const TMetrykiTekstu m = k.Metryki();
    QVERIFY2(qAbs(m.wysokosc - 39) <= 1, qPrintable(QString::number(m.wysokosc)));   // 1.117 em
    QVERIFY(m.odstepZewnetrzny >= 0 && m.odstepZewnetrzny <= 2);
    const qint32 w1 = k.SzerokoscTekstu(QStringLiteral("Zażółć")),
                 w2 = k.SzerokoscTekstu(QStringLiteral("ZażółćZażółć"));
    QVERIFY(w1 > 50 && w1 < 150);
    QVERIFY(qAbs(w2 - 2 * w1) <= 2);

    k.UstawPedzel(TPedzel{bsSolid, Rgb(255, 0, 0)});
    k.WypelnijProstokat(TRect{100, 100, 200, 200});   // 1 cm square, 2 cm from the corner
    k.UstawPioro(TPioro{3, psSolid, kCzarny});
    k.PrzesunDo(TPoint{0, 300});
    k.LiniaDo(TPoint{500, 300});
    k.Oproznij();
    painter.end();
    QCOMPARE(obraz.pixelColor(236 + 354, 236 + 354), QColor(255, 0, 0));
    QCOMPARE(obraz.pixelColor(236 + 230, 236 + 230), QColor(Qt::white));
    QCOMPARE(obraz.pixelColor(236 + 500, 236 + 709), QColor(Qt::black));
    QCOMPARE(obraz.pixelColor(236 + 500, 236 + 720), QColor(Qt::white));
}

// The printout's copy of Liberation Sans lays text out exactly as the original (a dropped
// kerning pair or changed advance would move every column) and carries no hinting programs.
void TstDrukarka::krojDruku_data()
{
    Kolumny<int, bool>("cechy", "kopia");
    // clang-format off
    QTest::newRow("zwykły")     << 0             << true;
    QTest::newRow("pogrubiony") << int(fsBold)   << true;
    QTest::newRow("kursywa")    << int(fsItalic) << false;   // the copy has no italics
    // clang-format on
}

void TstDrukarka::krojDruku()
{
    QFETCH(int, cechy);
    QFETCH(bool, kopia);
    QImage obraz(100, 100, QImage::Format_RGB32);
    QPainter painter(&obraz);
    TKanwaQPainter k(&painter);
    if (KrojDruku().isEmpty())
        QSKIP("zbudowano bez kopii krojów (python3-fonttools)");
    k.UstawOdwzorowanie(1, 1, TPoint{0, 0});
    TFontKanwy f;
    f.nazwa = QStringLiteral("Arial");
    f.wysokosc = -100;
    f.cechy = TCechy(cechy);
    k.UstawCzcionke(f);
    const QFont druk = k.FontUrzadzenia();
    QCOMPARE(QFontInfo(druk).family(), kopia ? KrojDruku() : QStringLiteral("Liberation Sans"));
    QFont system = druk;
    system.setFamily(QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(system).family(), QStringLiteral("Liberation Sans"));
    const QFontMetricsF md(druk, &obraz), ms(system, &obraz);
    QCOMPARE(md.ascent(), ms.ascent());
    QCOMPARE(md.descent(), ms.descent());
    for (const QString &t : {QStringLiteral("AVATAR To Wy"), QStringLiteral("Zażółć gęślą jaźń ŻÓŁW"),
                             QStringLiteral("1.234.567,89 zł €"), QStringLiteral("Ωμέγα Жизнь")})
        QCOMPARE(md.horizontalAdvance(t), ms.horizontalAdvance(t));
    QCOMPARE(QRawFont::fromFont(druk).fontTable("fpgm").isEmpty(), kopia);
    // what the copy does not map is drawn by the face it was made of
    QTextLayout obce(QStringLiteral("ΩЖ"), druk, &obraz);
    obce.beginLayout();
    obce.createLine();
    obce.endLayout();
    for (const QGlyphRun &r : obce.glyphRuns())
        QCOMPARE(r.rawFont().familyName().toLower(), QStringLiteral("liberation sans"));
}

// Every copy is the invoice given at the start, whatever the caller does with its record,
// settings and count while the copies print (events get through for the Cancel button).
void TstDrukarka::kopieZJednegoStanu()
{
    const QString plik = Plik(QStringLiteral("stan.pdf"));
    UstawWydrukPdf(*DrukarkaAplikacji(), plik);
    TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    int kopie = 3;
    QStringList wydrukowane;
    ProcPoKopii = [&](int) { wydrukowane.append(PdfTekst(plik)); };
    int strona = 0;
    QMetaObject::invokeMethod(
        this,
        [&] {
            strona = WydrukTrwa() && AktDrukarka ? AktDrukarka->FnumerStrony : 0;
            f = TzentoraVat();
            f.KupFirma = QStringLiteral("Inny nabywca");
            ini.iniSlowoVAT = true;
            kopie = 1;
        },
        Qt::QueuedConnection);
    QCOMPARE(DrukujFakture(f, ini, nullptr, kopie), 3);
    QCOMPARE(strona, 1);   // the change came while the first copy printed
    QCOMPARE(wydrukowane.size(), 3);
    QVERIFY(wydrukowane.at(0).contains(QStringLiteral("Hurtownia Przykładowa")));
    QVERIFY(!wydrukowane.at(0).contains(QStringLiteral("VAT   numer"), Qt::CaseInsensitive));
    QCOMPARE(wydrukowane.at(1), wydrukowane.at(0));
    QCOMPARE(wydrukowane.at(2), wydrukowane.at(0));
    QVERIFY(!WydrukTrwa());
}

// Extreme figures and long texts on the real canvas with real fonts: each is drawn whole
// inside its cell or box. Positions in tenths of a millimetre across the working area of
// the PDF page (A4 with 5 mm margins: 2000 wide; the table from 10 to 1990).
void TstDrukarka::liczbyWCalosci_data()
{
    // clang-format off
    QTest::addColumn<QString>("tekst");   // words that must all be found, or "?" for question marks
    Kolumny<int, int>("lewa", "prawa");
    QTest::newRow("jednostka") << "miesiąc" << 890 << 980;
    QTest::newRow("ilość") << "1234567,891" << 980 << 1120;
    QTest::newRow("cena") << "999999999,00" << 1120 << 1310;
    QTest::newRow("netto zwrotu") << "-1228770,00" << 1310 << 1500;
    QTest::newRow("VAT zwrotu") << "-282.617,10" << 1610 << 1800;
    QTest::newRow("brutto zwrotu") << "-1511387,10" << 1800 << 1990;
    QTest::newRow("za duża nawet w 6 pkt") << "?" << 1800 << 1990;
    QTest::newRow("nazwa banku") << "Bank Spółdzielczy Rzemiosła Rolnictwa Wielkich Hajdukach Oddział Zamiejscowy"
                                 << 1490 << 1990;
    QTest::newRow("do faktury") << "do faktury: 12/FV/2018 z dnia 05.03.2018 wystawionej dla Hurtowni Przykładowej za "
                                   "dostawę papieru, kursy przewozu i szkolenie stanowiskowe w magazynie głównym"
                                << 0 << 2000;
    // clang-format on
}

void TstDrukarka::liczbyWCalosci()
{
    QFETCH(QString, tekst);
    QFETCH(int, lewa);
    QFETCH(int, prawa);
    static QList<SlowoPdf> slowa;
    if (slowa.isEmpty()) {
        TzentoraVat f = FakturaPrzykladowa();
        f.RodzajFak = rFakKoryg;
        f.DoKorekty = QStringLiteral("12/FV/2018 z dnia 05.03.2018 wystawionej dla Hurtowni Przykładowej za dostawę "
                                     "papieru, kursy przewozu i szkolenie stanowiskowe w magazynie głównym");
        f.DataKorygowanej = QStringLiteral("05.03.2018");
        f.PrzyczynaKorekty = QStringLiteral("rabat");
        f.SprzedBank = QStringLiteral("Bank Spółdzielczy Rzemiosła Rolnictwa Wielkich Hajdukach Oddział Zamiejscowy");
        f.IlePozyc = 2;
        f.Pozycja(1) = Wiersz(
            QStringLiteral("Abonament||miesiąc|1234567,891|999.999.999,00|-1.228.770,00|23|-282.617,10|-1.511.387,10"));
        f.Pozycja(2) = Wiersz(QStringLiteral("Rabat||szt.|1|1,00|1,00|23|0,23|-12.345.678.901.234,56"));
        // a correction whose rows before and after are large and whose total is small: the
        // table keeps its 10 pt type
        f.SumyFaktury[vatSum] = {QStringLiteral("-1.000,00"), QStringLiteral("0"), QStringLiteral("-230,00"),
                                 QStringLiteral("-1.230,00")};
        for (TrodzajVat r : {vatZw, vat7, vat22})
            f.SumyFaktury[r] = {QString(), QStringLiteral("0"), QString(), QString()};
        const QString plik = Plik(QStringLiteral("liczby.pdf"));
        QVERIFY(DrukujDoPdf(plik, f, TiniZentora(), 1, false));
        slowa = PdfSlowa(plik);
        QVERIFY(!slowa.isEmpty());
    }
    const auto wPt = [](int x) { return (50 + x) * 72.0 / 254; };
    const QStringList szukane = tekst.split(QLatin1Char(' '));
    for (const QString &s : szukane) {
        bool calyWKomorce = false;
        QString gdzie;
        for (const SlowoPdf &w : slowa) {
            const bool pasuje = s == QLatin1String("?")
                                    ? !w.tekst.isEmpty() && w.tekst.count(QLatin1Char('?')) == w.tekst.size()
                                    : w.tekst == s;
            if (!pasuje)
                continue;
            gdzie += QStringLiteral(" %1..%2").arg(w.x0).arg(w.x1);
            calyWKomorce = calyWKomorce || (w.x0 >= wPt(lewa) - 0.6 && w.x1 <= wPt(prawa) + 0.6);
        }
        QVERIFY2(
            calyWKomorce,
            qPrintable(QStringLiteral("%1 w %2..%3 pt, jest:%4").arg(s).arg(wPt(lewa)).arg(wPt(prawa)).arg(gdzie)));
    }
}

QTEST_MAIN(TstDrukarka)
#include "tst_drukarka.moc"
