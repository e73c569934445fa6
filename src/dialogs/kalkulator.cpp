#include "kalkulator.h"

#include "common/formaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/ikonyapli.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/platforma.h"
#include "controls/stylmenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

namespace {

QPointer<TDlgKalkulat> g_wolny;
QPointer<TDlgKalkulat> g_polowy;
// Where the free-standing calculator was last; -1, -1 until it has been closed once.
QPoint g_polozenie(-1, -1);

QString TytulWolnego() { return QStringLiteral("Kalkulator (używa schowka)"); }

// The part of a hint before its first "|" is what the tool tip shows.
QString KrotkaPodpowiedz(const QString &hint) { return hint.section(QLatin1Char('|'), 0, 0); }
QString Linie(const QString &hint) { return QString(hint).replace(QLatin1Char('|'), QLatin1Char('\n')); }

QString PodpowiedzWyswietlacza()
{
    return QStringLiteral("Prawy przycisk myszy rozwija menu.|Można przeciągać myszką wartość z|wyświetlacza, do "
                          "edytora i wklejać|wartości ze schowka na wyświetlacz");
}

QString PodpowiedzTasmy()
{
    return QStringLiteral("Prawy przycisk myszy rozwija menu.|Można przeciągać myszką wartości z|taśmy, np do "
                          "edytora|Włączającc i wyłączając widok taśmy|można zmieniać rozmiar kalkulatora");
}

// Designed sizes (96 dpi): keys 27 × 23 in 5 columns and 6 rows.
constexpr int kMargines = 6;
constexpr int kKlawiszW = 27;
constexpr int kKlawiszH = 23;
constexpr int kOdstepX = 2;
constexpr int kOdstepY = 3;
constexpr int kWysokWyswietlacza = 28;
constexpr int kSzerZnacznika = 14;
constexpr int kSzerTasmy = 142;

int S(int n) { return SkalujDpi(n); }

int SzerKlawiatury() { return 5 * kKlawiszW + 4 * kOdstepX; }
int WysKlawiatury() { return 6 * kKlawiszH + 5 * kOdstepY; }

QFont CzcionkaTasmy()
{
    UstawCzcionkiZastepcze();
    if (JestConsolas())
        return QFont(QStringLiteral("Consolas"), 10);
    if (JestLucidaConsole())
        return QFont(QStringLiteral("Lucida Console"), 9);
    QFont f(QStringLiteral("Courier New"), 10);
    f.setBold(true);
    return f;
}

void StylMenu(QMenu *menu) { StylizujPaski(nullptr, {}, {menu}); }

// Kinds of keys, each with its own colours.
enum class Trodzaj { Cyfra, Dzialanie, Wynik, Pamiec, Kasuj, Tekst };

class TprzyciskKalk : public QAbstractButton {
public:
    TprzyciskKalk(const QString &napis, Trodzaj rodzaj, QWidget *rodzic) : QAbstractButton(rodzic), m_rodzaj(rodzaj)
    {
        setText(napis);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        QFont f = font();
        f.setPixelSize(S(rodzaj == Trodzaj::Tekst ? 11 : 13));
        f.setBold(rodzaj != Trodzaj::Tekst);
        setFont(f);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter g(this);
        g.setRenderHint(QPainter::Antialiasing);
        TKolor gora = RGB(255, 255, 255), dol = RGB(232, 236, 242), tekst = RGB(0, 0, 0);
        switch (m_rodzaj) {
        case Trodzaj::Cyfra: break;
        case Trodzaj::Dzialanie:
            gora = Pastel(KolorStylu(1), 245);
            dol = KolorStylu(1);
            tekst = KolorStylu(46);
            break;
        case Trodzaj::Wynik:
            gora = Pastel(KolorStylu(19), 200);
            dol = KolorWzgledny(KolorStylu(1), -25);
            tekst = KolorStylu(46);
            break;
        case Trodzaj::Pamiec:
            gora = RGB(255, 255, 255);
            dol = KolorStylu(24);
            tekst = KolorStylu(47);
            break;
        case Trodzaj::Kasuj:
            gora = RGB(255, 255, 255);
            dol = RGB(250, 228, 222);
            tekst = KolorStylu(45);
            break;
        case Trodzaj::Tekst:
            gora = RGB(255, 255, 255);
            dol = KolorStylu(25);
            tekst = KolorStylu(43);
            break;
        }
        if (isDown()) {
            gora = KolorWzgledny(dol, -20);
            dol = KolorWzgledny(dol, -8);
        } else if (underMouse() && isEnabled()) {
            gora = Pastel(KolorStylu(2), 250);
            dol = KolorStylu(2);
        }
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient gr(r.topLeft(), r.bottomLeft());
        gr.setColorAt(0, NaQColor(gora));
        gr.setColorAt(1, NaQColor(dol));
        g.setBrush(gr);
        g.setPen(NaQColor(isDown() ? KolorStylu(19) : KolorWzgledny(KolorStylu(19), 60)));
        g.drawRoundedRect(r, 3, 3);
        g.setPen(NaQColor(isEnabled() ? tekst : RGB(128, 128, 128)));
        g.drawText(rect().translated(0, isDown() ? 1 : 0), Qt::AlignCenter, text());
    }

private:
    Trodzaj m_rodzaj;
};

}   // namespace

// The display: the value right-aligned, bold, on its own colour.
class TwyswietlaczKalk : public QWidget {
public:
    explicit TwyswietlaczKalk(QWidget *rodzic) : QWidget(rodzic)
    {
        setFocusPolicy(Qt::StrongFocus);
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(S(15));
        f.setBold(true);
        setFont(f);
    }
    void UstawTekst(const QString &t)
    {
        if (t == m_tekst)
            return;
        m_tekst = t;
        update();
    }
    QString Tekst() const { return m_tekst; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter g(this);
        g.fillRect(rect(), NaQColor(KolorStylu(102)));
        g.setPen(NaQColor(hasFocus() ? KolorStylu(19) : KolorWzgledny(KolorStylu(19), 40)));
        g.drawRect(rect().adjusted(0, 0, -1, -1));
        g.setPen(NaQColor(RGB(0, 0, 0)));
        // The text as it is: its spaces keep the digits in their column.
        g.drawText(rect().adjusted(S(3), 0, -S(5), 0), Qt::AlignRight | Qt::AlignVCenter, m_tekst);
    }
    void focusInEvent(QFocusEvent *e) override
    {
        update();
        QWidget::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent *e) override
    {
        update();
        QWidget::focusOutEvent(e);
    }

private:
    QString m_tekst;
};

TDlgKalkulat::TDlgKalkulat(Tsesja sesja, QWidget *forma, Qt::WindowFlags flagi)
    : TMaleOkno(forma,
                flagi ? flagi
                      : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                sesja != Wolny),
      m_sesja(sesja)
{
    if (m_sesja == Wolny)
        g_wolny = this;
    else
        g_polowy = this;
    FormCreate();
    UstawRamke(m_sesja == PodPolem);
}

TDlgKalkulat::~TDlgKalkulat()
{
    ZapiszStanKalkulatora(m_logika.Stan());
    if (m_sesja == Wolny)
        g_polozenie = pos();
}

TDlgKalkulat *TDlgKalkulat::Wolnostojacy() { return g_wolny.data(); }
TDlgKalkulat *TDlgKalkulat::DlaPola() { return g_polowy.data(); }

void TDlgKalkulat::FormCreate()
{
    setWindowTitle(TytulWolnego());
    setWindowIcon(IkonyApli16().Ikona(Ikona::Kalkulator16));
    // The calculator never keeps the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_znacznik = new QLabel(this);
    m_znacznik->setAlignment(Qt::AlignCenter);
    m_znacznik->setAutoFillBackground(true);
    m_wyswietlacz = new TwyswietlaczKalk(this);
    m_wyswietlacz->setToolTip(Linie(PodpowiedzWyswietlacza()));
    m_wyswietlacz->installEventFilter(this);
    setFocusProxy(m_wyswietlacz);

    m_panelTasmy = JasnyPasekGradientu(this);
    m_tasma = new QListWidget(m_panelTasmy);
    m_tasma->setFont(CzcionkaTasmy());
    m_tasma->setFocusPolicy(Qt::NoFocus);
    m_tasma->setToolTip(Linie(PodpowiedzTasmy()));
    m_tasma->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_tasma->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tasma->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tasma->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tasma->viewport()->installEventFilter(this);
    QPalette pt = m_tasma->palette();
    pt.setColor(QPalette::Base, NaQColor(KolorStylu(24)));   // paper
    m_tasma->setPalette(pt);

    UtworzKlawisze();
    UtworzMenu();
    PrzygotujForme(this);

    QFont fz = m_znacznik->font();
    fz.setBold(true);
    m_znacznik->setFont(fz);
    QPalette pz = m_znacznik->palette();
    pz.setColor(QPalette::Window, NaQColor(KolorStylu(102)));
    pz.setColor(QPalette::WindowText, NaQColor(KolorStylu(45)));
    m_znacznik->setPalette(pz);

    m_szerGradTasmy = S(kSzerTasmy);
    m_szerokKlienta = S(kMargines) + S(SzerKlawiatury()) + S(4) + m_szerGradTasmy + S(4);
    m_wysokKlienta = S(kMargines) + S(kWysokWyswietlacza) + S(kMargines) + S(WysKlawiatury()) + S(kMargines);
    UlozKontrolki();

    m_logika = TlogikaKalkulatora(OdtworzStanKalkulatora());
    m_memOper = QLatin1Char('A');
    m_lastKey = QChar();
    PokazTasme(true);
    Odswiez();
    m_wyswietlacz->setFocus();
}

void TDlgKalkulat::UtworzKlawisze()
{
    struct Opis {
        const char *nazwa;
        const char *napis;
        char kod;   // 0: a key with its own handler
        Trodzaj rodzaj;
        int kolumna, wiersz, szerokosc;
    };
    // Row 1: memories, sign, delete; rows 2-5: digits and operations; row 6: clear,
    // the clipboard key three columns wide, square root.
    static const Opis opisy[] = {
        {"Klawisz_Mpl", "M+", 0, Trodzaj::Pamiec, 0, 0, 1},
        {"Klawisz_Mre", "MR", 0, Trodzaj::Pamiec, 1, 0, 1},
        {"Klawisz_Mcl", "MC", 0, Trodzaj::Pamiec, 2, 0, 1},
        {"Klawisz_Znk", "±", 'Z', Trodzaj::Dzialanie, 3, 0, 1},
        {"Klawisz_Del", "←", '<', Trodzaj::Kasuj, 4, 0, 1},
        {"Klawisz_7", "7", '7', Trodzaj::Cyfra, 0, 1, 1},
        {"Klawisz_8", "8", '8', Trodzaj::Cyfra, 1, 1, 1},
        {"Klawisz_9", "9", '9', Trodzaj::Cyfra, 2, 1, 1},
        {"Klawisz_div", "÷", '/', Trodzaj::Dzialanie, 3, 1, 1},
        {"Klawisz_Prc", "%", '%', Trodzaj::Dzialanie, 4, 1, 1},
        {"Klawisz_4", "4", '4', Trodzaj::Cyfra, 0, 2, 1},
        {"Klawisz_5", "5", '5', Trodzaj::Cyfra, 1, 2, 1},
        {"Klawisz_6", "6", '6', Trodzaj::Cyfra, 2, 2, 1},
        {"Klawisz_raz", "×", '*', Trodzaj::Dzialanie, 3, 2, 1},
        {"Klawisz_Gr", "gr", 'G', Trodzaj::Dzialanie, 4, 2, 1},
        {"Klawisz_1", "1", '1', Trodzaj::Cyfra, 0, 3, 1},
        {"Klawisz_2", "2", '2', Trodzaj::Cyfra, 1, 3, 1},
        {"Klawisz_3", "3", '3', Trodzaj::Cyfra, 2, 3, 1},
        {"Klawisz_Dod", "+", '+', Trodzaj::Dzialanie, 3, 3, 1},
        {"Klawisz_X2", "x²", '^', Trodzaj::Dzialanie, 4, 3, 1},
        {"Klawisz_0", "0", '0', Trodzaj::Cyfra, 0, 4, 1},
        {"Klawisz_sep", ",", '.', Trodzaj::Cyfra, 1, 4, 1},
        {"Klawisz_Equ", "=", '=', Trodzaj::Wynik, 2, 4, 1},
        {"Klawisz_min", "−", '-', Trodzaj::Dzialanie, 3, 4, 1},
        {"Klawisz_Inv", "1/x", 'i', Trodzaj::Dzialanie, 4, 4, 1},
        {"Klawisz_Clr", "C", 'C', Trodzaj::Kasuj, 0, 5, 1},
        {"Klawisz_Sch", "Do schowka", 0, Trodzaj::Tekst, 1, 5, 3},
        {"Klawisz_Sqrt", "√", 'v', Trodzaj::Dzialanie, 4, 5, 1},
    };
    for (const Opis &o : opisy) {
        auto *b = new TprzyciskKalk(QString::fromUtf8(o.napis), o.rodzaj, this);
        const QString nazwa = QString::fromLatin1(o.nazwa);
        b->setObjectName(nazwa);
        b->setProperty("kolumna", o.kolumna);
        b->setProperty("wiersz", o.wiersz);
        b->setProperty("szerokosc", o.szerokosc);
        if (o.kod) {
            b->setProperty("kod", QChar(QLatin1Char(o.kod)));
            connect(b, &QAbstractButton::clicked, this, &TDlgKalkulat::KalkulatKlaw);
        }
        m_klawisze.insert(nazwa, b);
    }
    for (const char *n : {"Klawisz_Mpl", "Klawisz_Mre", "Klawisz_Mcl"})
        connect(m_klawisze.value(QLatin1String(n)), &QAbstractButton::clicked, this, &TDlgKalkulat::Klawisz_MemClick);
    connect(m_klawisze.value(QStringLiteral("Klawisz_Sch")), &QAbstractButton::clicked, this,
            &TDlgKalkulat::Klawisz_SchClick);

    auto podpowiedz = [this](const char *nazwa, const QString &hint) {
        m_klawisze.value(QLatin1String(nazwa))->setToolTip(KrotkaPodpowiedz(hint));
    };
    podpowiedz("Klawisz_Mpl", QStringLiteral(" Dodaj do jednej z pamięci  A .. E |"));
    podpowiedz("Klawisz_Mre", QStringLiteral(" Czytaj jedną z pamięci  A .. E |"));
    podpowiedz("Klawisz_Mcl", QStringLiteral(" Kasuj jedna z pamięci  A .. E |"));
    podpowiedz("Klawisz_Znk", QStringLiteral(" zmiana znaku |"));
    podpowiedz("Klawisz_div", QStringLiteral(" dzielenie |"));
    podpowiedz("Klawisz_Clr", QStringLiteral(" kasuj całość |"));
    podpowiedz("Klawisz_Gr", QStringLiteral(" Zaokrąglić do groszy "));
    podpowiedz("Klawisz_Sch", QStringLiteral(" Kopiuj wartość wyświetlacza do schowka \n"
                                             " Ze schowka na wyświetlacz i do pamięci \n"
                                             " kopiuj prawym klawiszem myszki "));
    podpowiedz("Klawisz_Del", QStringLiteral(" Usuń cyfrę z wyświetlacza.\n Na klawiaturze komputera \n"
                                             " szara strzałka nad  \"Enter\".|"));
}

void TDlgKalkulat::UtworzMenu()
{
    m_menuPamieci = new QMenu(this);
    m_menuPamieci->setFont(CzcionkaTasmy());
    for (int n = 1; n <= 5; ++n) {
        QAction *a = m_menuPamieci->addAction(QString());
        connect(a, &QAction::triggered, this, [this, n] { ObslugaMemMenu(n); });
    }
    StylMenu(m_menuPamieci);

    m_popMenu = new QMenu(this);
    m_popImport = m_popMenu->addAction(QStringLiteral("Wklej ze schowka na wyświetlacz"));
    connect(m_popImport, &QAction::triggered, this, &TDlgKalkulat::PopMen_ImportClick);
    m_popMenu->addSeparator();
    for (int n = 1; n <= 5; ++n) {
        QAction *a = m_popMenu->addAction(QStringLiteral("Dodaj ze schowka do pamęci   ") + QChar(u'A' + n - 1));
        connect(a, &QAction::triggered, this, [this, n] { PopMen_mem1_5(n); });
        m_popPamiec.append(a);
    }
    m_popMenu->addSeparator();
    m_popTasma = m_popMenu->addAction(QStringLiteral("Pokazuj taśmę historii obliczeń"));
    m_popTasma->setCheckable(true);
    m_popTasma->setChecked(true);
    connect(m_popTasma, &QAction::triggered, this, &TDlgKalkulat::PopMen_TasmaTakClick);
    StylMenu(m_popMenu);
}

void TDlgKalkulat::UlozKontrolki()
{
    const int x0 = S(kMargines), y0 = S(kMargines);
    m_znacznik->setGeometry(x0, y0, S(kSzerZnacznika), S(kWysokWyswietlacza));
    const int xw = x0 + S(kSzerZnacznika) + S(2);
    m_wyswietlacz->setGeometry(xw, y0, x0 + S(SzerKlawiatury()) - xw, S(kWysokWyswietlacza));

    const int yk = y0 + S(kWysokWyswietlacza) + S(kMargines);
    for (QAbstractButton *b : std::as_const(m_klawisze)) {
        const int k = b->property("kolumna").toInt(), w = b->property("wiersz").toInt(),
                  sz = b->property("szerokosc").toInt();
        const int x = x0 + S(k * (kKlawiszW + kOdstepX));
        const int y = yk + S(w * (kKlawiszH + kOdstepY));
        const int szer = S(sz * kKlawiszW + (sz - 1) * kOdstepX);
        b->setGeometry(x, y, szer, S(kKlawiszH));
    }

    const int xt = x0 + S(SzerKlawiatury()) + S(4);
    m_panelTasmy->setGeometry(xt, y0, m_szerGradTasmy, m_wysokKlienta - 2 * y0);
    m_tasma->setGeometry(m_panelTasmy->rect().adjusted(S(3), S(3), -S(3), -S(3)));
}

QAbstractButton *TDlgKalkulat::Klawisz(const QString &nazwa) const { return m_klawisze.value(nazwa); }
QWidget *TDlgKalkulat::Wyswietlacz() const { return m_wyswietlacz; }

void TDlgKalkulat::Odswiez()
{
    m_wyswietlacz->UstawTekst(m_logika.Wyswietlacz());
    m_znacznik->setText(QString(m_logika.ZnacznikPamieci()));
    OdswiezTasme();
}

void TDlgKalkulat::OdswiezTasme()
{
    const QStringList &linie = m_logika.Tasma();
    bool inna = m_tasma->count() != linie.size();
    for (int i = 0; !inna && i < linie.size(); ++i)
        inna = m_tasma->item(i)->text() != linie.at(i);
    if (!inna)
        return;
    m_tasma->clear();
    m_tasma->addItems(linie);
    // The last lines in view; the scroll bar stops where the last line reaches the bottom.
    if (m_tasma->count() > 0)
        m_tasma->scrollToItem(m_tasma->item(m_logika.PierwszaWidocznaLinia()), QAbstractItemView::PositionAtTop);
}

void TDlgKalkulat::ObsluzKlawisz(QChar kod, int n)
{
    if (isVisible())
        m_wyswietlacz->setFocus();
    m_logika.ObsluzKlawisz(kod, n);
    Odswiez();
}

void TDlgKalkulat::KalkulatKlaw()
{
    const QChar kod = sender() ? sender()->property("kod").value<QChar>() : QChar();
    if (!kod.isNull())
        ObsluzKlawisz(kod);
}

void TDlgKalkulat::KlawiszZKlawiatury(QChar znak)
{
    const TklawiszKalk k = KlawiszKalkulatora(znak, m_lastKey, SesjaModalna());
    m_lastKey = znak.toUpper();
    if (!k.kod.isNull())
        ObsluzKlawisz(k.kod);
    switch (k.akcja) {
    case TakcjaKlawisza::Nic: break;
    case TakcjaKlawisza::Wstaw: Klawisz_SchClick(); break;
    case TakcjaKlawisza::Zamknij: close(); break;
    case TakcjaKlawisza::Fokus:
        raise();
        activateWindow();
        m_wyswietlacz->setFocus();
        break;
    case TakcjaKlawisza::MenuDodaj: OtworzMenuPamieci(Klawisz(QStringLiteral("Klawisz_Mpl")), QLatin1Char('A')); break;
    case TakcjaKlawisza::MenuCzytaj: OtworzMenuPamieci(Klawisz(QStringLiteral("Klawisz_Mre")), QLatin1Char('R')); break;
    case TakcjaKlawisza::MenuKasuj: OtworzMenuPamieci(Klawisz(QStringLiteral("Klawisz_Mcl")), QLatin1Char('K')); break;
    case TakcjaKlawisza::Kopiuj: {
        double v = 0;
        if (!KopiujDoSchowka(v))
            QApplication::beep();
        break;
    }
    case TakcjaKlawisza::Wklej: PopMen_ImportClick(); break;
    }
}

void TDlgKalkulat::WpiszTekst(const QString &tekst)
{
    for (QChar c : tekst)
        KlawiszZKlawiatury(c);
}

bool TDlgKalkulat::KopiujDoSchowka(double &wartosc)
{
    // The overflow text is no value: neither the clipboard nor the field gets a 0 for it.
    if (!m_logika.WartoscWyswietlacza(wartosc))
        return false;
    QGuiApplication::clipboard()->setText(Trim(FormatWyswietlacza(wartosc)));
    return true;
}

void TDlgKalkulat::Klawisz_SchClick()
{
    double v = 0;
    if (!KopiujDoSchowka(v)) {
        QApplication::beep();
        return;
    }
    if (SesjaModalna() && !Zamkniete()) {
        m_wynik = v;
        ZamknijZWynikiem();
    }
}

void TDlgKalkulat::OtworzMenuPamieci(QAbstractButton *przycisk, QChar oper)
{
    m_memOper = oper;
    const QList<QAction *> akcje = m_menuPamieci->actions();
    for (int n = 1; n <= akcje.size(); ++n)
        akcje.at(n - 1)->setText(QStringLiteral("&") + QChar(u'A' + n - 1) + QLatin1Char('=')
                                 + FormatWyswietlacza(m_logika.Pamiec(n)));
    if (przycisk && isVisible())
        m_menuPamieci->popup(przycisk->mapToGlobal(QPoint(0, przycisk->height())));
}

void TDlgKalkulat::Klawisz_MemClick()
{
    auto *b = qobject_cast<QAbstractButton *>(sender());
    if (!b)
        return;
    const QChar oper = b->objectName() == QLatin1String("Klawisz_Mre")   ? QLatin1Char('R')
                       : b->objectName() == QLatin1String("Klawisz_Mcl") ? QLatin1Char('K')
                                                                         : QLatin1Char('A');
    OtworzMenuPamieci(b, oper);
}

void TDlgKalkulat::ObslugaMemMenu(int n) { ObsluzKlawisz(m_memOper, n); }

void TDlgKalkulat::PopMen_ImportClick()
{
    if (m_logika.WpiszLiczbe(QGuiApplication::clipboard()->text())) {
        if (isVisible())
            m_wyswietlacz->setFocus();
        Odswiez();
    }
}

void TDlgKalkulat::PopMen_mem1_5(int n)
{
    if (m_logika.DodajDoPamieci(n, QGuiApplication::clipboard()->text()))
        Odswiez();
}

void TDlgKalkulat::PopMen_TasmaTakClick() { PokazTasme(m_popTasma->isChecked()); }

void TDlgKalkulat::PokazTasme(bool pokaz)
{
    m_popTasma->setChecked(pokaz);
    m_panelTasmy->setVisible(pokaz);
    const int szer = pokaz ? m_szerokKlienta : m_szerokKlienta - m_szerGradTasmy - S(2);
    UstawStalyRozmiar(szer, m_wysokKlienta);
    UstawTytul();
    update();
}

bool TDlgKalkulat::TasmaWidoczna() const { return m_popTasma->isChecked(); }

void TDlgKalkulat::UstawTytul()
{
    if (m_sesja == Polowy)
        setWindowTitle(TasmaWidoczna() ? QStringLiteral("Wstaw lub anuluj - kliknij obok")
                                       : QStringLiteral("Wstaw / Anuluj-kliknij obok"));
}

void TDlgKalkulat::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

void TDlgKalkulat::UstawPoczatek(double poczatek)
{
    if (poczatek == 0)
        return;
    for (int i = 0; i < kSzerokoscWyswietlacza; ++i)
        m_logika.ObsluzKlawisz(QLatin1Char('<'));
    m_logika.WpiszLiczbe(FloatKrotko(true, poczatek));
    Odswiez();
}

void TDlgKalkulat::ZacznijPrzeciaganie(bool zTasmy)
{
    QString tekst;
    if (zTasmy) {
        tekst = m_logika.Tasma().join(QStringLiteral("\r\n"));
    } else {
        double v = 0;
        if (m_logika.WartoscWyswietlacza(v))
            tekst = Trim(FormatWyswietlacza(v));
    }
    if (tekst.isEmpty())
        return;
    auto *dane = new QMimeData;
    dane->setText(tekst);
    auto *drag = new QDrag(this);
    drag->setMimeData(dane);
    drag->exec(Qt::CopyAction);
}

bool TDlgKalkulat::eventFilter(QObject *o, QEvent *e)
{
    const bool zrodlo = o == m_wyswietlacz || o == m_tasma->viewport();
    if (zrodlo) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton) {
                m_startPrzeciagania = m->position().toPoint();
                m_zrodloPrzeciagania = o;
            }
            break;
        }
        case QEvent::MouseMove: {
            auto *m = static_cast<QMouseEvent *>(e);
            if (m_zrodloPrzeciagania == o && (m->buttons() & Qt::LeftButton)
                && (m->position().toPoint() - m_startPrzeciagania).manhattanLength()
                       >= QApplication::startDragDistance()) {
                m_zrodloPrzeciagania = nullptr;
                ZacznijPrzeciaganie(o != m_wyswietlacz);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease: m_zrodloPrzeciagania = nullptr; break;
        default: break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TDlgKalkulat::keyPressEvent(QKeyEvent *e)
{
    QChar znak;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        znak = QChar(kZnakEnter);
    else if (e->key() == Qt::Key_Escape)
        znak = QChar(kZnakEscape);
    else if (e->key() == Qt::Key_Backspace)
        znak = QChar(kZnakBackspace);
    else if (e->matches(QKeySequence::Copy))
        znak = QChar(kZnakCtrlC);
    else if (e->matches(QKeySequence::Paste))
        znak = QChar(kZnakCtrlV);
    else if (!e->text().isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
             && e->text().at(0).unicode() >= 32)
        znak = e->text().at(0);
    if (znak.isNull()) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    KlawiszZKlawiatury(znak);
}

void TDlgKalkulat::contextMenuEvent(QContextMenuEvent *e)
{
    m_popMenu->popup(e->globalPos());
    e->accept();
}

void PokazKalkulator(int left, int top)
{
    TDlgKalkulat *k = g_wolny.data();
    if (!k) {
        k = new TDlgKalkulat(TDlgKalkulat::Wolny);
        k->setAttribute(Qt::WA_DeleteOnClose);
        // A calculator still open when the program ends goes with it (and leaves its state).
        static bool polaczono = false;
        if (!polaczono && qApp) {
            polaczono = true;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete g_wolny.data(); });
        }

        QPoint p(left == -2 ? g_polozenie.x() : left, top == -2 ? g_polozenie.y() : top);
        // A remembered place on a screen that is no longer there is no place.
        if (p.x() != -1 && p.y() != -1 && !QGuiApplication::screenAt(p + QPoint(S(20), S(10))))
            p = QPoint(-1, -1);
        if (p.x() == -1 || p.y() == -1)
            k->UmiescNadOknem(nullptr);
        else
            k->move(p);
    }
    k->setWindowState(k->windowState() & ~Qt::WindowMinimized);
    k->show();
    k->raise();
    k->activateWindow();
}

bool KalkulatorDlaPola(QWidget *forma, QWidget *pole, double &wynik, double poczatek)
{
    if (g_polowy)
        return false;
    QWidget *okno = OknoWlasciciela(forma, pole);
    const Qt::WindowFlags flagi =
        FlagiMalegoOkna(okno, pole, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *dlg = new TDlgKalkulat(pole ? TDlgKalkulat::PodPolem : TDlgKalkulat::Polowy, okno, flagi);
    dlg->Klawisz(QStringLiteral("Klawisz_Sch"))->setText(QStringLiteral("Wstaw w pole"));
    if (pole) {
        dlg->PokazTasme(false);
        dlg->UmiescPodPolem(pole);
    } else {
        // The tape only when the form is wide enough to show it beside.
        const int szerFormy = okno ? okno->frameGeometry().width() : ObszarEkranu(nullptr).width();
        dlg->PokazTasme(szerFormy > dlg->SzerokKlienta() + 50);
        dlg->UmiescNadOknem(okno);
    }
    dlg->UstawPoczatek(poczatek);
    return CzekajNaWynik(dlg, okno, [&wynik](TDlgKalkulat &d) { wynik = d.Wynik(); });
}

void ZainstalujKalkulator()
{
    ProcKalkulator = [](QObject *forma, QObject *kontrolka, double &wynik, double poczatek) {
        return KalkulatorDlaPola(qobject_cast<QWidget *>(forma), qobject_cast<QWidget *>(kontrolka), wynik, poczatek);
    };
}
