#include "justgrid.h"

#include "fokus.h"
#include "kolory.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QString kMaskaDaty = QStringLiteral("!99/99/9999;1; ");
bool g_gradienty = true;

// "zw", the word a rate column takes for an exempt row, in any case and with blanks around.
bool SlowoZw(const QString &t) { return t.trimmed().compare(QLatin1String("zw"), Qt::CaseInsensitive) == 0; }

// Money columns: the amount and the unit price (up to four decimals).
bool Kwotowy(QChar r) { return r == QLatin1Char('Z') || r == QLatin1Char('J'); }

// Whether a text reads as a value of the kind at all; two defaults tell a failed reading
// from a value that happens to equal a default.
bool TekstPoprawny(QChar rodzaj, const QString &t)
{
    switch (rodzaj.unicode()) {
    case 'D': return !(TekstNaDate(t, -1.0) == -1.0 && TekstNaDate(t, -2.0) == -2.0);
    case 'F':
    case 'J':
    case 'Z': {
        const double x = TekstNaFloat(t, 1.0);
        if (x == 1.0 && TekstNaFloat(t, 2.0) == 2.0)
            return false;
        return std::isfinite(x);
    }
    case 'I': return !(TekstNaInt(t, 1) == 1 && TekstNaInt(t, 2) == 2);
    case 'V': return SlowoZw(t) || TekstPoprawny(QLatin1Char('I'), t);
    default: return true;
    }
}

Qt::Alignment Wyrownanie(QChar j)
{
    if (j == QLatin1Char('C'))
        return Qt::AlignHCenter;
    if (j == QLatin1Char('P'))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

}   // namespace

TjustGrid::TjustGrid(QWidget *rodzic) : TSiatka(rodzic)
{
    setOptions(Options() | goDrawFocusSelected);
    m_kolorWlasnyUstawiony[0] = QColor(192, 220, 192);
    m_kolorWlasnyUstawiony[1] = QColor(166, 202, 240);
    m_kolorWlasnyUstawiony[2] = palette().color(QPalette::ToolTipBase);
    m_kolorWlasnyUstawiony[3] = QColor(160, 160, 164);
    m_kolorWlasnyUstawiony[4] = QColor(255, 251, 240);
    for (int i = 0; i < 5; ++i)
        m_kolorWlasny[i] = m_kolorWlasnyUstawiony[i];
}

bool TjustGrid::GradientyDozwolone() { return g_gradienty; }
void TjustGrid::UstawGradientyDozwolone(bool tak) { g_gradienty = tak; }

QString TjustGrid::WielkieZnaki(const QString &s) { return s.toUpper(); }

// ---------------------------------------------------------------- properties

void TjustGrid::setXkolRodzaj(const QString &s)
{
    QString r = s.toUpper();
    for (QChar &c : r)
        if (!QStringLiteral("CDFIJVZ").contains(c))
            c = QLatin1Char('C');
    m_rodzaj = r;
    viewport()->update();
}

void TjustGrid::setXkolSzerok(const QString &s)
{
    m_szerok = s;
    QString t = s;
    for (int c = 0; c < ColCount(); ++c) {
        const int n = TekstNaInt(OdetnijPole(t, QLatin1Char(';')), 0);
        if (n != 0)
            setColWidths(c, std::max(8, n));
    }
}

void TjustGrid::setXkolSzerZn(const QString &s)
{
    m_szerZn = s;
    QString t = s;
    m_limity.clear();
    for (int c = 0; c < ColCount(); ++c)
        m_limity.append(std::max(0, TekstNaInt(OdetnijPole(t, QLatin1Char(';')), 0)));
}

void TjustGrid::setXkolTytuly(const QString &s)
{
    m_tytuly = s;
    QString t = s;
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            setCells(c, r, OdetnijPole(t, QLatin1Char(';')));
}

void TjustGrid::setXkolWarCel(const QString &s)
{
    m_warCel = s;
    QString t = s;
    for (int r = FixedRows(); r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            setCells(c, r, OdetnijPole(t, QLatin1Char(';')));
}

void TjustGrid::setXkolJustuj(const QString &s) { UstawIPrzerysuj(m_justuj, WielkieZnaki(s)); }

void TjustGrid::setXkolKolory(const QString &s) { UstawIPrzerysuj(m_kolory, WielkieZnaki(s)); }

void TjustGrid::setXkolPapier(const QString &s) { UstawIPrzerysuj(m_papier, WielkieZnaki(s)); }

void TjustGrid::setXkolReOnly(const QString &s) { UstawIPrzerysuj(m_reOnly, s); }

void TjustGrid::setXkolJustBL(bool v) { UstawIPrzerysuj(m_justBL, v); }

void TjustGrid::setXkol0grad(bool v) { UstawIPrzerysuj(m_kol0grad, v); }

void TjustGrid::setXnagJustuj(const QString &s) { UstawIPrzerysuj(m_nagJustuj, WielkieZnaki(s)); }

void TjustGrid::setXnagKolory(const QString &s) { UstawIPrzerysuj(m_nagKolory, WielkieZnaki(s)); }

void TjustGrid::setXnagHfontu(int v) { UstawIPrzerysuj(m_nagHfontu, v < 8 ? 0 : std::min(v, 10)); }

void TjustGrid::setXnagWysoko(int v)
{
    m_nagWysoko = (v != 0 && v < 8) ? 8 : std::max(0, v);
    if (m_nagWysoko != 0)
        setRowHeights(0, m_nagWysoko);
}

void TjustGrid::PoZmianieDomyslnejWysokosci()
{
    if (m_nagWysoko != 0)
        setRowHeights(0, m_nagWysoko);
}

QFont TjustGrid::CzcionkaNaglowka() const
{
    if (m_nagHfontu == 0)
        return font();
    QFont f(m_nagHfontu == 8 ? QStringLiteral("Tahoma") : QStringLiteral("Arial"));
    f.setPointSize(m_nagHfontu);
    return f;
}

void TjustGrid::setXautoFixKolor(int v) { UstawIPrzerysuj(m_autoFixKolor, std::clamp(v, 0, 2)); }

void TjustGrid::setXautoGradient(int v) { UstawIPrzerysuj(m_autoGradient, std::clamp(v, 0, 50)); }

void TjustGrid::setXautoFixLinie(bool v) { UstawIPrzerysuj(m_autoFixLinie, v); }

void TjustGrid::setXautoKolory(bool v)
{
    m_autoKolory = v;
    Przeladujkolory();
}

void TjustGrid::UstawKolorWlasny(int i, const QColor &c)
{
    m_kolorWlasnyUstawiony[i] = c;
    if (!m_autoKolory)
        m_kolorWlasny[i] = c;
    viewport()->update();
}

void TjustGrid::Przeladujkolory()
{
    for (int i = 0; i < 5; ++i)
        m_kolorWlasny[i] = m_autoKolory ? NaQColor(KolorStylu(26 + i)) : m_kolorWlasnyUstawiony[i];
    viewport()->update();
}

QString TjustGrid::ZakazaneZnaki(int kol) const { return m_zakazane.value(kol); }

void TjustGrid::UstawZakazaneZnaki(int kol, const QString &znaki)
{
    if (kol < 0)
        return;
    while (m_zakazane.size() <= kol)
        m_zakazane.append(QString());
    m_zakazane[kol] = znaki;
}

// ---------------------------------------------------------------- per column

QChar TjustGrid::Rodzaj(int kol) const
{
    return (kol >= 0 && kol < m_rodzaj.size()) ? m_rodzaj.at(kol) : QChar(QLatin1Char('C'));
}

int TjustGrid::Limit(int kol) const { return m_limity.value(kol, 0); }

QChar TjustGrid::Justowanie(int kol) const
{
    const QChar j = (kol >= 0 && kol < m_justuj.size()) ? m_justuj.at(kol) : QChar(QLatin1Char('L'));
    return (j == QLatin1Char('C') || j == QLatin1Char('P')) ? j : QChar(QLatin1Char('L'));
}

bool TjustGrid::TylkoDoOdczytu(int kol) const
{
    return kol >= 0 && kol < m_reOnly.size() && m_reOnly.at(kol) == QLatin1Char('1');
}

QColor TjustGrid::KolorKodu(QChar kod) const
{
    const QColor staly = KolorKoduStalego(kod);
    if (staly.isValid())
        return staly;
    const char16_t u = kod.toUpper().unicode();
    if (u >= u'G' && u <= u'K')
        return m_kolorWlasny[u - u'G'];
    return QColor();
}

QColor TjustGrid::KolorPisma(int kol) const
{
    const QColor k = (kol >= 0 && kol < m_kolory.size()) ? KolorKodu(m_kolory.at(kol)) : QColor();
    return k.isValid() ? k : KolorTekstu();
}

QColor TjustGrid::KolorPapieru(int kol) const
{
    const QColor k = (kol >= 0 && kol < m_papier.size()) ? KolorKodu(m_papier.at(kol)) : QColor();
    if (k.isValid())
        return k;
    return kol < FixedCols() ? KolorStalych() : Color();
}

QColor TjustGrid::KolorStalych() const
{
    switch (m_autoFixKolor) {
    case 1: return NaQColor(KolorStylu(24));
    case 2: return NaQColor(KolorStylu(25));
    default: return FixedColor();
    }
}

// ---------------------------------------------------------------- editing

bool TjustGrid::CanEditShow() const { return TSiatka::CanEditShow() && !TylkoDoOdczytu(Col()); }

bool TjustGrid::CanEditAcceptKey(QChar &znak, int pozycja, const QString &tekstPrzed)
{
    const int c = EdytowanaKol() >= 0 ? EdytowanaKol() : Col();
    if (ZakazaneZnaki(c).contains(znak))
        return false;
    const QChar rodzaj = Rodzaj(c);
    if (rodzaj == QLatin1Char('D'))
        return true;   // the mask decides
    // The limit counts the text the key would give: typing over a selection replaces it.
    const int n = Limit(c);
    if (n >= 1 && tekstPrzed.size() >= n)
        return false;
    if (rodzaj == QLatin1Char('C'))
        return true;
    if (JestCyfra(znak))
        return true;
    if (znak == QLatin1Char('-'))
        return pozycja == 0 && !tekstPrzed.contains(QLatin1Char('-'));
    if (znak == QLatin1Char(',') && (rodzaj == QLatin1Char('F') || Kwotowy(rodzaj)))
        return pozycja != 0 && !tekstPrzed.contains(QLatin1Char(','));
    if (rodzaj == QLatin1Char('V') && QStringLiteral("zwZW").contains(znak))
        return true;
    return false;
}

QString TjustGrid::FiltrWklejania(const QString &tekst)
{
    const QString zakazane = ZakazaneZnaki(EdytowanaKol() >= 0 ? EdytowanaKol() : Col());
    if (zakazane.isEmpty())
        return tekst;
    QString t;
    for (QChar c : tekst)
        if (!zakazane.contains(c))
            t += c;
    return t;
}

bool TjustGrid::PrzecinekWEdytorze() const
{
    const QChar r = Rodzaj(EdytowanaKol() >= 0 ? EdytowanaKol() : Col());
    return r == QLatin1Char('F') || Kwotowy(r);
}

QString TjustGrid::GetEditMask(int c, int r)
{
    QString m = Rodzaj(c) == QLatin1Char('D') ? kMaskaDaty : QString();
    if (OnGetEditMask)
        OnGetEditMask(c, r, m);
    return m;
}

QString TjustGrid::GetEditText(int c, int r)
{
    QString t = Cells(c, r);
    if (Kwotowy(Rodzaj(c)))
        t.remove(QLatin1Char('.'));
    if (OnGetEditText)
        OnGetEditText(c, r, t);
    m_edyText = t;
    return t;
}

int TjustGrid::GetEditLimit(int c, int) const { return Rodzaj(c) == QLatin1Char('D') ? 0 : Limit(c); }

void TjustGrid::PrzygotujEdytor(TEdytorSiatki *edytor, int c, int)
{
    edytor->setAlignment(Wyrownanie(Justowanie(c)) | Qt::AlignVCenter);
}

void TjustGrid::EdytorUtworzony(TEdytorSiatki *edytor)
{
    if (ProcPrzypiszPopup)
        ProcPrzypiszPopup(edytor);
}

bool TjustGrid::SprawdzCelke(int c, int r)
{
    const QChar rodzaj = Rodzaj(c);
    const int n = Limit(c);
    QString t = Cells(c, r);
    if (n >= 1 && rodzaj != QLatin1Char('D') && t.size() > n) {
        t.truncate(n);
        setCells(c, r, t);
    }
    return TekstPoprawny(rodzaj, t);
}

QString TjustGrid::Normalizuj(QChar rodzaj, const QString &tekst)
{
    if (rodzaj == QLatin1Char('C') || !TekstPoprawny(rodzaj, tekst))
        return tekst;
    if (Pusty(tekst))
        return QString();
    switch (rodzaj.unicode()) {
    case 'D': return DataNaTekst(QString(), TekstNaDate(tekst, 0));
    case 'F': return FloatKrotko(true, TekstNaFloat(tekst, 0));
    case 'Z': return KwotaNaTekst(15, true, true, TekstNaFloat(tekst, 0));
    case 'J': return CenaNaTekst(15, true, true, TekstNaFloat(tekst, 0));
    case 'I': return IntNaTekst(TekstNaInt(tekst, 0), 0, true);
    case 'V': return SlowoZw(tekst) ? QStringLiteral("zw") : IntNaTekst(TekstNaInt(tekst, 0), 0, true);
    default: return tekst;
    }
}

void TjustGrid::SetEditText(int c, int r, const QString &v)
{
    TSiatka::SetEditText(c, r, v);
    m_edycja = EdytorAktywny();
    m_edycjaX = c;
    m_edycjaY = r;
    m_celkaOk = SprawdzCelke(c, r);
    if (!EdytorAktywny()) {
        // the editor is closing: the cell is finished now
        ZakonczCelke();
        if (MaFokus())
            PokazBladCelki();
    }
}

void TjustGrid::ZakonczCelke()
{
    if (!m_celkaOk)
        return;
    const int c = m_edycjaX, r = m_edycjaY;
    QString t = Cells(c, r);
    if (!t.isEmpty()) {
        const QString n = Normalizuj(Rodzaj(c), t);
        if (n != t) {
            setCells(c, r, n);
            t = n;
        }
    }
    m_opisBledu.clear();
    if (OnXtestujCelke)
        OnXtestujCelke(c, r, t, m_celkaOk);
    if (m_celkaOk) {
        m_edycja = false;
        if (EdytorAktywny() && EdytowanaKol() == c && EdytowanyWiersz() == r)
            ZsynchronizujEdytor();
    }
}

QString TjustGrid::TytulKolumny(int kol) const { return m_tytuly.split(QLatin1Char(';')).value(kol).trimmed(); }

void TjustGrid::PokazBladCelki()
{
    if (m_celkaOk || !m_error || !m_errMsg)
        return;
    if (!m_opisBledu.isEmpty()) {
        KomunikatOkna(window(), QStringLiteral("X") + m_opisBledu);
        return;
    }
    QString pole = TytulKolumny(m_edycjaX);
    const QString wiersz = FixedCols() > 0 ? Cells(0, m_edycjaY).trimmed() : QString();
    if (!pole.isEmpty() && !wiersz.isEmpty())
        pole += QStringLiteral(", wiersz ") + wiersz;
    KomunikatNiepoprawnejWartosci(window(), pole, Cells(m_edycjaX, m_edycjaY));
}

bool TjustGrid::SelectCell(int c, int r)
{
    if (m_edycja)
        ZakonczCelke();
    bool mozna = !m_error || m_celkaOk || (c == m_edycjaX && r == m_edycjaY);
    PokazBladCelki();
    if (mozna)
        mozna = TSiatka::SelectCell(c, r);
    return mozna;
}

bool TjustGrid::KlawiszWEdycji(QKeyEvent *e)
{
    if (!EdytorOtwarty() || Col() != m_edycjaX || Row() != m_edycjaY)
        return false;
    switch (e->key()) {
    case Qt::Key_Escape:
        // the first Escape puts the starting text back; one more closes the editor
        if (InplaceEditor()->Tekst() != m_edyText) {
            ZmienTekstEdytora(m_edyText);
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_error)
            return false;
        m_celkaOk = SprawdzCelke(m_edycjaX, m_edycjaY);
        ZakonczCelke();
        if (!m_celkaOk) {
            PokazBladCelki();
            return true;
        }
        return false;
    default: return false;
    }
}

void TjustGrid::DoExit()
{
    // An open edit is finished when the focus goes elsewhere, so nothing typed waits
    // unchecked in a cell while the user works on another control.
    if (EdytorOtwarty()) {
        if (m_edycja && EdytowanaKol() == m_edycjaX && EdytowanyWiersz() == m_edycjaY) {
            m_celkaOk = SprawdzCelke(m_edycjaX, m_edycjaY);
            ZakonczCelke();
        }
        if (m_celkaOk)
            UkryjEdytor();
    }
    PokazBladCelki();
    if (!m_celkaOk && m_error && isVisible()) {
        QWidget *cel = (EdytorOtwarty() && InplaceEditor()) ? static_cast<QWidget *>(InplaceEditor()) : this;
        if (MozeMiecFokus(this))
            PrzywrocFokus(cel);
    }
}

bool TjustGrid::ZatwierdzEdycje()
{
    if (!EdytorOtwarty())
        return m_celkaOk || !m_error;
    if (m_edycja && EdytowanaKol() == m_edycjaX && EdytowanyWiersz() == m_edycjaY) {
        m_celkaOk = SprawdzCelke(m_edycjaX, m_edycjaY);
        ZakonczCelke();
    }
    if (!m_celkaOk && m_error) {
        PokazBladCelki();
        return false;
    }
    UkryjEdytor();
    return m_celkaOk;
}

void TjustGrid::PrzerwijEdycje()
{
    AnulujEdytor();
    m_edycja = false;
    m_celkaOk = true;
    m_edycjaX = m_edycjaY = -1;
}

void TjustGrid::ColWidthsChanged()
{
    if (m_justBL)
        DopasujWysokoscCel();
}

// ---------------------------------------------------------------- cell helpers

QString TjustGrid::WydajCelki(int x, int y, int ile) const
{
    if (x < 0 || y < 0 || y >= RowCount())
        return QString();
    QStringList pola;
    for (int c = x; c < x + ile && c < ColCount(); ++c)
        pola.append(Cells(c, y).remove(QLatin1Char(';')));
    return pola.join(QLatin1Char(';'));
}

QString TjustGrid::WydajWiersz(int y) const { return WydajCelki(0, y, ColCount()); }

void TjustGrid::LadujCelki(int x, int y, int ile, const QString &celki, bool ZeroTak)
{
    if (x < 0 || y < 0 || y >= RowCount())
        return;
    QString s = celki;
    for (int i = 0; i < ile && x + i < ColCount(); ++i) {
        QString pole = OdetnijPole(s, QLatin1Char(';'));
        if (!ZeroTak && (pole == QLatin1String("0") || pole == QLatin1String("0,00")))
            pole.clear();
        setCells(x + i, y, pole);
    }
}

void TjustGrid::LadujWiersz(int y, const QString &wiersz, bool ZeroTak)
{
    LadujCelki(0, y, ColCount(), wiersz, ZeroTak);
}

int TjustGrid::CelaInt(int x, int y, int n)
{
    if (n != kTylkoOdczyt)
        setCells(x, y, IntNaTekst(n, 0, false));
    return TekstNaInt(Cells(x, y), 0);
}

double TjustGrid::CelaFlo(int x, int y, double f)
{
    if (f != double(kTylkoOdczyt))
        setCells(x, y, FloatKrotko(false, f));
    return TekstNaFloat(Cells(x, y), 0);
}

double TjustGrid::CelaZlo(int x, int y, double f)
{
    if (f != double(kTylkoOdczyt))
        setCells(x, y, KwotaNaTekst(0, true, false, f));
    return TekstNaFloat(Cells(x, y), 0);
}

double TjustGrid::CelaDat(int x, int y, double d)
{
    if (d != double(kTylkoOdczyt))
        setCells(x, y, DataNaTekst(QString(), d));
    return TekstNaDate(Cells(x, y), 0);
}

void TjustGrid::UkryjPodswietlenie() { setSelection(TGridRect{-1, -1, -1, -1}); }

void TjustGrid::DopasujWysokoscCel()
{
    if (!m_justBL)
        return;
    for (int r = FixedRows(); r < RowCount(); ++r)
        setRowHeights(r, DefaultRowHeight());
}

// ---------------------------------------------------------------- drawing

QString LiczbaWMiejscu(const QFontMetrics &fm, const QString &tekst, int szerokosc)
{
    if (fm.horizontalAdvance(tekst) <= szerokosc)
        return tekst;
    QString znaki(std::max(1, szerokosc / std::max(1, fm.horizontalAdvance(QLatin1Char('?')))), QLatin1Char('?'));
    // the advance of one mark is rounded: take off what the whole row overshoots
    while (znaki.size() > 1 && fm.horizontalAdvance(znaki) > szerokosc)
        znaki.chop(1);
    return znaki;
}

void TEtykietaLiczby::paintEvent(QPaintEvent *e)
{
    const QRect miejsce = contentsRect().adjusted(indent() > 0 ? indent() : 0, 0, indent() > 0 ? -indent() : 0, 0);
    if (fontMetrics().horizontalAdvance(text()) <= miejsce.width()) {
        QLabel::paintEvent(e);
        return;
    }
    // the frame alone: QLabel's own drawing would put the cut text over the marks
    QFrame::paintEvent(e);   // NOLINT(bugprone-parent-virtual-call)
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    p.drawText(miejsce, int(alignment()), LiczbaWMiejscu(fontMetrics(), text(), miejsce.width()));
}

void TjustGrid::PiszCelke(QPainter &p, const QString &S, const QRect &Rcelki, int Acol, int Arow,
                          const QColor &KolorFontu, const QColor &KolorCelki)
{
    const int m = (Options() & goDrawFocusSelected) ? 1 : 2;
    QString tekst = S;
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QChar(13), QChar(10));
    Qt::Alignment wyr = Wyrownanie(Justowanie(Acol));
    int flagi = int(wyr);
    const QRect wew = Rcelki.adjusted(m, m, -m, -m);
    // numbers and dates are never wrapped nor cut
    const bool liczba = QStringLiteral("DFIJVZ").contains(Rodzaj(Acol));
    if (liczba)
        tekst = LiczbaWMiejscu(p.fontMetrics(), tekst.replace(QChar(10), QChar(32)), wew.width());
    else if (m_justBL)
        flagi |= Qt::TextWordWrap;
    else
        tekst.replace(QChar(10), QChar(32));
    if (m_justBL && Arow >= 0 && Arow < RowCount()) {
        const QRect miara(0, 0, std::max(1, wew.width()), 1000000);
        const QRect potrzebny = p.fontMetrics().boundingRect(miara, flagi | Qt::AlignTop, tekst);
        // A row never grows past the visible area, so a huge text cannot push the grid's
        // rows out of reach.
        const int maks = std::max(DefaultRowHeight(), viewport()->height() - WysStalych() - 2);
        const int h = std::min(maks, std::max(DefaultRowHeight(), potrzebny.height() + 2 * m + 2));
        if (RowHeights(Arow) < h) {
            setRowHeights(Arow, h);
            return;
        }
    }
    if (KolorCelki.isValid())
        p.fillRect(Rcelki, KolorCelki);
    if (KolorFontu.isValid())
        p.setPen(KolorFontu);
    p.drawText(wew, flagi | Qt::AlignVCenter, tekst);
}

void TjustGrid::RysujNaglowek(QPainter &p, int c, const QString &S, const QRect &R)
{
    if (g_gradienty) {
        QColor a = GradientStartColor(), b = GradientEndColor();
        if (m_autoGradient > 0) {
            TKolor start = 0, koniec = 0;
            ParaGradientu(ZQColor(KolorStalych()), m_autoGradient, start, koniec);
            a = NaQColor(start);
            b = NaQColor(koniec);
        }
        QLinearGradient g(R.topLeft(), R.bottomLeft());
        g.setColorAt(0, a);
        g.setColorAt(1, b);
        p.fillRect(R, g);
    }
    p.setFont(CzcionkaNaglowka());
    const QColor k = (c >= 0 && c < m_nagKolory.size()) ? KolorKodu(m_nagKolory.at(c)) : QColor();
    p.setPen(k.isValid() ? k : KolorTekstu());
    const QChar j = (c >= 0 && c < m_nagJustuj.size()) ? m_nagJustuj.at(c) : QChar(QLatin1Char('L'));
    p.drawText(R.adjusted(1, 1, -1, -1), int(Wyrownanie(j)) | Qt::AlignVCenter | Qt::TextWordWrap, S);
    p.setFont(font());
}

void TjustGrid::DrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan)
{
    const QString S = Cells(c, r).replace(QLatin1Char('|'), QChar(13));
    const bool gradient = DrawingStyle() == gdsGradient;
    if (r < FixedRows()) {
        if (gradient)
            RysujNaglowek(p, c, QString(S).replace(QChar(13), QChar(10)), R);
        else
            PiszCelke(p, S, R, c, r, KolorPisma(c), KolorStalych());
        if (m_autoFixLinie) {
            p.setPen(NaQColor(KolorStylu(23)));
            p.drawLine(R.left(), R.bottom(), R.right(), R.bottom());
        }
    } else {
        const TGridOptions o = Options();
        const bool zazn = stan & gdSelected, fok = stan & gdFocused;
        if ((o & (goRowSelect | goRangeSelect)) || (zazn && !fok))
            PiszCelke(p, S, R, c, r);
        else if (zazn && fok)
            (o & goDrawFocusSelected) ? PiszCelke(p, S, R, c, r)
                                      : PiszCelke(p, S, R, c, r, KolorPisma(c), KolorPapieru(c));
        else if (c < FixedCols()) {
            if (gradient && m_kol0grad)
                RysujNaglowek(p, c, QString(S).replace(QChar(13), QChar(10)), R);
            else
                PiszCelke(p, S, R, c, r, KolorPisma(c), KolorStalych());
        } else
            PiszCelke(p, S, R, c, r, KolorPisma(c), KolorPapieru(c));
    }
    if (OnDrawCell)
        OnDrawCell(p, c, r, R, stan);
}
