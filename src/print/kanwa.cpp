#include "kanwa.h"

void TKanwa::UstawOdwzorowanie(int okno, int widok, TPoint poczatek)
{
    m_okno = okno > 0 ? okno : 1;
    m_widok = widok > 0 ? widok : 1;
    m_poczatek = poczatek;
}

void TKanwa::LiniaDo(TPoint p)
{
    RysujLinie(m_pozycja, p);
    m_pozycja = p;
}

void TKanwa::WypelnijProstokat(const TRect &r)
{
    if (m_pedzel.styl == bsSolid && r.Right > r.Left && r.Bottom > r.Top)
        Wypelnij(r, m_pedzel.kolor);
}

QString SterujaceNaSpacje(const QString &s)
{
    QString t = s;
    for (QChar &c : t)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return t;
}

namespace {

// Paragraphs of a text: carriage returns, line feeds and their pairs end a line; a break
// at the very end does not open an empty line.
QStringList Akapity(const QString &s)
{
    QStringList akapity;
    QString biezacy;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QChar(13) || c == QChar(10)) {
            akapity.append(biezacy);
            biezacy.clear();
            if (c == QChar(13) && i + 1 < s.size() && s.at(i + 1) == QChar(10))
                ++i;
        } else {
            biezacy.append(c.unicode() < 0x20 ? QChar(QLatin1Char(' ')) : c);
        }
    }
    if (!biezacy.isEmpty() || akapity.isEmpty())
        akapity.append(biezacy);
    return akapity;
}

QString BezSpacjiNaKoncu(const QString &s)
{
    int n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString BezSpacjiNaPoczatku(const QString &s)
{
    int n = 0;
    while (n < s.size() && s.at(n) == QLatin1Char(' '))
        ++n;
    return s.mid(n);
}

}   // namespace

QStringList TKanwa::ZawinTekst(const QString &s, qint32 szerokosc)
{
    QStringList linie;
    for (const QString &akapit : Akapity(s)) {
        QString reszta = akapit;
        if (reszta.isEmpty()) {
            linie.append(QString());
            continue;
        }
        bool pierwsza = true;
        while (!reszta.isEmpty()) {
            if (!pierwsza) {
                reszta = BezSpacjiNaPoczatku(reszta);
                if (reszta.isEmpty())
                    break;
            }
            pierwsza = false;
            // The longest run of whole words that fits; widths grow with the run, so the
            // first one that does not fit ends the search.
            int najlepszy = -1;
            int od = 1;
            while (true) {
                int koniec = reszta.indexOf(QLatin1Char(' '), od);
                const bool calosc = koniec < 0;
                if (calosc)
                    koniec = reszta.size();
                const QString kandydat = BezSpacjiNaKoncu(reszta.left(koniec));
                if (!kandydat.isEmpty() || calosc) {
                    if (SzerokoscTekstu(kandydat) > szerokosc)
                        break;
                    najlepszy = koniec;
                }
                if (calosc)
                    break;
                od = koniec + 1;
            }
            if (najlepszy > 0) {
                linie.append(BezSpacjiNaKoncu(reszta.left(najlepszy)));
                reszta = reszta.mid(najlepszy);
                continue;
            }
            // A word wider than the line is broken between characters, at least one
            // character per line so the text always ends.
            int lo = 1, hi = reszta.indexOf(QLatin1Char(' '), 1);
            if (hi < 0)
                hi = reszta.size();
            while (lo < hi) {
                const int m = (lo + hi + 1) / 2;
                if (SzerokoscTekstu(reszta.left(m)) <= szerokosc)
                    lo = m;
                else
                    hi = m - 1;
            }
            linie.append(reszta.left(lo));
            reszta = reszta.mid(lo);
        }
    }
    return linie;
}

qint32 TKanwa::RysujTekst(const TRect &r, unsigned flagi, const QString &s)
{
    const qint32 h = Metryki().wysokosc;
    const bool mierz = flagi & dtCALCRECT;
    const TRect *klip = (flagi & dtNOCLIP) ? nullptr : &r;
    auto poziomo = [&](qint32 w) -> qint32 {
        if (flagi & dtRIGHT)
            return r.Right - w;
        if (flagi & dtCENTER)
            return r.Left + (r.Szerokosc() - w) / 2;
        return r.Left;
    };

    if ((flagi & dtWORDBREAK) && !(flagi & dtSINGLELINE)) {
        const QStringList linie = ZawinTekst(s, r.Szerokosc());
        const qint32 razem = qint32(linie.size()) * h;
        if (mierz)
            return razem;
        qint32 y = r.Top;
        for (const QString &l : linie) {
            if (!l.isEmpty())
                PiszTekst({poziomo(SzerokoscTekstu(l)), y}, l, klip);
            y += h;
        }
        return razem;
    }

    if (mierz)
        return h;
    const QString t = SterujaceNaSpacje(s);
    qint32 y = r.Top;
    if (flagi & dtBOTTOM)
        y = r.Bottom - h;
    else if (flagi & dtVCENTER)
        y = r.Top + (r.Wysokosc() - h) / 2;
    PiszTekst({poziomo(SzerokoscTekstu(t)), y}, t, klip);
    return y - r.Top + h;
}
