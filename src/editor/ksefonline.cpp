#include "ksefonline.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/justgrid.h"
#include "invoice/dokument.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/ksefsrodowisko.h"
#include "invoice/plikfaktury.h"
#include "ksef/czytnikfa3.h"
#include "ksef/odbior.h"
#include "ksef/wysylka.h"
#include "zentoraedyt.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

std::function<TposwiadczeniaKsef(const TsrodowiskoKsef &)> PoswiadczeniaEdytora = &PoswiadczeniaZapisane;

// ---------------------------------------------------------------- progress

TPostepKsef::TPostepKsef(QWidget *wlasciciel, const QString &tytul)
    : QDialog(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PostepKsef"));
    setWindowTitle(tytul);
    setWindowModality(Qt::ApplicationModal);
    auto *u = new QVBoxLayout(this);
    m_etap = new QLabel(this);
    m_etap->setObjectName(QStringLiteral("LabEtap"));
    m_etap->setWordWrap(true);
    u->addWidget(m_etap);
    auto *przyciski = new QDialogButtonBox(this);
    m_anuluj = przyciski->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    m_anuluj->setObjectName(QStringLiteral("BtnAnuluj"));
    connect(przyciski, &QDialogButtonBox::rejected, this, &TPostepKsef::reject);
    u->addWidget(przyciski);
    PrzygotujForme(this);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * 34);
}

void TPostepKsef::Etap(const QString &tekst)
{
    if (!m_przerwano)
        m_etap->setText(tekst);
}

void TPostepKsef::reject()
{
    // the window stays until the work has stopped; it only says that it is stopping
    if (m_przerwano)
        return;
    m_przerwano = true;
    m_anuluj->setEnabled(false);
    m_etap->setText(QStringLiteral("Przerywanie…"));
}

// ---------------------------------------------------------------- the range of receiving

bool PytajOZakresOdbioru(QWidget *wlasciciel, QDate &od, QDate &doDnia, QString &katalog)
{
    QDialog d(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    d.setObjectName(QStringLiteral("DlgOdbiorKsef"));
    d.setWindowTitle(QStringLiteral(" Odbierz faktury z KSeF "));
    auto *u = new QVBoxLayout(&d);
    auto *opis = new QLabel(QStringLiteral("Faktury zakupu (firma jako nabywca) przyjęte w KSeF w podanym okresie. "
                                           "Każda trafia do folderu jako plik NUMER_KSEF.xml; pliki, które już tam "
                                           "są, zostają bez zmian."),
                            &d);
    opis->setWordWrap(true);
    u->addWidget(opis);
    auto *f = new QFormLayout;
    const auto data = [&](const char *nazwa, const QDate &wartosc) {
        auto *e = new QDateEdit(wartosc, &d);
        e->setObjectName(QLatin1String(nazwa));
        e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        e->setCalendarPopup(true);
        return e;
    };
    QDateEdit *edyOd = data("EdyOd", od), *edyDo = data("EdyDo", doDnia);
    f->addRow(QStringLiteral("&Od dnia"), edyOd);
    f->addRow(QStringLiteral("&Do dnia"), edyDo);
    auto *wiersz = new QHBoxLayout;
    auto *edyKatalog = new QLineEdit(QDir::toNativeSeparators(katalog), &d);
    edyKatalog->setObjectName(QStringLiteral("EdyKatalog"));
    auto *wybierz = new QToolButton(&d);
    wybierz->setObjectName(QStringLiteral("BtnKatalog"));
    wybierz->setText(QStringLiteral("…"));
    wybierz->setToolTip(QStringLiteral("Wybierz folder"));
    wiersz->addWidget(edyKatalog);
    wiersz->addWidget(wybierz);
    auto *etykietaKatalogu = new QLabel(QStringLiteral("&Folder"), &d);
    etykietaKatalogu->setBuddy(edyKatalog);
    f->addRow(etykietaKatalogu, wiersz);
    u->addLayout(f);
    QObject::connect(wybierz, &QToolButton::clicked, &d, [&] {
        const QString k =
            QFileDialog::getExistingDirectory(&d, QStringLiteral("Folder faktur z KSeF"), edyKatalog->text());
        if (!k.isEmpty())
            edyKatalog->setText(QDir::toNativeSeparators(k));
    });
    auto *przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    przyciski->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Od&bierz"));
    przyciski->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    u->addWidget(przyciski);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &d, [&] {
        // the dialog stays open on a wrong entry, with the focus on it
        if (edyDo->date() < edyOd->date()) {
            KomunikatOkna(&d, QStringLiteral("XData „Do dnia” jest wcześniejsza niż „Od dnia”."));
            edyDo->setFocus();
        } else if (Trim(edyKatalog->text()).isEmpty()) {
            KomunikatOkna(&d, QStringLiteral("XPodaj folder, do którego trafią faktury."));
            edyKatalog->setFocus();
        } else {
            d.accept();
        }
    });
    PrzygotujForme(&d);
    d.setMinimumWidth(d.fontMetrics().horizontalAdvance(QLatin1Char('W')) * 36);
    edyOd->setFocus();
    if (d.exec() != QDialog::Accepted)
        return false;
    od = edyOd->date();
    doDnia = edyDo->date();
    katalog = QDir::fromNativeSeparators(Trim(edyKatalog->text()));
    return true;
}

// ---------------------------------------------------------------- the list of what came

QString NumerKsefZNazwy(const QString &plik)
{
    static const QRegularExpression numer(QStringLiteral("^\\d{10}-\\d{8}-[0-9A-F]{12}-[0-9A-F]{2}$"));
    const QString nazwa = QFileInfo(plik).completeBaseName();
    return numer.match(nazwa).hasMatch() ? nazwa : QString();
}

TpobranaFaktura OpiszPobrana(const QString &numer, const QString &plik, bool byla, const QString &blad)
{
    TpobranaFaktura p;
    p.Numer = numer;
    p.Plik = plik;
    p.Byla = byla;
    p.Blad = blad;
    if (!blad.isEmpty())
        return p;
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return p;
    try {
        const TzentoraVat z = CzytajFa3(f.readAll(), numer).Faktura;
        p.Sprzedawca = MemoZTekstu(z.SprzedRamka).value(0);
        p.Data = z.DataWystaw;
        p.Brutto = KwotaNaTekst(0, true, true, TekstNaFloat(z.SumyFaktury[vatSum].Brutto, 0));
    } catch (const EMojeBledy &) {
        // a file that is no FA(3) invoice (one the user put there) is listed without its data
    }
    return p;
}

TListaPobranych::TListaPobranych(const QList<TpobranaFaktura> &lista, const QString &naglowek, QWidget *rodzic)
    : QDialog(rodzic), m_lista(lista)
{
    setObjectName(QStringLiteral("ListaPobranych"));
    setWindowTitle(QStringLiteral(" Faktury z KSeF "));
    auto *u = new QVBoxLayout(this);
    auto *opis = new QLabel(naglowek, this);
    opis->setObjectName(QStringLiteral("LabNaglowek"));
    opis->setWordWrap(true);
    u->addWidget(opis);
    m_tabela = new QTableWidget(int(lista.size()), 5, this);
    m_tabela->setObjectName(QStringLiteral("Tabela"));
    m_tabela->setHorizontalHeaderLabels({QStringLiteral("Numer KSeF"), QStringLiteral("Sprzedawca"),
                                         QStringLiteral("Data wystawienia"), QStringLiteral("Brutto"),
                                         QStringLiteral("Stan")});
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabela->verticalHeader()->hide();
    m_tabela->setWordWrap(false);
    for (int i = 0; i < lista.size(); ++i) {
        const TpobranaFaktura &p = lista.at(i);
        const QString stan = !p.Blad.isEmpty() ? QStringLiteral("nie zapisano: ") + p.Blad
                             : p.Byla          ? QStringLiteral("był już w folderze")
                                               : QStringLiteral("nowy");
        const QString teksty[] = {p.Numer, p.Sprzedawca, p.Data, p.Brutto, stan};
        for (int k = 0; k < 5; ++k) {
            auto *el = new QTableWidgetItem(teksty[k]);
            if (k == 3)
                el->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!p.Blad.isEmpty())
                el->setFlags(el->flags() & ~Qt::ItemIsEnabled);
            m_tabela->setItem(i, k, el);
        }
    }
    m_tabela->resizeColumnsToContents();
    m_tabela->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tabela->installEventFilter(this);
    connect(m_tabela, &QTableWidget::cellDoubleClicked, this, &TListaPobranych::Otworz);
    u->addWidget(m_tabela);
    auto *przyciski = new QDialogButtonBox(this);
    QPushButton *otworz = przyciski->addButton(QStringLiteral("&Otwórz"), QDialogButtonBox::AcceptRole);
    otworz->setObjectName(QStringLiteral("BtnOtworz"));
    przyciski->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::accepted, this, &TListaPobranych::Otworz);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    u->addWidget(przyciski);
    PrzygotujForme(this);
    resize(fontMetrics().horizontalAdvance(QLatin1Char('W')) * 60, fontMetrics().height() * 24);
    if (!lista.isEmpty())
        m_tabela->selectRow(0);
    m_tabela->setFocus();
}

bool TListaPobranych::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_tabela && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Otworz();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TListaPobranych::Otworz()
{
    const int i = m_tabela->currentRow();
    if (i < 0 || i >= m_lista.size() || !m_lista.at(i).Blad.isEmpty())
        return;
    m_wybrany = m_lista.at(i).Plik;
    accept();
}

QString PokazPobrane(QWidget *wlasciciel, const QList<TpobranaFaktura> &lista, const QString &naglowek)
{
    TListaPobranych d(lista, naglowek, wlasciciel);
    d.exec();
    return d.Wybrany();
}

QString NazwaPlikuXmlZDialogu(QWidget *wlasciciel, const QString &folder)
{
    QFileDialog d(wlasciciel, QStringLiteral(" Otwórz fakturę KSeF (XML) "), folder,
                  QStringLiteral("Faktury KSeF ( *.xml );;Wszystkie pliki ( * )"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

// ---------------------------------------------------------------- the commands of the main window

namespace {

// The secrets for the environment; a message says where to enter them when there are none.
bool Poswiadczenia(QWidget *okno, const TsrodowiskoKsef &srodowisko, TposwiadczeniaKsef &p)
{
    p = PoswiadczeniaEdytora ? PoswiadczeniaEdytora(srodowisko) : TposwiadczeniaKsef();
    if (!p.Puste())
        return true;
    KomunikatOkna(okno, QStringLiteral("XBrak certyfikatu ani tokena KSeF dla środowiska „%1”.|Wpisz je w menu "
                                       "Ustawienia → Parametry, na stronie „KSeF”.")
                            .arg(srodowisko.Nazwa));
    return false;
}

}   // namespace

void TZentoraForma::AcOtworzXmlExecute()
{
    ZatwierdzKomorke();
    if (!CzyPorzucicZmiany())
        return;
    const QString folder = m_folderKsef.isEmpty() ? BezUkosnika(FolderRobo) : m_folderKsef;
    const QString plik = Dialogi.PlikXml ? Dialogi.PlikXml(this, folder) : QString();
    if (plik.isEmpty())
        return;
    OtworzXml(plik);
    UstawAkcjeBazy(false);
}

void TZentoraForma::OtworzXml(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        throw EMojeBledy(
            QStringLiteral("Nie można odczytać pliku %1:|%2").arg(QDir::toNativeSeparators(plik), f.errorString()));
    // a downloaded invoice is named after its KSeF number, which the XML does not hold
    TodczytFa3 w;
    try {
        w = CzytajFa3(f.readAll(), NumerKsefZNazwy(plik));
    } catch (const EMojeBledy &e) {
        // nothing of the window changes: the file is named with the reason
        throw EMojeBledy(QStringLiteral("Nie można otworzyć pliku %1 jako faktury KSeF:|%2")
                             .arg(QDir::toNativeSeparators(plik), e.komunikat()));
    }
    Grid->PrzerwijEdycje();
    m_blokadaPliku.reset();
    m_plikZajety = false;
    NazwaRobo.clear();
    SciezkaRobo.clear();
    m_plikXml = QFileInfo(plik).absoluteFilePath();
    Zentora = w.Faktura;
    RekordNaEkran();
    FaktRobo = Zentora;
    m_mppZapytano = false;
    m_sprzedawcaZKonfiguracji = false;
    UstawPodpis();
    if (!w.Uwagi.isEmpty())
        KomunikatOkna(this, QStringLiteral("!Nie wszystko z faktury %1 mieści się w fakturze programu:|")
                                    .arg(QFileInfo(plik).fileName())
                                + w.Uwagi.join(QLatin1Char('|')));
}

void TZentoraForma::AcWyslijKsefExecute()
{
    if (!ZatwierdzKomorke())
        return;
    EkranNaRekord(false);
    if (FakturaOstateczna(Zentora)) {
        KomunikatOkna(this, QStringLiteral("Faktura jest już w KSeF pod numerem %1.").arg(Zentora.KsefNumer));
        return;
    }
    if (!m_plikXml.isEmpty()) {
        KomunikatOkna(this, QStringLiteral("XFaktura z pliku KSeF (XML) jest tylko do odczytu.|Aby ją wysłać, zapisz "
                                           "ją najpierw jako plik .FAK (Plik → Zapisz jako…)."));
        return;
    }
    // where to and with what, before anything is saved
    const TsrodowiskoKsef srodowisko = SrodowiskoKsef(IniZentora);
    TposwiadczeniaKsef poswiadczenia;
    if (!Poswiadczenia(this, srodowisko, poswiadczenia))
        return;
    // what the export refuses is refused before saving, with the export's own messages
    PrzygotujDoWydania(true);
    SprawdzKorekte();
    if (!ZgodaNaNumer(SciezkaRobo.isEmpty() ? ZUkosnikiem(FolderRobo) : SciezkaRobo))
        return;
    const TeksportKsef proba = EksportujKsef(Zentora, IniZentora, TopcjeKsef());
    if (!proba.Ostrzezenia.isEmpty()
        && !PytanieOkAnuluj(this,
                            QStringLiteral("!") + proba.Ostrzezenia.join(QLatin1Char('|'))
                                + QStringLiteral("||Czy mimo to wysłać fakturę do KSeF ?"),
                            2))
        return;
    // the outcome is recorded in the file, which must hold this very invoice
    if (!ZapisanaPrzedKsef())
        return;
    TfakturaDoKsef d;
    d.Plik = SciezkaRobo;
    d.Faktura = FaktRobo;
    d.Eksport = EksportujKsef(FaktRobo, IniZentora, TopcjeKsef());

    TPostepKsef postep(this, QStringLiteral(" Wysyłanie do KSeF "));
    postep.Etap(QStringLiteral("Logowanie do KSeF (%1)…").arg(srodowisko.Nazwa));
    postep.show();
    KlientKsef klient(srodowisko);
    klient.Przerwano = [&postep] { return postep.Przerwano(); };
    TwynikKsef wynik;
    bool zalogowano = false, jest = false, przerwano = false;
    QString blad;
    try {
        ZalogujKsef(klient, SprzedawcaKsef(FaktRobo, IniZentora).Nip, poswiadczenia);
        zalogowano = true;
        postep.Etap(QStringLiteral("Wysyłanie faktury %1 i oczekiwanie na decyzję KSeF…").arg(NazwaPliku()));
        WyslijDoKsef(klient, {d}, IniZentora, [&](const TwynikKsef &w) {
            wynik = w;
            jest = true;
        });
    } catch (const ECichyAbort &) {
        przerwano = true;
    } catch (const EMojeBledy &e) {
        blad = e.komunikat();
    }
    postep.hide();

    // The file holds what was recorded, whatever ended the sending: a cancel may come after
    // the number was written, while the UPO was on its way.
    TzentoraVat f;
    CzytajFakture(SciezkaRobo, f);
    if (Niepusty(f.KsefNumer)) {
        Grid->PrzerwijEdycje();
        Zentora = f;
        RekordNaEkran();
        FaktRobo = Zentora;
        ZapisanoWFolderze(SciezkaRobo);
        QString uwaga = jest ? wynik.Ostrzezenie : QString();
        if (uwaga.isEmpty() && !QFileInfo::exists(PlikUpo(SciezkaRobo)))
            uwaga = QStringLiteral("UPO nie zostało pobrane (przerwano).");
        // the UPO line only when it was saved; otherwise why not
        KomunikatOkna(this,
                      (uwaga.isEmpty() ? QString() : QStringLiteral("!"))
                          + QStringLiteral("KSeF przyjął fakturę %1.|Numer KSeF: %2|").arg(NazwaPliku(), f.KsefNumer)
                          + (uwaga.isEmpty() ? QStringLiteral("UPO: ") + QDir::toNativeSeparators(PlikUpo(SciezkaRobo))
                                             : QStringLiteral("Uwaga: ") + uwaga));
    } else if (jest && wynik.Wynik == TwynikKsef::Odrzucona) {
        Zentora.KsefStatus = f.KsefStatus;
        FaktRobo.KsefStatus = f.KsefStatus;
        PokazStanKsef();
        KomunikatOkna(this, QStringLiteral("XKSeF odrzucił fakturę %1:|%2").arg(NazwaPliku(), wynik.Opis));
    } else if (jest) {
        // the description says what is known: not taken, not decided in time, or taken but not recorded
        KomunikatOkna(this, QStringLiteral("XFaktura %1:|%2").arg(NazwaPliku(), wynik.Opis));
    } else if (przerwano && !zalogowano) {
        KomunikatOkna(this, QStringLiteral("Wysyłanie przerwano; faktury nie wysłano."));
    } else if (przerwano) {
        KomunikatOkna(this, QStringLiteral("!Wysyłanie przerwano przed decyzją KSeF.|Faktura mogła już trafić do KSeF "
                                           "i zostać przyjęta. Zanim wyślesz ją ponownie, sprawdź ją w KSeF: "
                                           "ponowna wysyłka zostanie odrzucona jako duplikat, z numerem KSeF "
                                           "nadanym za pierwszym razem."));
    } else if (!zalogowano) {
        KomunikatOkna(this, QStringLiteral("XNie udało się zalogować do KSeF; faktury nie wysłano.|") + blad);
    } else {
        KomunikatOkna(this, QStringLiteral("XFaktury nie wysłano do KSeF.|") + blad);
    }
}

void TZentoraForma::AcOdbierzKsefExecute()
{
    ZatwierdzKomorke();
    const TsrodowiskoKsef srodowisko = SrodowiskoKsef(IniZentora);
    TposwiadczeniaKsef poswiadczenia;
    if (!Poswiadczenia(this, srodowisko, poswiadczenia))
        return;
    // the business whose purchases these are: the seller of the program's own invoices
    const QString nip = SprzedawcaKsef(NowaFaktura(IniZentora, 0), IniZentora).Nip;
    if (nip.isEmpty()) {
        KomunikatOkna(this, QStringLiteral("XBrak NIP firmy.|Wpisz go na stronie „KSeF” parametrów albo w ramce "
                                           "sprzedawcy."));
        return;
    }
    int r = 0, m = 0, dz = 0;
    RozkodujDate(DataDzis(), r, m, dz);
    QDate doDnia(r, m, dz), od(r, m, 1);
    QString katalog = m_folderKsef.isEmpty() ? ZUkosnikiem(FolderRobo) + QStringLiteral("KSeF") : m_folderKsef;
    if (!Dialogi.ZakresOdbioru || !Dialogi.ZakresOdbioru(this, od, doDnia, katalog))
        return;
    if (!QDir().mkpath(katalog))
        throw EMojeBledy(QStringLiteral("Nie można utworzyć folderu %1.").arg(QDir::toNativeSeparators(katalog)));
    m_folderKsef = katalog;

    TPostepKsef postep(this, QStringLiteral(" Odbieranie faktur z KSeF "));
    postep.Etap(QStringLiteral("Logowanie do KSeF (%1)…").arg(srodowisko.Nazwa));
    postep.show();
    KlientKsef klient(srodowisko);
    klient.Przerwano = [&postep] { return postep.Przerwano(); };
    QList<TpobranaFaktura> lista;
    int nowe = 0;
    bool przerwano = false;
    QString blad;
    try {
        ZalogujKsef(klient, nip, poswiadczenia);
        postep.Etap(QStringLiteral("Wyszukiwanie faktur zakupu…"));
        OdbierzZKsef(klient, od, doDnia, katalog, [&](const TodebranaKsef &o) {
            lista.append(OpiszPobrana(o.Numer, o.Plik, o.Byla, o.Blad));
            nowe += o.Byla || !o.Blad.isEmpty() ? 0 : 1;
            postep.Etap(QStringLiteral("Faktury z KSeF: %1 (nowe: %2)…").arg(lista.size()).arg(nowe));
            if (postep.Przerwano())
                throw ECichyAbort();
        });
    } catch (const ECichyAbort &) {
        przerwano = true;
    } catch (const EMojeBledy &e) {
        blad = e.komunikat();
    }
    postep.hide();

    if (!blad.isEmpty())
        KomunikatOkna(this, QStringLiteral("XOdbieranie faktur z KSeF nie powiodło się.|") + blad);
    const QString okres = od.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" – ")
                          + doDnia.toString(QStringLiteral("dd.MM.yyyy"));
    if (lista.isEmpty()) {
        if (blad.isEmpty())
            KomunikatOkna(this, przerwano ? QStringLiteral("Odbieranie przerwano; nie pobrano żadnej faktury.")
                                          : QStringLiteral("W KSeF nie ma faktur zakupu z okresu %1.").arg(okres));
        return;
    }
    QString naglowek = QStringLiteral("Faktury zakupu z okresu %1: %2, w tym nowych %3. Folder: %4")
                           .arg(okres)
                           .arg(lista.size())
                           .arg(nowe)
                           .arg(QDir::toNativeSeparators(katalog));
    if (przerwano || !blad.isEmpty())
        naglowek += QStringLiteral("\nOdbieranie przerwano: lista może nie być pełna.");
    const QString wybrany = Dialogi.Pobrane ? Dialogi.Pobrane(this, lista, naglowek) : QString();
    if (wybrany.isEmpty() || !CzyPorzucicZmiany())
        return;
    OtworzXml(wybrany);
    UstawAkcjeBazy(false);
}
