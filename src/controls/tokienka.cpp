#include "tokienka.h"

#include "fokus.h"
#include "kolory.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <QFocusEvent>
#include <cmath>
#include <limits>

namespace {

const QString kMaskaDaty = QStringLiteral("!99/99/9999;1; ");

// Whether a text reads as a number at all (blank reads as 0). Two different defaults tell
// a failed reading from a number that happens to equal the default.
bool CzyLiczba(const QString &s, double &x)
{
    x = TekstNaFloat(s, 1.0);
    if (x == 1.0 && TekstNaFloat(s, 2.0) == 2.0)
        return false;
    return std::isfinite(x);
}

bool CzyCalkowita(const QString &s, long long &n)
{
    const int a = TekstNaInt(s, 1);
    if (a == 1 && TekstNaInt(s, 2) == 2)
        return false;
    n = a;
    return true;
}

bool RegulaMinusa(QChar z, int pozycja, const QString &przed)
{
    return z == QLatin1Char('-') && pozycja == 0 && !przed.contains(QLatin1Char('-'));
}

bool RegulaPrzecinka(QChar z, int pozycja, const QString &przed)
{
    return z == QLatin1Char(',') && pozycja != 0 && !przed.contains(QLatin1Char(','));
}

}   // namespace

// ---------------------------------------------------------------- TokienkoBaza

TokienkoBaza::TokienkoBaza(QWidget *rodzic) : TPoleFiltrowane(rodzic) {}

void TokienkoBaza::setXNkolor(int nr)
{
    m_nkolor = nr;
    if (nr == 0)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Base, NaQColor(KolorStylu(nr)));
    setPalette(p);
}

int TokienkoBaza::Szerokosc() const
{
    // QLineEdit's "no limit" is 32767
    return maxLength() >= 32767 ? 0 : maxLength();
}

void TokienkoBaza::PiszTekst(const QString &t)
{
    if (t != Tekst())
        UstawTekst(t);
}

void TokienkoBaza::focusInEvent(QFocusEvent *e)
{
    const bool wejscie = PrawdziweWejscie(e);
    if (wejscie && !isReadOnly())
        PrzyWejsciu();
    QLineEdit::focusInEvent(e);
    if (wejscie && m_autoSelect && e->reason() != Qt::MouseFocusReason)
        selectAll();
}

void TokienkoBaza::focusOutEvent(QFocusEvent *e)
{
    // A field the user cannot change is not held: nobody could correct it.
    if (PrawdziweWyjscie(e) && !isReadOnly() && isEnabled()) {
        if (!TestPolaOK()) {
            // The message and the return of the focus wait until the focus change is over:
            // a modal box in the middle of it would leave the focus half moved.
            QMetaObject::invokeMethod(
                this, [this] { PoNieudanymWyjsciu(); }, Qt::QueuedConnection);
        }
    }
    QLineEdit::focusOutEvent(e);
}

bool TokienkoBaza::SprawdzJakPrzyWyjsciu()
{
    if (isReadOnly() || !isEnabled() || TestPolaOK())
        return true;
    Odrzuc();
    return false;
}

void TokienkoBaza::PoNieudanymWyjsciu()
{
    // closed meanwhile, or corrected by the program
    if (!isVisible() || m_testOK)
        return;
    Odrzuc();
}

void TokienkoBaza::Odrzuc()
{
    if (m_boxErr)
        KomunikatNiepoprawnejWartosci(this, accessibleName(), text());
    if (m_cofnij && MozeMiecFokus(this) && !hasFocus())
        PrzywrocFokus(this);
    emit odrzucono();
}

// ---------------------------------------------------------------- TokienkoTekst

TokienkoTekst::TokienkoTekst(QWidget *rodzic) : TokienkoBaza(rodzic) {}

bool TokienkoTekst::ZnakFormatu(const QString &format, const QString &specjal, QChar &znak, int pozycja,
                                const QString &tekstPrzed)
{
    const QChar klasa = format.isEmpty() ? QLatin1Char('x') : format.at(0);
    if (klasa == QLatin1Char('X') || klasa == QLatin1Char('L') || klasa == QLatin1Char('A')
        || klasa == QLatin1Char('F'))
        znak = znak.toUpper();
    const bool bezSpacji = format.mid(1).contains(QLatin1Char('D'), Qt::CaseInsensitive);
    const QChar z = znak;
    const bool spacja = z == QLatin1Char(' ') && !bezSpacji;
    bool ok;
    switch (klasa.toUpper().unicode()) {
    case 'A': ok = JestLitera(z) || JestCyfra(z) || spacja; break;
    case 'C': ok = JestCyfra(z); break;
    case 'F': ok = JestLitera(z) || JestCyfra(z) || z == QLatin1Char('_'); break;
    case 'K': ok = JestCyfra(z) || RegulaPrzecinka(z, pozycja, tekstPrzed); break;
    case 'L': ok = JestLitera(z) || spacja; break;
    case 'M': ok = JestCyfra(z) || RegulaMinusa(z, pozycja, tekstPrzed); break;
    case 'N':
        ok = JestCyfra(z) || RegulaMinusa(z, pozycja, tekstPrzed) || RegulaPrzecinka(z, pozycja, tekstPrzed);
        break;
    default: ok = true; break;
    }
    return ok || specjal.contains(z);
}

bool TokienkoTekst::Opcja(QChar o) const { return m_format.mid(1).contains(o, Qt::CaseInsensitive); }

bool TokienkoTekst::PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed)
{
    return ZnakFormatu(m_format, m_specjal, znak, pozycja, tekstPrzed);
}

void TokienkoTekst::WklejTekst(const QString &tekst)
{
    if (!Maska().isEmpty()) {
        TPoleFiltrowane::WklejTekst(tekst);
        return;
    }
    const QString stary = text();
    const int start = PozycjaWstawiania();
    const int zaznaczone = hasSelectedText() ? int(selectedText().size()) : 0;
    QString s = tekst;
    if (Szerokosc() > 0)
        s = s.left(qMax(0, Szerokosc() - (int(stary.size()) - zaznaczone)));
    const QString nowy = stary.left(start) + s + stary.mid(start + zaznaczone);
    // Every pasted character passes the typing rule at its place in the new text, so a
    // pasted "-" or "," obeys the same "once, and where" rule as a typed one.
    for (int i = int(s.size()) - 1; i >= 0; --i) {
        const int poz = start + i;
        QChar z = nowy.at(poz);
        QString bez = nowy;
        bez.remove(poz, 1);
        if (!ZnakFormatu(m_format, m_specjal, z, poz, bez)) {
            if (XBoxErr())
                KomunikatNiepoprawnejWartosci(this, accessibleName(), tekst);
            return;
        }
        s[i] = z;
    }
    insert(s);
}

void TokienkoTekst::PrzyWejsciu()
{
    if (!Maska().isEmpty())
        return;
    QString t = Trim(text());
    if (Szerokosc() > 0)
        t = t.left(Szerokosc());
    PiszTekst(t);
}

bool TokienkoTekst::TestPolaOK()
{
    if (!Maska().isEmpty()) {
        m_testOK = !Opcja(QLatin1Char('#')) || !PustyWMasce();
        return m_testOK;
    }
    QString t = Trim(text());
    if (Opcja(QLatin1Char('U')))
        t = DuzaPierwsza(t);
    if (Opcja(QLatin1Char('D')))
        t.remove(QLatin1Char(' '));
    PiszTekst(t);
    m_testOK = !Opcja(QLatin1Char('#')) || !t.isEmpty();
    return m_testOK;
}

// ---------------------------------------------------------------- TokienkoData

TokienkoData::TokienkoData(QWidget *rodzic) : TokienkoBaza(rodzic)
{
    UstawMaske(kMaskaDaty);
    setMaxLength(10);
}

double TokienkoData::XWartosc() const { return TekstNaDate(Tekst(), 0); }

void TokienkoData::setXWartosc(double wartosc)
{
    UstawTekst(DataNaTekst(QString(), wartosc));
    m_wartosc = TekstNaDate(Tekst(), 0);
    update();
}

bool TokienkoData::TestPolaOK()
{
    const double x = TekstNaDate(Tekst(), kDataMax);
    bool ok = x != kDataMax;
    if (ok && m_min != 0)
        ok = x >= LiczbaNaDate(m_min);
    if (ok && m_max != 0)
        ok = x <= LiczbaNaDate(m_max);
    if (ok) {
        PiszTekst(DataNaTekst(QString(), x));
        m_wartosc = x;
    }
    m_testOK = ok;
    return ok;
}

void TokienkoData::PrzyWejsciu() { PiszTekst(TrimPrawy(Tekst())); }

// ---------------------------------------------------------------- TokienkoLiczba

namespace {
// [min, max] when max > min, or both equal and not 0; otherwise only x >= min; widened by
// `offset` at both ends.
template <typename T> bool WZakresieLiczby(T x, T min, T max, T offset)
{
    if (max > min || (max == min && max != 0))
        return x >= min - offset && x <= max + offset;
    return x >= min - offset;
}
}   // namespace

void TokienkoLiczba::setXWprawo(bool v)
{
    m_wprawo = v;
    setAlignment((v ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

bool TokienkoLiczba::ZeroWidoczne(const QString &t, bool zero) const
{
    return m_jawne0 || (m_input0 && zero && Trim(t) == QLatin1String("0"));
}

void TokienkoLiczba::PrzyWejsciu() { PiszTekst(Trim(text())); }

// ---------------------------------------------------------------- TokienkoFloat

TokienkoFloat::TokienkoFloat(QWidget *rodzic) : TokienkoLiczba(rodzic) {}

double TokienkoFloat::XWartosc() const { return TekstNaFloat(text(), 0); }

void TokienkoFloat::setXWartosc(double v)
{
    const int w = Szerokosc() > 0 ? Szerokosc() : 15;
    setText(Trim(FloatWPolu(w, m_jawne0, v)));
    m_wartosc = v;
    update();
}

bool TokienkoFloat::WZakresie(double x) const { return WZakresieLiczby(x, m_min, m_max, m_offset); }

bool TokienkoFloat::TestPolaOK()
{
    const QString t = text();
    double x = 0;
    // A text that is no number fails whatever the range (a wide offset must not let it in).
    const bool ok = CzyLiczba(t, x) && WZakresie(x);
    if (ok) {
        const int w = Szerokosc() > 0 ? Szerokosc() : 15;
        PiszTekst(Trim(FloatWPolu(w, ZeroWidoczne(t, x == 0), x)));
        m_wartosc = x;
    }
    m_testOK = ok;
    return ok;
}

bool TokienkoFloat::PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed)
{
    if (JestCyfra(znak))
        return true;
    if (znak == QLatin1Char('-'))
        return m_min < 0 && RegulaMinusa(znak, pozycja, tekstPrzed);
    return RegulaPrzecinka(znak, pozycja, tekstPrzed);
}

// ---------------------------------------------------------------- TokienkoLong

TokienkoLong::TokienkoLong(QWidget *rodzic) : TokienkoLiczba(rodzic) {}

int TokienkoLong::XWartosc() const { return TekstNaInt(text(), 0); }

void TokienkoLong::setXWartosc(int v)
{
    setText(Trim(IntNaTekst(v, Szerokosc(), m_jawne0)));
    m_wartosc = v;
    update();
}

bool TokienkoLong::WZakresie(long long n) const { return WZakresieLiczby<long long>(n, m_min, m_max, 0); }

bool TokienkoLong::TestPolaOK()
{
    const QString t = text();
    long long n = 0;
    const bool ok = CzyCalkowita(t, n) && WZakresie(n);
    if (ok) {
        PiszTekst(Trim(IntNaTekst(int(n), Szerokosc(), ZeroWidoczne(t, n == 0))));
        m_wartosc = int(n);
    }
    m_testOK = ok;
    return ok;
}

bool TokienkoLong::PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed)
{
    if (JestCyfra(znak))
        return true;
    return znak == QLatin1Char('-') && m_min < 0 && RegulaMinusa(znak, pozycja, tekstPrzed);
}
