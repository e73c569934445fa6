#include "kanwapdf.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QResource>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

quint16 U16(const uchar *p) { return quint16(p[0] << 8 | p[1]); }
qint16 S16(const uchar *p) { return qint16(U16(p)); }
quint32 U32(const uchar *p) { return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]; }

// A number as PDF writes it: at most two decimals (a hundredth of a device pixel is far below
// what any printer resolves), no exponent, the same text every run. Pages hold thousands of
// them, so they are written straight into the page.
template <typename Bufor> void Dopisz(Bufor &cel, double v)
{
    char b[32];
    char *k = b + sizeof b, *p = k;
    qint64 t = qint64(v * 100 + (v < 0 ? -0.5 : 0.5));
    const bool minus = t < 0;
    if (minus)
        t = -t;
    const int ulamek = int(t % 100);
    t /= 100;
    if (ulamek % 10) {
        *--p = char('0' + ulamek % 10);
        *--p = char('0' + ulamek / 10);
        *--p = '.';
    } else if (ulamek) {
        *--p = char('0' + ulamek / 10);
        *--p = '.';
    }
    do {
        *--p = char('0' + t % 10);
        t /= 10;
    } while (t);
    if (minus)
        *--p = '-';
    cel.append(p, k - p);
}

// Numbers separated by spaces, with a space after the last.
template <typename Bufor> void Dopisz(Bufor &cel, std::initializer_list<double> liczby)
{
    for (const double v : liczby) {
        Dopisz(cel, v);
        cel.push_back(' ');
    }
}

QByteArray Liczba(double v)
{
    QByteArray s;
    Dopisz(s, v);
    return s;
}

template <typename Bufor> void DopiszHex16(Bufor &cel, quint32 v)
{
    static const char cyfry[] = "0123456789ABCDEF";
    const char b[4] = {cyfry[v >> 12 & 15], cyfry[v >> 8 & 15], cyfry[v >> 4 & 15], cyfry[v & 15]};
    cel.append(b, 4);
}

QByteArray Hex16(quint32 v)
{
    QByteArray s;
    DopiszHex16(s, v);
    return s;
}

QByteArray TekstPdf(const QString &s)
{
    QByteArray h = "<FEFF";
    for (const QChar c : s)
        h += Hex16(c.unicode());
    return h + '>';
}

// A zlib stream as a PDF filter reads it: qCompress puts the length in front.
// Pages are packed at zlib's fastest level: they are small, and a batch writes thousands.
QByteArray Flate(const char *dane, qsizetype dlugosc, int stopien = 1)
{
    return qCompress(reinterpret_cast<const uchar *>(dane), dlugosc, stopien).mid(4);
}
QByteArray Flate(const QByteArray &dane, int stopien = 1) { return Flate(dane.constData(), dane.size(), stopien); }

}   // namespace

// One TrueType face: the tables a PDF needs and the measures of its glyphs, read once.
class TKrojPdf {
public:
    // `plik` a face among the program's resources, read where it lies when it is stored unpacked
    TKrojPdf(const QString &plik, QByteArray nazwa) : m_nazwa(std::move(nazwa))
    {
        const QResource zasob(plik);
        if (zasob.isValid() && zasob.compressionAlgorithm() == QResource::NoCompression) {
            m_dane = QByteArray::fromRawData(reinterpret_cast<const char *>(zasob.data()), qsizetype(zasob.size()));
        } else {
            QFile f(plik);
            if (f.open(QIODevice::ReadOnly))
                m_dane = f.readAll();
        }
        m_dobry = Czytaj();
    }

    bool dobry() const { return m_dobry; }
    const QByteArray &nazwa() const { return m_nazwa; }
    int em = 2048;
    int ascent = 0, descent = 0, lineGap = 0, capHeight = 0;
    int podkreslenie = 0, gruboscPodkreslenia = 0;
    int bbox[4] = {0, 0, 0, 0};

    quint16 Glif(char16_t znak) const { return m_mapa[znak]; }
    int Szerokosc(quint16 glif) const
    {
        return m_szerokosci.empty() ? 0 : m_szerokosci[std::min<size_t>(glif, m_szerokosci.size() - 1)];
    }
    int Kern(quint16 lewy, quint16 prawy) const
    {
        return m_kern.isEmpty() ? 0 : m_kern.value(quint32(lewy) << 16 | prawy, 0);
    }
    // A face of the same glyph numbers in which only `glify` (and the parts they are built
    // of) keep their outlines: a document embeds what it draws, a few kilobytes instead of
    // the half megabyte of the whole face, and no table a PDF reader does not use.
    QByteArray Podzbior(const QList<quint16> &glify) const
    {
        const auto *d = reinterpret_cast<const uchar *>(m_dane.constData());
        const auto glyf = m_tabele.value("glyf"), loca = m_tabele.value("loca");
        const int n = m_glify;
        auto zakres = [&](int g) -> QPair<quint32, quint32> {
            const uchar *l = d + loca.first;
            quint32 od, dokad;
            if (m_dlugaLoca) {
                if (4 * quint32(g + 1) + 4 > loca.second)
                    return {0, 0};
                od = U32(l + 4 * g);
                dokad = U32(l + 4 * g + 4);
            } else {
                if (2 * quint32(g + 1) + 2 > loca.second)
                    return {0, 0};
                od = 2 * quint32(U16(l + 2 * g));
                dokad = 2 * quint32(U16(l + 2 * g + 2));
            }
            if (dokad < od || dokad > glyf.second)
                return {0, 0};
            return {od, dokad};
        };
        std::vector<bool> uzyty(size_t(n), false);
        QList<quint16> stos = glify;
        stos.append(0);
        while (!stos.isEmpty()) {
            const quint16 g = stos.takeLast();
            if (g >= n || uzyty[g])
                continue;
            uzyty[g] = true;
            const auto [od, dokad] = zakres(g);
            if (dokad - od < 10 || S16(d + glyf.first + od) >= 0)
                continue;
            // a composite glyph: its components come along
            const uchar *p = d + glyf.first + od + 10, *koniec = d + glyf.first + dokad;
            while (p + 4 <= koniec) {
                const quint16 flagi = U16(p);
                stos.append(U16(p + 2));
                p += 4 + (flagi & 1 ? 4 : 2);
                p += flagi & 8 ? 2 : flagi & 0x40 ? 4 : flagi & 0x80 ? 8 : 0;
                if (!(flagi & 0x20))
                    break;
            }
        }
        QByteArray nowyGlyf, nowaLoca;
        nowaLoca.reserve(4 * (n + 1));
        auto dopisz32 = [](QByteArray &b, quint32 v) {
            const char c[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
            b.append(c, 4);
        };
        for (int g = 0; g < n; ++g) {
            dopisz32(nowaLoca, quint32(nowyGlyf.size()));
            if (!uzyty[g])
                continue;
            const auto [od, dokad] = zakres(g);
            nowyGlyf.append(reinterpret_cast<const char *>(d + glyf.first + od), dokad - od);
            while (nowyGlyf.size() % 4)
                nowyGlyf.append('\0');
        }
        dopisz32(nowaLoca, quint32(nowyGlyf.size()));

        QMap<QByteArray, QByteArray> tabele;   // in the order of their tags, as the directory wants
        for (const char *t : {"OS/2", "cvt ", "fpgm", "head", "hhea", "hmtx", "maxp", "prep"})
            if (m_tabele.contains(t)) {
                const auto z = m_tabele.value(t);
                tabele.insert(t, QByteArray(reinterpret_cast<const char *>(d + z.first), z.second));
            }
        tabele.insert("glyf", nowyGlyf);
        tabele.insert("loca", nowaLoca);
        QByteArray &head = tabele["head"];
        head[8] = head[9] = head[10] = head[11] = '\0';   // checkSumAdjustment
        head[50] = '\0';
        head[51] = '\1';   // long offsets
        auto suma = [](const QByteArray &b) {
            quint32 s = 0;
            for (qsizetype i = 0; i < b.size(); i += 4) {
                quint32 w = 0;
                for (int j = 0; j < 4; ++j)
                    w = w << 8 | (i + j < b.size() ? uchar(b[i + j]) : 0);
                s += w;
            }
            return s;
        };
        const int ile = int(tabele.size());
        int potega = 1, log = 0;
        while (potega * 2 <= ile) {
            potega *= 2;
            ++log;
        }
        QByteArray wynik;
        dopisz32(wynik, 0x00010000);
        const char naglowek[8] = {char(ile >> 8), char(ile), char(potega * 16 >> 8),         char(potega * 16),
                                  char(log >> 8), char(log), char((ile - potega) * 16 >> 8), char((ile - potega) * 16)};
        wynik.append(naglowek, 8);
        quint32 pozycja = 12 + 16 * quint32(ile);
        for (auto it = tabele.cbegin(); it != tabele.cend(); ++it) {
            wynik += it.key();
            dopisz32(wynik, suma(it.value()));
            dopisz32(wynik, pozycja);
            dopisz32(wynik, quint32(it.value().size()));
            pozycja += (quint32(it.value().size()) + 3) & ~3u;
        }
        for (const QByteArray &t : tabele) {
            wynik += t;
            while (wynik.size() % 4)
                wynik.append('\0');
        }
        return wynik;
    }

private:
    bool Czytaj()
    {
        const auto *d = reinterpret_cast<const uchar *>(m_dane.constData());
        const qsizetype n = m_dane.size();
        if (n < 12)
            return false;
        QHash<QByteArray, QPair<quint32, quint32>> &tabele = m_tabele;
        const int ile = U16(d + 4);
        if (12 + 16 * qsizetype(ile) > n)
            return false;
        for (int i = 0; i < ile; ++i) {
            const uchar *w = d + 12 + 16 * i;
            const quint32 od = U32(w + 8), dl = U32(w + 12);
            if (qsizetype(od) + dl > n)
                return false;
            tabele.insert(QByteArray(reinterpret_cast<const char *>(w), 4), {od, dl});
        }
        auto tabela = [&](const char *nazwa, quint32 min) -> const uchar * {
            const auto t = tabele.value(nazwa, {0, 0});
            return t.second >= min ? d + t.first : nullptr;
        };
        const uchar *head = tabela("head", 54), *hhea = tabela("hhea", 36), *hmtx = tabela("hmtx", 4),
                    *cmap = tabela("cmap", 4), *maxp = tabela("maxp", 6);
        if (!head || !hhea || !hmtx || !cmap || !maxp)
            return false;
        em = U16(head + 18);
        for (int i = 0; i < 4; ++i)
            bbox[i] = S16(head + 36 + 2 * i);
        ascent = S16(hhea + 4);
        descent = S16(hhea + 6);
        lineGap = S16(hhea + 8);
        capHeight = ascent;
        if (const uchar *os2 = tabela("OS/2", 90); os2 && U16(os2) >= 2)
            capHeight = S16(os2 + 88);
        if (const uchar *post = tabela("post", 12)) {
            podkreslenie = S16(post + 8);
            gruboscPodkreslenia = S16(post + 10);
        }
        const int glify = U16(maxp + 4), metryki = U16(hhea + 34);
        m_glify = glify;
        m_dlugaLoca = S16(head + 50) == 1;
        if (!tabele.contains("glyf") || !tabele.contains("loca"))
            return false;
        if (em <= 0 || metryki == 0 || tabele.value("hmtx").second < quint32(4 * metryki))
            return false;
        m_szerokosci.resize(glify > metryki ? glify : metryki);
        for (int g = 0; g < int(m_szerokosci.size()); ++g)
            m_szerokosci[g] = U16(hmtx + 4 * std::min(g, metryki - 1));
        // the Windows Unicode map, or the Unicode one
        const quint32 dlCmap = tabele.value("cmap").second;
        const uchar *mapa = nullptr;
        for (int i = 0, k = U16(cmap + 2); i < k && 4 + 8 * quint32(i + 1) <= dlCmap; ++i) {
            const uchar *w = cmap + 4 + 8 * i;
            const quint32 od = U32(w + 4);
            if (od + 8 > dlCmap)
                continue;
            if ((U16(w) == 3 && U16(w + 2) == 1) || (U16(w) == 0 && !mapa))
                mapa = cmap + od;
        }
        if (!mapa)
            return false;
        m_mapa.assign(0x10000, 0);
        const uchar *koniec = cmap + dlCmap;
        const int format = U16(mapa);
        if (format == 6) {
            const int pierwszy = U16(mapa + 6), ileZn = U16(mapa + 8);
            if (mapa + 10 + 2 * ileZn > koniec)
                return false;
            for (int i = 0; i < ileZn && pierwszy + i < 0x10000; ++i)
                m_mapa[pierwszy + i] = U16(mapa + 10 + 2 * i);
        } else if (format == 4) {
            const int seg = U16(mapa + 6) / 2;
            const uchar *konce = mapa + 14, *poczatki = konce + 2 * seg + 2, *delty = poczatki + 2 * seg,
                        *przes = delty + 2 * seg;
            if (przes + 2 * seg > koniec)
                return false;
            for (int s = 0; s < seg; ++s) {
                const int a = U16(poczatki + 2 * s), b = U16(konce + 2 * s), delta = U16(delty + 2 * s),
                          r = U16(przes + 2 * s);
                for (int c = a; c <= b && c < 0xFFFF; ++c) {
                    quint16 g = 0;
                    if (r == 0) {
                        g = quint16(c + delta);
                    } else {
                        const uchar *p = przes + 2 * s + r + 2 * (c - a);
                        if (p + 2 <= koniec && (g = U16(p)) != 0)
                            g = quint16(g + delta);
                    }
                    m_mapa[c] = g;
                }
            }
        } else {
            return false;
        }
        // pair kerning of the classic table (the same pairs as the face's positioning rules)
        if (const uchar *kern = tabela("kern", 4); kern && U16(kern) == 0 && U16(kern + 2) > 0) {
            const uchar *t = kern + 4;
            const quint32 dl = tabele.value("kern").second;
            if (dl >= 18 && U16(t + 4) >> 8 == 0) {
                const int pary = U16(t + 6);
                if (4 + 14 + 6 * quint32(pary) <= dl)
                    for (int i = 0; i < pary; ++i) {
                        const uchar *p = t + 14 + 6 * i;
                        m_kern.insert(U32(p), S16(p + 4));
                    }
            }
        }
        return true;
    }

    QByteArray m_nazwa;
    QByteArray m_dane;
    bool m_dobry = false;
    std::vector<quint16> m_mapa;
    std::vector<int> m_szerokosci;
    QHash<quint32, qint16> m_kern;
    QHash<QByteArray, QPair<quint32, quint32>> m_tabele;   // offset and length of each table
    int m_glify = 0;
    bool m_dlugaLoca = false;
};

namespace {

const TKrojPdf *Kroj(int pogrubiony)
{
    static const TKrojPdf zwykly(QStringLiteral(":/kroje/ZentoraSans-Regular.ttf"), "ZentoraSans");
    static const TKrojPdf gruby(QStringLiteral(":/kroje/ZentoraSans-Bold.ttf"), "ZentoraSans-Bold");
    const TKrojPdf *k = pogrubiony ? &gruby : &zwykly;
    return k->dobry() ? k : nullptr;
}

// Font units scaled to 1/64 pixel as the font engine scales them (rounded to nearest).
qint64 Skaluj64(qint64 v, int piksele, int em) { return std::llround(double(v) * piksele * 64 / em); }

// The advance of a glyph in 1/64 pixel as the font engine gives it without hinting: the
// linear advance in 16.16 pixels, cut to 26.6.
qint64 Postep64(int jednostki, int piksele, int em)
{
    const qint64 skala = ((qint64(piksele) * 64 << 16) + em / 2) / em;
    const qint64 liniowy = (jednostki * skala + 32) / 64;
    return liniowy >> 10;
}

// A kerning value in 1/64 pixel as the shaper scales it.
qint64 Kern64(int jednostki, int piksele, int em)
{
    const qint64 mnoznik = (qint64(piksele) * 64 << 16) / em;
    return (jednostki * mnoznik + 32768) >> 16;
}

constexpr qsizetype kSzerokosciNaRozmiar = 20000;
// what a page of an invoice takes in operators, so it grows without copying
constexpr size_t kRozmiarStrony = 128 * 1024;

}   // namespace

// A font request under one mapping: the face, its pixel size and measures, and the widths
// of the texts measured in it.
struct TKanwaPdf::Rozmiar {
    const TKrojPdf *kroj = nullptr;
    int indeks = 0;   // 0 regular, 1 bold
    int piksele = 1;
    qint64 ascent = 0, descent = 0, leading = 0;   // 1/64 pixel
    TCechy cechy = 0;
    QHash<QString, qint64> szerokosci;
    TMetrykiTekstu metryki;   // once measured
};

namespace {
struct KluczRozmiaru {
    QString nazwa;
    qint32 wysokosc;
    TCechy cechy;
    int okno, widok;
    bool operator==(const KluczRozmiaru &) const = default;
};
size_t qHash(const KluczRozmiaru &k, size_t ziarno) noexcept
{
    return qHashMulti(ziarno, k.nazwa, k.wysokosc, k.cechy, k.okno, k.widok);
}
}   // namespace

TKanwaPdf::TKanwaPdf(double szerokoscPt, double wysokoscPt, double lewyPt, double gornyPt, int dpi)
    : m_szer(szerokoscPt), m_wys(wysokoscPt), m_lewy(lewyPt), m_gorny(gornyPt), m_dpi(dpi > 0 ? dpi : 72)
{
    // the device's pixels, y downwards, from the top-left corner of the printable area
    const double skala = 72.0 / m_dpi;
    m_macierz = "q ";
    Dopisz(m_macierz, {skala, 0, 0, -skala, m_lewy, m_wys - m_gorny});
    m_macierz += "cm 2 J 0 j\n";
    m_strona.reserve(kRozmiarStrony);
    m_strona = m_macierz;
}

TKanwaPdf::~TKanwaPdf() = default;

bool TKanwaPdf::Dostepna() { return Kroj(0) && Kroj(1); }

void TKanwaPdf::UstawOpis(const QString &tytul, const QString &tworca)
{
    m_tytul = tytul;
    m_tworca = tworca;
}

void TKanwaPdf::UstawCzcionke(const TFontKanwy &f)
{
    if (f == Czcionka() && m_biezacy)
        return;
    TKanwa::UstawCzcionke(f);
    m_biezacy.reset();
}

void TKanwaPdf::UstawOdwzorowanie(int okno, int widok, TPoint poczatek)
{
    TKanwa::UstawOdwzorowanie(okno, widok, poczatek);
    m_biezacy.reset();
}

TKanwaPdf::Rozmiar &TKanwaPdf::Biezacy()
{
    if (m_biezacy)
        return *m_biezacy;
    static QHash<KluczRozmiaru, std::shared_ptr<Rozmiar>> rozmiary;
    const TFontKanwy &c = Czcionka();
    std::shared_ptr<Rozmiar> &r =
        rozmiary[KluczRozmiaru{c.nazwa, c.wysokosc, c.cechy, OknoOdwzorowania(), WidokOdwzorowania()}];
    if (!r) {
        r = std::make_shared<Rozmiar>();
        r->indeks = c.cechy & fsBold ? 1 : 0;
        r->kroj = Kroj(r->indeks);
        r->cechy = c.cechy;
        const TKrojPdf &k = *r->kroj;
        const double piksele = Dlugosc(std::abs(c.wysokosc));
        r->piksele = qMax(1, qRound(piksele));
        if (c.wysokosc > 0) {
            // a positive height asks for the whole character cell, not the em square
            const double komorka =
                double(Skaluj64(k.ascent, r->piksele, k.em) + Skaluj64(-k.descent, r->piksele, k.em)) / 64;
            if (komorka > 0)
                r->piksele = qMax(1, qRound(piksele * r->piksele / komorka));
        }
        r->ascent = Skaluj64(k.ascent, r->piksele, k.em);
        r->descent = Skaluj64(-k.descent, r->piksele, k.em);
        r->leading = Skaluj64(k.lineGap, r->piksele, k.em);
    }
    m_biezacy = r;
    return *r;
}

double TKanwaPdf::DoX(qint32 x) const
{
    return PoczatekOdwzorowania().X + double(x) * WidokOdwzorowania() / OknoOdwzorowania();
}

double TKanwaPdf::DoY(qint32 y) const
{
    return PoczatekOdwzorowania().Y + double(y) * WidokOdwzorowania() / OknoOdwzorowania();
}

double TKanwaPdf::Dlugosc(qint32 d) const { return double(d) * WidokOdwzorowania() / OknoOdwzorowania(); }

qint64 TKanwaPdf::Szerokosc64(const QString &s)
{
    Rozmiar &r = Biezacy();
    const auto it = r.szerokosci.constFind(s);
    if (it != r.szerokosci.constEnd())
        return *it;
    const TKrojPdf &k = *r.kroj;
    qint64 w = 0;
    quint16 poprzedni = 0;
    for (const QChar c : s) {
        const quint16 g = k.Glif(c.unicode());
        w += Postep64(k.Szerokosc(g), r.piksele, k.em);
        if (poprzedni && g)
            w += Kern64(k.Kern(poprzedni, g), r.piksele, k.em);
        poprzedni = g;
    }
    if (r.szerokosci.size() >= kSzerokosciNaRozmiar)
        r.szerokosci.clear();
    r.szerokosci.insert(s, w);
    return w;
}

TMetrykiTekstu TKanwaPdf::Metryki()
{
    Rozmiar &r = Biezacy();
    if (r.metryki.wysokosc == 0) {
        auto z = [this](double d) { return qint32(std::lround(d * OknoOdwzorowania() / WidokOdwzorowania())); };
        r.metryki = {z(std::round(r.ascent / 64.0) + std::round(r.descent / 64.0)), z(std::round(r.leading / 64.0))};
    }
    return r.metryki;
}

qint32 TKanwaPdf::SzerokoscTekstu(const QString &s)
{
    if (s.isEmpty())
        return 0;
    return qint32(std::lround(Szerokosc64(s) / 64.0 * OknoOdwzorowania() / WidokOdwzorowania()));
}

void TKanwaPdf::Kolor(TKolor k, bool wypelnienie)
{
    // kept as the colour plus one, 0 for none written yet on this page
    qint64 &stan = wypelnienie ? m_kolorWypelnienia : m_kolorLinii;
    if (stan == qint64(k) + 1)
        return;
    stan = qint64(k) + 1;
    Dopisz(m_strona, {(k & 0xFF) / 255.0, (k >> 8 & 0xFF) / 255.0, (k >> 16 & 0xFF) / 255.0});
    m_strona += wypelnienie ? "rg\n" : "RG\n";
}

void TKanwaPdf::Prostokat(double x, double y, double w, double h)
{
    Dopisz(m_strona, {x, y, w, h});
    m_strona += "re\n";
}

void TKanwaPdf::PiszTekst(TPoint p, const QString &s, const TRect *klip)
{
    if (s.isEmpty())
        return;
    Rozmiar &r = Biezacy();
    const TKrojPdf &k = *r.kroj;
    const double x = DoX(p.X), y = DoY(p.Y), w = Szerokosc64(s) / 64.0, h = (r.ascent + r.descent) / 64.0;
    bool przytnij = false;
    if (klip) {
        const double l = DoX(klip->Left), t = DoY(klip->Top), pr = DoX(klip->Right), d = DoY(klip->Bottom);
        // clip only what sticks out; most texts fit
        przytnij = !(x + 0.5 >= l && y + 0.5 >= t && x + w - 0.5 <= pr && y + h - 0.5 <= d);
        if (przytnij) {
            m_strona += "q\n";
            Prostokat(l, t, pr - l, d - t);
            m_strona += "W n\n";
        }
    }
    const qint64 kolorLinii = m_kolorLinii, kolorWypelnienia = m_kolorWypelnienia;
    if (!Przezroczyste()) {
        Kolor(KolorTla(), true);
        Prostokat(x, y, w, h);
        m_strona += "f\n";
    }
    Kolor(Czcionka().kolor, true);
    const double baza = y + r.ascent / 64.0;
    m_strona += r.indeks ? "BT /F1 " : "BT /F0 ";
    Dopisz(m_strona, double(r.piksele));
    m_strona += " Tf 1 0 0 -1 ";
    Dopisz(m_strona, {x, baza});
    m_strona += "Tm [<";
    QHash<quint16, QString> &glify = m_glify[r.indeks];
    m_uzyteKroje[r.indeks] = true;
    quint16 poprzedni = 0;
    for (const QChar c : s) {
        const quint16 g = k.Glif(c.unicode());
        if (poprzedni && g)
            if (const int kern = k.Kern(poprzedni, g)) {
                m_strona += "> ";
                Dopisz(m_strona, -kern * 1000.0 / k.em);
                m_strona += " <";
            }
        DopiszHex16(m_strona, g);
        if (g && !glify.contains(g))
            glify.insert(g, QString(c));
        poprzedni = g;
    }
    m_strona += ">] TJ ET\n";
    if (r.cechy & (fsUnderline | fsStrikeOut)) {
        const double grubosc = qMax(1.0, double(k.gruboscPodkreslenia) * r.piksele / k.em);
        if (r.cechy & fsUnderline)
            Prostokat(x, baza - double(k.podkreslenie) * r.piksele / k.em - grubosc / 2, w, grubosc);
        if (r.cechy & fsStrikeOut)
            Prostokat(x, baza - r.ascent / 64.0 / 3 - grubosc / 2, w, grubosc);
        m_strona += "f\n";
    }
    if (przytnij) {
        // the graphics state comes back as it was before the clip
        m_strona += "Q\n";
        m_kolorLinii = kolorLinii;
        m_kolorWypelnienia = kolorWypelnienia;
        m_gruboscLinii = -1;
    }
}

void TKanwaPdf::RysujLinie(TPoint od, TPoint do_)
{
    const TPioro &p = Pioro();
    const double w = Dlugosc(p.grubosc);
    if (w != m_gruboscLinii || p.styl != m_stylLinii) {
        m_gruboscLinii = w;
        m_stylLinii = p.styl;
        Dopisz(m_strona, w);
        if (p.styl == psDash) {
            // dashes of 1.5 mm with gaps of 0.8 mm, starting anew on every line
            m_strona += " w [";
            Dopisz(m_strona, {1.5 * m_dpi / 25.4, 0.8 * m_dpi / 25.4});
            m_strona += "] 0 d\n";
        } else {
            m_strona += " w [] 0 d\n";
        }
    }
    Kolor(p.kolor, false);
    Dopisz(m_strona, {DoX(od.X), DoY(od.Y)});
    m_strona += "m ";
    Dopisz(m_strona, {DoX(do_.X), DoY(do_.Y)});
    m_strona += "l S\n";
}

void TKanwaPdf::Wypelnij(const TRect &r, TKolor kolor)
{
    Kolor(kolor, true);
    Prostokat(DoX(r.Left), DoY(r.Top), DoX(r.Right) - DoX(r.Left), DoY(r.Bottom) - DoY(r.Top));
    m_strona += "f\n";
}

bool TKanwaPdf::KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel)
{
    if (obraz.isNull() || zrodlo.isEmpty())
        return false;
    // The part of the source outside the image stays blank: keep the scale, shrink the target.
    const QRect czesc = zrodlo.intersected(obraz.rect());
    if (czesc.isEmpty())
        return false;
    const double cx = DoX(cel.Left), cy = DoY(cel.Top);
    const double sx = (DoX(cel.Right) - cx) / zrodlo.width(), sy = (DoY(cel.Bottom) - cy) / zrodlo.height();
    const double x = cx + (czesc.left() - zrodlo.left()) * sx, y = cy + (czesc.top() - zrodlo.top()) * sy;
    const double w = czesc.width() * sx, h = czesc.height() * sy;

    QImage kawalek = obraz.copy(czesc);
    const bool szary = kawalek.allGray();
    // transparent pixels lie on white paper
    if (kawalek.hasAlphaChannel()) {
        kawalek = kawalek.convertToFormat(QImage::Format_ARGB32);
        for (int j = 0; j < kawalek.height(); ++j) {
            auto *wiersz = reinterpret_cast<QRgb *>(kawalek.scanLine(j));
            for (int i = 0; i < kawalek.width(); ++i) {
                const QRgb c = wiersz[i];
                const int a = qAlpha(c);
                auto na = [a](int v) { return (v * a + 255 * (255 - a)) / 255; };
                wiersz[i] = qRgb(na(qRed(c)), na(qGreen(c)), na(qBlue(c)));
            }
        }
    }
    kawalek = kawalek.convertToFormat(szary ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const int bajty = kawalek.width() * (szary ? 1 : 3);
    QByteArray piksele;
    piksele.reserve(qsizetype(bajty) * kawalek.height());
    for (int j = 0; j < kawalek.height(); ++j)
        piksele.append(reinterpret_cast<const char *>(kawalek.constScanLine(j)), bajty);
    const QByteArray strumien = Flate(piksele);
    const QByteArray obiekt = "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(kawalek.width())
                              + " /Height " + QByteArray::number(kawalek.height()) + " /ColorSpace "
                              + (szary ? "/DeviceGray" : "/DeviceRGB")
                              + " /BitsPerComponent 8 /Filter /FlateDecode /Length "
                              + QByteArray::number(strumien.size()) + " >>\nstream\n" + strumien + "\nendstream";
    int nr = m_numeryObrazow.value(obiekt, -1);
    if (nr < 0) {
        nr = int(m_obrazy.size());
        m_obrazy.append(obiekt);
        m_numeryObrazow.insert(obiekt, nr);
    }
    if (!m_obrazyStrony.contains(nr))
        m_obrazyStrony.append(nr);
    m_strona += "q " + Liczba(w) + " 0 0 " + Liczba(-h) + ' ' + Liczba(x) + ' ' + Liczba(y + h) + " cm /Im"
                + QByteArray::number(nr) + " Do Q\n";
    return true;
}

void TKanwaPdf::NowaStrona()
{
    m_strona += "Q\n";
    m_strony.push_back(std::move(m_strona));
    m_strona.clear();
    m_strona.reserve(kRozmiarStrony);
    m_strona += m_macierz;
    m_obrazyStron.append(m_obrazyStrony);
    m_obrazyStrony.clear();
    m_kolorLinii = m_kolorWypelnienia = 0;
    m_gruboscLinii = -1;
}

QByteArray TKanwaPdf::Zakoncz()
{
    NowaStrona();
    QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> pozycje;   // of objects 1, 2, ...
    // every piece goes into the file once, uncopied
    pdf.reserve(100000 + 50000 * qsizetype(m_strony.size()));
    auto poczatek = [&](int nr) {
        if (pozycje.size() < nr)
            pozycje.resize(nr);
        pozycje[nr - 1] = pdf.size();
        pdf += QByteArray::number(nr);
        pdf += " 0 obj\n";
    };
    auto obiekt = [&](int nr, const QByteArray &tresc) {
        poczatek(nr);
        pdf += tresc;
        pdf += "\nendobj\n";
    };
    auto strumien = [&](int nr, const QByteArray &slownik, const QByteArray &dane) {
        poczatek(nr);
        pdf += "<< ";
        pdf += slownik;
        pdf += " /Length ";
        pdf += QByteArray::number(dane.size());
        pdf += " >>\nstream\n";
        pdf += dane;
        pdf += "\nendstream\nendobj\n";
    };

    // objects: 1 catalog, 2 pages, 3 info, then per face five, the images, per page two
    int nastepny = 4;
    int fonty[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        if (m_uzyteKroje[i]) {
            fonty[i] = nastepny;
            nastepny += 5;
        }
    const int pierwszyObraz = nastepny;
    nastepny += int(m_obrazy.size());
    const int pierwszaStrona = nastepny;

    obiekt(1, "<< /Type /Catalog /Pages 2 0 R >>");
    QByteArray kids;
    for (int i = 0; i < int(m_strony.size()); ++i)
        kids += (i ? " " : "") + QByteArray::number(pierwszaStrona + 2 * i) + " 0 R";
    obiekt(2, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(m_strony.size()) + " >>");
    obiekt(3, "<< /Title " + TekstPdf(m_tytul) + " /Creator " + TekstPdf(m_tworca) + " /Producer " + TekstPdf(m_tworca)
                  + " /CreationDate (D:"
                  + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z) >>");

    for (int i = 0; i < 2; ++i) {
        if (!fonty[i])
            continue;
        const TKrojPdf &k = *Kroj(i);
        const int n = fonty[i];
        const auto skala = [&k](int v) { return Liczba(v * 1000.0 / k.em); };
        QMap<quint16, QString> glify;
        for (auto it = m_glify[i].cbegin(); it != m_glify[i].cend(); ++it)
            glify.insert(it.key(), it.value());
        const QList<quint16> numery = glify.keys();
        // Documents of a batch mostly draw the same glyphs: their face is packed once.
        static QHash<QByteArray, QByteArray> podzbiory;
        const QByteArray klucz =
            QByteArray(1, char(i)) + QByteArray(reinterpret_cast<const char *>(numery.constData()), numery.size() * 2);
        QByteArray &podzbior = podzbiory[klucz];
        if (podzbior.isEmpty()) {
            if (podzbiory.size() > 64) {
                podzbiory.clear();
                podzbiory.insert(klucz, QByteArray());
            }
            const QByteArray twarz = k.Podzbior(numery);
            podzbiory[klucz] = QByteArray::number(twarz.size()) + ' ' + Flate(twarz);
        }
        const QByteArray &spakowany = podzbiory[klucz];
        const qsizetype spacja = spakowany.indexOf(' ');
        // a face cut down to a document's glyphs is named with a tag of its own (six capitals)
        quint32 skrot = 2166136261u;
        for (const char c : klucz)
            skrot = (skrot ^ uchar(c)) * 16777619u;
        QByteArray nazwa(6, 'A');
        for (int z = 0; z < 6; ++z, skrot /= 26)
            nazwa[z] = char('A' + skrot % 26);
        nazwa += '+' + k.nazwa();
        obiekt(n, "<< /Type /Font /Subtype /Type0 /BaseFont /" + nazwa + " /Encoding /Identity-H /DescendantFonts ["
                      + QByteArray::number(n + 1) + " 0 R] /ToUnicode " + QByteArray::number(n + 3) + " 0 R >>");
        QByteArray w;
        for (auto it = glify.cbegin(); it != glify.cend(); ++it)
            w += QByteArray::number(it.key()) + " [" + skala(k.Szerokosc(it.key())) + "] ";
        obiekt(n + 1, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + nazwa
                          + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                            " /FontDescriptor "
                          + QByteArray::number(n + 2) + " 0 R /CIDToGIDMap /Identity /DW 0 /W [" + w.trimmed()
                          + "] >>");
        obiekt(n + 2, "<< /Type /FontDescriptor /FontName /" + nazwa + " /Flags 32 /FontBBox [" + skala(k.bbox[0]) + ' '
                          + skala(k.bbox[1]) + ' ' + skala(k.bbox[2]) + ' ' + skala(k.bbox[3])
                          + "] /ItalicAngle 0 /Ascent " + skala(k.ascent) + " /Descent " + skala(k.descent)
                          + " /CapHeight " + skala(k.capHeight) + " /StemV " + (i ? "120" : "80") + " /FontFile2 "
                          + QByteArray::number(n + 4) + " 0 R >>");
        QByteArray cmapa = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                           "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
        for (auto it = glify.cbegin(); it != glify.cend();) {
            QByteArray blok;
            int ile = 0;
            for (; it != glify.cend() && ile < 100; ++it, ++ile) {
                blok += '<' + Hex16(it.key()) + "> <";
                for (const QChar c : it.value())
                    blok += Hex16(c.unicode());
                blok += ">\n";
            }
            cmapa += QByteArray::number(ile) + " beginbfchar\n" + blok + "endbfchar\n";
        }
        cmapa += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend";
        strumien(n + 3, "/Filter /FlateDecode", Flate(cmapa));
        strumien(n + 4, "/Filter /FlateDecode /Length1 " + spakowany.left(spacja), spakowany.mid(spacja + 1));
    }
    for (int i = 0; i < m_obrazy.size(); ++i)
        obiekt(pierwszyObraz + i, m_obrazy.at(i));

    QByteArray zasobyFontow = "/Font <<";
    for (int i = 0; i < 2; ++i)
        if (fonty[i])
            zasobyFontow += " /F" + QByteArray::number(i) + ' ' + QByteArray::number(fonty[i]) + " 0 R";
    zasobyFontow += " >>";
    for (int i = 0; i < int(m_strony.size()); ++i) {
        const int n = pierwszaStrona + 2 * i;
        QByteArray obrazy;
        for (const int o : m_obrazyStron.at(i))
            obrazy += " /Im" + QByteArray::number(o) + ' ' + QByteArray::number(pierwszyObraz + o) + " 0 R";
        obiekt(n, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Liczba(m_szer) + ' ' + Liczba(m_wys)
                      + "] /Resources << " + zasobyFontow + (obrazy.isEmpty() ? "" : " /XObject <<" + obrazy + " >>")
                      + " >> /Contents " + QByteArray::number(n + 1) + " 0 R >>");
        strumien(n + 1, "/Filter /FlateDecode", Flate(m_strony.at(i).data(), qsizetype(m_strony.at(i).size())));
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(pozycje.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype p : pozycje)
        pdf += QByteArray::number(p + 10000000000LL).mid(1) + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(pozycje.size() + 1) + " /Root 1 0 R /Info 3 0 R >>\nstartxref\n"
           + QByteArray::number(xref) + "\n%%EOF\n";
    m_strony.clear();
    m_obrazyStron.clear();
    return pdf;
}
