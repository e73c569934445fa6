// The editor's KSeF commands against the test server: sending the open invoice, receiving
// purchase invoices and opening them, and any FA(3) file opened read-only.
#include "app/serwerksef.h"
#include "editor/ksefonline.h"
#include "invoice/ksef.h"
#include "kolumny.h"
#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QStringDecoder>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

QByteArray Konfiguracja(const QString &adres)
{
    return KonfiguracjaTestowa()
           + TekstPliku(QStringLiteral("\n[KSeF]\nNIP=9876543210\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n"
                                       "Adres=%1\n")
                            .arg(adres));
}

// The example with a buyer NIP whose check digit is right.
QByteArray Przyklad()
{
    QByteArray b = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    return b.replace("NumNIP=123-456-78-90", "NumNIP=526-587-76-35");
}

// The token of the test server, supplied as the saved secrets would be.
struct TokenTestowy {
    explicit TokenTestowy(const QByteArray &token)
    {
        PoswiadczeniaEdytora = [token](const TsrodowiskoKsef &) {
            TposwiadczeniaKsef p;
            p.Token = token;
            return p;
        };
    }
    ~TokenTestowy() { PoswiadczeniaEdytora = &PoswiadczeniaZapisane; }
};

bool TylkoDoOdczytu(const OknoTestowe &t) { return Kontrolka<QLineEdit>(*t.okno, "EdyFirma")->isReadOnly(); }
QString StanKsef(const OknoTestowe &t) { return Kontrolka<QLabel>(*t.okno, "LabKsef")->text(); }

}   // namespace

class TstKsefOnline : public QObject {
    Q_OBJECT
private slots:
    void wyslij_data();
    void wyslij();
    void odbierz();
    void otworzXml_data();
    void otworzXml();
};

void TstKsefOnline::wyslij_data()
{
    // "komunikat": what the last message holds; "status": the start of [KSeF] Status afterwards
    Kolumny<QString, QStringList, QString, bool, QString>("przypadek", "serwer", "komunikat", "numer", "status");
    QTest::newRow("przyjęta") << "" << QStringList() << "KSeF przyjął fakturę \"f.FAK\".|Numer KSeF: 9876543210-"
                              << true << "";
    QTest::newRow("odpowiedź na wysyłkę utracona: przyjęta raz")
        << "" << QStringList{QStringLiteral("--lose-send"), QStringLiteral("1")}
        << "KSeF przyjął fakturę \"f.FAK\".|Numer KSeF: 9876543210-" << true << "";
    QTest::newRow("odrzucona: 450") << "przyszlosc" << QStringList()
                                    << "KSeF odrzucił fakturę \"f.FAK\":|450 Błąd weryfikacji semantyki dokumentu "
                                       "faktury: Data wystawienia faktury (P_1)"
                                    << false << "450 Błąd weryfikacji semantyki";
    QTest::newRow("Anuluj w czasie odpytywania")
        << "anuluj" << QStringList{QStringLiteral("--w-toku"), QStringLiteral("1000")}
        << "Wysyłanie przerwano przed decyzją KSeF." << false << "";
    QTest::newRow("Anuluj w czasie oczekiwania na odpowiedź")
        << "anuluj-w-locie" << QStringList{QStringLiteral("--zwloka-stanu"), QStringLiteral("60")}
        << "Wysyłanie przerwano przed decyzją KSeF." << false << "";
    QTest::newRow("zły token") << "zly-token" << QStringList()
                               << "Nie udało się zalogować do KSeF; faktury nie wysłano.|KSeF odmówił logowania: 450"
                               << false << "";
    QTest::newRow("bez poświadczeń") << "bez-tokena" << QStringList()
                                     << "Brak certyfikatu ani tokena KSeF dla środowiska „test”.|Wpisz je w menu "
                                        "Ustawienia → Parametry, na stronie „KSeF”."
                                     << false << "";
    QTest::newRow("KSeF nieosiągalny")
        << "bez-serwera" << QStringList()
        << "Nie udało się zalogować do KSeF; faktury nie wysłano.|KSeF (http://127.0.0.1:1/v2)" << false << "";
}

void TstKsefOnline::wyslij()
{
    QFETCH(QString, przypadek);
    QFETCH(QStringList, serwer);
    SerwerKsef s;
    QCOMPARE(s.Uruchom(serwer), QString());
    const QString adres =
        przypadek == QLatin1String("bez-serwera") ? QStringLiteral("http://127.0.0.1:1/v2") : s.Adres();
    OknoTestowe t(Konfiguracja(adres));
    const TokenTestowy token(przypadek == QLatin1String("bez-tokena")  ? QByteArray()
                             : przypadek == QLatin1String("zly-token") ? QByteArray("inny")
                                                                       : QByteArray(SerwerKsef::kToken));
    const QString plik = t.Plik(QStringLiteral("f.FAK"));
    QByteArray faktura = Przyklad();
    if (przypadek == QLatin1String("przyszlosc"))
        faktura.replace("Wystaw=05.03.2018",
                        "Wystaw=" + QDate::currentDate().addDays(3).toString(QStringLiteral("dd.MM.yyyy")).toLatin1());
    QVERIFY(PiszBajty(plik, faktura));
    t.okno->OtworzProFormeEx(plik);
    const QByteArray przed = CzytajBajty(plik);
    const int komunikatyPrzed = int(t.prezenter.pokazane.size());

    // Cancel as the user would, once KSeF is asked for the invoice's status (and, in flight,
    // while its answer is awaited)
    const bool wLocie = przypadek == QLatin1String("anuluj-w-locie");
    const char *zdarzenie = wLocie ? "ZDARZENIE stan wstrzymany" : "ZDARZENIE w toku";
    QTimer anuluj;
    bool anulowano = false;
    connect(&anuluj, &QTimer::timeout, &anuluj, [&] {
        auto *postep = t.okno->findChild<TPostepKsef *>(QStringLiteral("PostepKsef"));
        if (!postep || !postep->isVisible() || !s.Zdarzenia().contains(QLatin1String(zdarzenie)))
            return;
        QTest::mouseClick(postep->findChild<QAbstractButton *>(QStringLiteral("BtnAnuluj")), Qt::LeftButton);
        anulowano = true;
        anuluj.stop();
    });
    if (przypadek.startsWith(QLatin1String("anuluj")))
        anuluj.start(50);
    QElapsedTimer zegar;
    zegar.start();
    t.Wykonaj("AcWyslijKsef");
    QCOMPARE(anulowano, przypadek.startsWith(QLatin1String("anuluj")));
    // the answer held back for a minute is not waited for
    QVERIFY2(!wLocie || zegar.elapsed() < 20000, qPrintable(QString::number(zegar.elapsed())));

    QFETCH(QString, komunikat);
    QVERIFY2(t.prezenter.ostatni().contains(komunikat), qPrintable(t.prezenter.ostatni()));
    // the token is never shown
    QVERIFY(!t.prezenter.teksty().join(QString()).contains(QLatin1String("tajny")));
    QFETCH(bool, numer);
    QFETCH(QString, status);
    const QString nadany = KluczKsef(plik, "Numer");
    QCOMPARE(!nadany.isEmpty(), numer);
    QCOMPARE(KluczKsef(plik, "Status").left(status.size()), status);
    QCOMPARE(KluczKsef(plik, "Status").isEmpty(), status.isEmpty());
    QCOMPARE(TylkoDoOdczytu(t), numer);
    if (numer) {
        // the status line, the printout and the UPO have the number
        QCOMPARE(StanKsef(t), QStringLiteral("KSeF ") + nadany);
        QVERIFY(t.prezenter.ostatni().contains(nadany));
        QVERIFY(CzytajBajty(t.Plik(QStringLiteral("f.upo.xml"))).contains(nadany.toUtf8()));
        t.Wykonaj("AcDrukuj");
        QCOMPARE(t.wydruki.size(), 1);
        QCOMPARE(t.wydruki.first().KsefNumer, nadany);
    } else if (!status.isEmpty()) {
        // a refusal changes nothing but its status, which the status line tells
        QVERIFY2(StanKsef(t).startsWith(QLatin1String("KSeF: odrzucona (450)")), qPrintable(StanKsef(t)));
        QByteArray bez = CzytajBajty(plik);
        const qsizetype od = bez.indexOf("\r\n[KSeF]\r\nStatus=");
        QVERIFY(od > 0);
        bez.remove(od, bez.indexOf("\r\n", od + 10) + 2 - od);
        QCOMPARE(bez, przed);
    } else {
        QCOMPARE(CzytajBajty(plik), przed);
    }
    // nothing left unsaved: a new invoice asks nothing
    const int komunikatyPo = int(t.prezenter.pokazane.size());
    QVERIFY(komunikatyPo > komunikatyPrzed);
    t.Wykonaj("AcNowa");
    QCOMPARE(int(t.prezenter.pokazane.size()), komunikatyPo);
    const bool wyslano = numer || !status.isEmpty() || przypadek.startsWith(QLatin1String("anuluj"));
    QCOMPARE(s.Zdarzenia().count(QLatin1String("ZDARZENIE faktura")), int(wyslano));
}

// Purchase invoices of the chosen range into the KSeF folder, listed, one opened read-only and
// saved as a new .FAK; a second receiving marks them all as already there.
void TstKsefOnline::odbierz()
{
    SerwerKsef s;
    QCOMPARE(s.Uruchom({QStringLiteral("--zakupy"), QStringLiteral("3"), QStringLiteral("--wzor"),
                        QStringLiteral(ZENTORA_KSEF_DIR "/przyklady/FA_3_Przyklad_1.xml")}),
             QString());
    OknoTestowe t(Konfiguracja(s.Adres()));
    const TokenTestowy token(SerwerKsef::kToken);
    QList<QDate> domyslne;
    QString domyslnyKatalog;
    t.okno->Dialogi.ZakresOdbioru = [&](QWidget *, QDate &od, QDate &doDnia, QString &katalog) {
        domyslne = {od, doDnia};
        domyslnyKatalog = katalog;
        od = QDate::currentDate().addDays(-1);
        doDnia = QDate::currentDate();
        return true;
    };
    QList<TpobranaFaktura> lista;
    QString naglowek;
    bool otworz = true;
    t.okno->Dialogi.Pobrane = [&](QWidget *w, const QList<TpobranaFaktura> &l, const QString &n) {
        lista = l;
        naglowek = n;
        if (!otworz)
            return QString();
        // the list itself, the second row chosen from the keyboard
        QTimer::singleShot(0, [] {
            auto *tabela = QApplication::activeModalWidget()->findChild<QTableWidget *>(QStringLiteral("Tabela"));
            QTest::keyClick(tabela, Qt::Key_Down);
            QTest::keyClick(tabela, Qt::Key_Return);
        });
        return PokazPobrane(w, l, n);
    };
    t.Wykonaj("AcOdbierzKsef");
    // this month of the editor's today, into KSeF beside the invoices
    QCOMPARE(domyslne, (QList<QDate>{QDate(2018, 6, 1), QDate(2018, 6, 15)}));
    QCOMPARE(domyslnyKatalog, t.Plik(QStringLiteral("KSeF")));
    QCOMPARE(lista.size(), 3);
    for (const TpobranaFaktura &p : lista) {
        QVERIFY2(!p.Byla && p.Blad.isEmpty() && QFile::exists(p.Plik), qPrintable(p.Plik + p.Blad));
        QVERIFY(!p.Sprzedawca.isEmpty() && !p.Data.isEmpty() && !p.Brutto.isEmpty());
    }
    QVERIFY2(naglowek.contains(QLatin1String(": 3, w tym nowych 3.")), qPrintable(naglowek));

    // the chosen one is open, read-only, with its KSeF number, and nothing is unsaved
    const QString xml = lista.at(1).Plik;
    const QByteArray bajtyXml = CzytajBajty(xml);
    QVERIFY(TylkoDoOdczytu(t));
    QVERIFY2(StanKsef(t).contains(lista.at(1).Numer), qPrintable(StanKsef(t)));
    QVERIFY(t.okno->windowTitle().contains(QFileInfo(xml).fileName()));
    QVERIFY(t.okno->NazwaRobocza().isEmpty());
    // printed with its verification code: the hash of the very XML, under it the number
    t.Wykonaj("AcDrukuj");
    QCOMPARE(t.wydruki.size(), 1);
    QCOMPARE(t.wydruki.first().KsefSkrot, SkrotKsef(bajtyXml));
    QVERIFY(EksportAktualny(t.wydruki.first()));

    // Save asks for a new .FAK named after the XML; the XML stays as it came
    t.nazwyPlikow = {t.Plik(QStringLiteral("zakup.FAK"))};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QCOMPARE(t.pytaniaOPlik.first().nazwa, lista.at(1).Numer + QStringLiteral(".FAK"));
    QCOMPARE(KluczKsef(t.Plik(QStringLiteral("zakup.FAK")), "Numer"), lista.at(1).Numer);
    QCOMPARE(CzytajBajty(xml), bajtyXml);
    QCOMPARE(t.okno->NazwaRobocza(), QStringLiteral("zakup.FAK"));
    // a supplier's invoice: the banner says whose it is; a correction of it is asked about
    const QString baner = Kontrolka<QLabel>(*t.okno, "LabTylkoOdczyt")->text();
    QVERIFY2(baner.contains(QStringLiteral("Faktura sprzedawcy o NIP")), qPrintable(baner));
    t.Wykonaj("AcWystawKorekte");
    QVERIFY2(t.prezenter.ostatni().contains(QStringLiteral("Korektę faktury zakupu wystawia jej sprzedawca")),
             qPrintable(t.prezenter.ostatni()));
    QCOMPARE(t.okno->NazwaRobocza(), QStringLiteral("zakup.FAK"));

    // again: nothing new, every file marked as already there
    otworz = false;
    t.Wykonaj("AcOdbierzKsef");
    QCOMPARE(lista.size(), 3);
    for (const TpobranaFaktura &p : lista)
        QVERIFY(p.Byla);
    QCOMPARE(s.Zdarzenia().count(QLatin1String("ZDARZENIE pobrano")), 3);
}

void TstKsefOnline::otworzXml_data()
{
    // "uwaga": part of the message about what the invoice cannot hold
    Kolumny<QString, QString>("przyklad", "uwaga");
    QTest::newRow("krajowa") << "FA_3_Przyklad_1.xml"
                             << "Numer faktury „FV2026/02/150” nie pasuje do numeracji programu";
    QTest::newRow("w walucie obcej") << "FA_3_Przyklad_20.xml"
                                     << "Faktura jest w walucie EUR; kwoty przeniesiono bez przeliczenia na złote.";
}

// A Ministry sample opened read-only, printable, saved only as a new .FAK.
void TstKsefOnline::otworzXml()
{
    QFETCH(QString, przyklad);
    QFETCH(QString, uwaga);
    OknoTestowe t;
    const QString xml = t.Plik(przyklad);
    QVERIFY(PiszBajty(xml, CzytajBajty(QStringLiteral(ZENTORA_KSEF_DIR "/przyklady/") + przyklad)));
    const QByteArray bajtyXml = CzytajBajty(xml);
    QString folder;
    // a file that is no FA(3) invoice is named with the reason, and the window stays as it was
    const QString zly = t.Plik(QStringLiteral("zly.xml"));
    QVERIFY(PiszBajty(zly, Przyklad()));
    t.okno->Dialogi.PlikXml = [&](QWidget *, const QString &) { return zly; };
    t.Wykonaj("AcOtworzXml");
    QVERIFY2(
        t.prezenter.ostatni().startsWith(QStringLiteral("Nie można otworzyć pliku %1 jako faktury KSeF:|").arg(zly)),
        qPrintable(t.prezenter.ostatni()));
    QVERIFY(!TylkoDoOdczytu(t));

    t.okno->Dialogi.PlikXml = [&](QWidget *, const QString &f) {
        folder = f;
        return xml;
    };
    t.Wykonaj("AcOtworzXml");
    QCOMPARE(folder, t.katalog.path());
    QVERIFY(TylkoDoOdczytu(t));
    QVERIFY(!t.okno->Faktura().KupFirma.isEmpty());
    const QString komunikaty = t.prezenter.ostatni();
    QVERIFY2(komunikaty.contains(QStringLiteral("Nie wszystko z faktury %1 mieści się").arg(przyklad))
                 && komunikaty.contains(uwaga),
             qPrintable(komunikaty));
    t.Wykonaj("AcDrukuj");
    QCOMPARE(t.wydruki.size(), 1);
    QCOMPARE(t.wydruki.first().KupFirma, t.okno->Faktura().KupFirma);

    // never over the XML, even when the user names it
    const QString fak = t.Plik(QStringLiteral("nowa.FAK"));
    t.nazwyPlikow = {xml, fak};
    t.Wykonaj("AcZapisz");
    QVERIFY2(t.prezenter.ostatni().contains(QLatin1String("w miejsce pliku KSeF (XML)")),
             qPrintable(t.prezenter.ostatni()));
    QCOMPARE(CzytajBajty(xml), bajtyXml);
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.pytaniaOPlik.size(), 2);
    QCOMPARE(t.pytaniaOPlik.first().nazwa, QFileInfo(przyklad).completeBaseName() + QStringLiteral(".FAK"));
    QVERIFY(QFile::exists(fak));
    QCOMPARE(CzytajBajty(xml), bajtyXml);
    // a .FAK of its own now, without a KSeF number: the user may work on it
    QCOMPARE(t.okno->NazwaRobocza(), QStringLiteral("nowa.FAK"));
    QVERIFY(!TylkoDoOdczytu(t));
}

QTEST_MAIN(TstKsefOnline)
#include "tst_ksefonline.moc"
