#include "dlgkalendarz.h"

#include "kalendarzlogika.h"
#include "mojkalendarz.h"

#include "controls/forma.h"
#include "controls/ikonyapli.h"
#include "controls/panele.h"
#include "controls/platforma.h"
#include "controls/stylmenu.h"

#include "common/daty.h"
#include "common/program.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

QPointer<TDlgKalenUstaw> g_otwarty;

// The frame around the grid.
TMojPodklad *PodkladSiatki(QWidget *rodzic)
{
    auto *p = new TMojPodklad(rodzic);
    p->setXstylInny(true);
    p->setXstylInnyNr(104);
    p->setxObrysStyl(20);
    return p;
}

QToolButton *Strzalka(QWidget *rodzic, int ikona, int bok, const QString &podpowiedz)
{
    auto *b = new QToolButton(rodzic);
    b->setIcon(IkonyApli16().Ikona(ikona));
    b->setIconSize(QSize(bok, bok));
    b->setAutoRaise(true);
    b->setToolTip(podpowiedz);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}   // namespace

TDlgKalenUstaw::TDlgKalenUstaw(QWidget *forma, Qt::WindowFlags flagi) : TMaleOkno(forma, flagi)
{
    g_otwarty = this;
    setWindowTitle(QStringLiteral("Wstaw datę - podwójny klik"));
    PrzygotujOkno(this);

    m_pasekGorny = JasnyPasekGradientu(this);
    m_pasekDolny = JasnyPasekGradientu(this);
    m_podkladSiatki = PodkladSiatki(this);

    m_siatka = new TmojKalendarz(m_podkladSiatki);
    m_siatka->setColor(KolorStylu(104));
    m_siatka->setXautoFixKolor(1);
    m_siatka->OnAkcKolor = [](const TparaDaty &p, bool fokus, TKolor &tlo, TKolor &font) {
        KoloryDniWolnych(p, fokus, tlo, font);
    };
    m_siatka->OnPodpowiedz = [](const TparaDaty &p) { return NazwaSwieta(p.R, p.M, p.D); };
    connect(m_siatka, &TmojKalendarz::wybranoDzien, this, &TDlgKalenUstaw::SiatkaDblClick);
    m_siatka->setXrokMin(kRokMinOkna);

    m_speedPredMsc = Strzalka(m_pasekGorny, Ikona::Wstecz, 14, QStringLiteral(" Poprzedni miesiąc "));
    m_speedNextMsc = Strzalka(m_pasekGorny, Ikona::Dalej, 14, QStringLiteral(" Następny miesiąc "));
    m_speedNextRok = Strzalka(m_pasekGorny, Ikona::WGore, 10, QStringLiteral(" Następny rok "));
    m_speedPredRok = Strzalka(m_pasekGorny, Ikona::WDol, 10, QStringLiteral(" Poprzedni rok "));
    m_speedMiesiac = new QToolButton(m_pasekGorny);
    m_speedMiesiac->setText(QStringLiteral("Miesiące"));
    m_speedMiesiac->setToolTip(QStringLiteral(" Lista miesięcy ( kliknij ) "));
    m_speedMiesiac->setAutoRaise(true);
    m_speedMiesiac->setFocusPolicy(Qt::NoFocus);
    QFont fm = m_speedMiesiac->font();
    fm.setBold(true);
    m_speedMiesiac->setFont(fm);

    m_labelRok = new QLabel(m_pasekGorny);
    m_labelRok->setAlignment(Qt::AlignCenter);
    m_labelRok->setFont(fm);

    m_popupMiesiace = new TPopupActionBarEx(this);
    for (int m = 1; m <= 12; ++m) {
        QAction *a = m_popupMiesiace->addAction(kNazwyMiesiecyKalendarza[m - 1]);
        a->setData(m);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, m] { MenuClick(m); });
    }

    m_dzisiajBtn = new QPushButton(m_pasekDolny);
    m_dzisiajBtn->setToolTip(QStringLiteral(" Wstaw dzisiejszą datę "));
    m_dzisiajBtn->setFocusPolicy(Qt::TabFocus);

    connect(m_speedPredMsc, &QToolButton::clicked, this, &TDlgKalenUstaw::SpeedPredMscClick);
    connect(m_speedNextMsc, &QToolButton::clicked, this, &TDlgKalenUstaw::SpeedNextMscClick);
    connect(m_speedNextRok, &QToolButton::clicked, this, &TDlgKalenUstaw::SpeedNextRokClick);
    connect(m_speedPredRok, &QToolButton::clicked, this, &TDlgKalenUstaw::SpeedPredRokClick);
    connect(m_speedMiesiac, &QToolButton::clicked, this, &TDlgKalenUstaw::SpeedMiesiacClick);
    connect(m_dzisiajBtn, &QPushButton::clicked, this, &TDlgKalenUstaw::DzisiajBtnClick);

    // The window sees Enter and Escape before its controls.
    m_siatka->installEventFilter(this);
    m_dzisiajBtn->installEventFilter(this);

    UlozKontrolki();
    UstawStalyRozmiar(SkalujDpi(184), SkalujDpi(195));

    m_dzisiaj = m_siatka->DataKalen();
    m_dzisiajBtn->setText(DataNaTekst(QString(), m_dzisiaj));
    // whatever moves the grid (a key, a button, a text), the header follows it
    m_siatka->OnChange = [this] { OdswiezNaglowek(); };
    OdswiezNaglowek();
    m_siatka->setFocus();
}

TDlgKalenUstaw::~TDlgKalenUstaw() = default;

TDlgKalenUstaw *TDlgKalenUstaw::Otwarty() { return g_otwarty.data(); }

double TDlgKalenUstaw::Dzisiaj()
{
    const QDate d = QDate::currentDate();
    return KodujDate(d.year(), d.month(), d.day(), 0);
}

void TDlgKalenUstaw::UlozKontrolki()
{
    auto s = [](int x, int y, int w, int h) { return QRect(SkalujDpi(x), SkalujDpi(y), SkalujDpi(w), SkalujDpi(h)); };
    m_pasekGorny->setGeometry(s(2, 2, 180, 28));
    m_speedPredMsc->setGeometry(s(4, 4, 20, 20));
    m_speedMiesiac->setGeometry(s(25, 4, 78, 20));
    m_speedNextMsc->setGeometry(s(104, 4, 20, 20));
    m_labelRok->setGeometry(s(125, 4, 38, 20));
    m_speedNextRok->setGeometry(s(164, 3, 14, 11));
    m_speedPredRok->setGeometry(s(164, 14, 14, 11));

    // 7 x 7 cells of 23 x 16 with lines of 1 pixel between them.
    m_podkladSiatki->setGeometry(s(7, 33, 170, 121));
    m_siatka->setGeometry(QRect(SkalujDpi(1), SkalujDpi(1), SkalujDpi(7 * 23 + 6), SkalujDpi(7 * 16 + 6)));

    m_pasekDolny->setGeometry(s(2, 157, 180, 36));
    m_dzisiajBtn->setGeometry(s(42, 6, 96, 24));
}

void TDlgKalenUstaw::UstawPolozenie(QWidget *forma, QWidget *pole)
{
    if (pole) {
        UstawRamke(true);
        setWindowFlag(Qt::FramelessWindowHint, true);
        UstawStalyRozmiar(SkalujDpi(184), SkalujDpi(195));
        UmiescPodPolem(pole);
    } else {
        UmiescNadOknem(forma);
    }
}

void TDlgKalenUstaw::UstawTekst(const QString &tekst)
{
    if (!tekst.isEmpty())
        m_siatka->setDataKalen(TekstNaDate(tekst, 0));
    OdswiezNaglowek();
}

void TDlgKalenUstaw::OdswiezNaglowek()
{
    if (m_siatka->Year() < kRokMinOkna)
        m_siatka->setYear(kRokMinOkna);
    m_labelRok->setText(QString::number(m_siatka->Year()));
    m_speedMiesiac->setText(kNazwyMiesiecyKalendarza[m_siatka->Month() - 1]);
    const auto akcje = m_popupMiesiace->actions();
    for (QAction *a : akcje)
        a->setChecked(a->data().toInt() == m_siatka->Month());
}

void TDlgKalenUstaw::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

void TDlgKalenUstaw::MenuClick(int miesiac)
{
    m_siatka->setMonth(miesiac);
    OdswiezNaglowek();
}

void TDlgKalenUstaw::SpeedMiesiacClick()
{
    m_popupMiesiace->popup(m_speedMiesiac->mapToGlobal(QPoint(0, m_speedMiesiac->height())));
}

void TDlgKalenUstaw::SpeedPredMscClick()
{
    m_siatka->PoprzednMsc();
    OdswiezNaglowek();
}

void TDlgKalenUstaw::SpeedNextMscClick()
{
    m_siatka->NastepnyMsc();
    OdswiezNaglowek();
}

void TDlgKalenUstaw::SpeedNextRokClick()
{
    m_siatka->NastepnyRok();
    OdswiezNaglowek();
}

void TDlgKalenUstaw::SpeedPredRokClick()
{
    m_siatka->PoprzednRok();
    OdswiezNaglowek();
}

void TDlgKalenUstaw::Wybierz(double dzien)
{
    if (Zamkniete())
        return;
    m_data = DataNaTekst(QString(), dzien);
    ZamknijZWynikiem();
}

void TDlgKalenUstaw::DzisiajBtnClick()
{
    m_siatka->setDataKalen(m_dzisiaj);
    OdswiezNaglowek();
    Wybierz(m_dzisiaj);
}

void TDlgKalenUstaw::SiatkaDblClick() { Wybierz(m_siatka->DataKalen()); }

bool TDlgKalenUstaw::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            DzisiajBtnClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TDlgKalenUstaw::keyPressEvent(QKeyEvent *e)
{
    if (eventFilter(this, e))
        return;
    QWidget::keyPressEvent(e);
}

bool KalendarzDlaPola(QWidget *forma, QWidget *pole, QString &tekst)
{
    if (g_otwarty)
        return false;
    QWidget *okno = OknoWlasciciela(forma, pole);
    const Qt::WindowFlags flagi = FlagiMalegoOkna(
        okno, pole, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *dlg = new TDlgKalenUstaw(okno, flagi);
    dlg->UstawPolozenie(okno, pole);
    dlg->UstawTekst(tekst);
    return CzekajNaWynik(dlg, okno, [&tekst](TDlgKalenUstaw &d) { tekst = d.WybranaData(); });
}

void ZainstalujKalendarz()
{
    ProcKalendarz = [](QObject *forma, QObject *kontrolka, QString &data) {
        return KalendarzDlaPola(qobject_cast<QWidget *>(forma), qobject_cast<QWidget *>(kontrolka), data);
    };
}
