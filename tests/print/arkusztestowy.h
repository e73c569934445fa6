#pragma once
// A sheet on the recording canvas: an A4 page at 600 dpi with a 4 mm unprintable strip on
// every side, pages counted by the canvas, and an abort that can be set to come on a page.

#include "common/bledy.h"
#include "print/arkusz.h"
#include "print/kanwazapisujaca.h"
#include "print/wydrukfaktury.h"

#include <QMetaType>
#include <QTest>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(TRect)
Q_DECLARE_METATYPE(TPoint)

inline char *toString(const TPoint &p) { return QTest::toString(QStringLiteral("(%1, %2)").arg(p.X).arg(p.Y)); }
inline char *toString(const TRect &r)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom));
}

class TarkuszTestowy : public TARKUSZ {
public:
    explicit TarkuszTestowy(int dpi = 600, int paskiMm10 = 40)
    {
        FpixeliNaCal = {dpi, dpi};
        FfizycznaPix = {MulDiv(2100, dpi, 254), MulDiv(2970, dpi, 254)};
        const qint32 pas = MulDiv(paskiMm10, dpi, 254);
        FofsetPix = {pas, pas, pas, pas};
        FuzytkowaPix = {FfizycznaPix.X - 2 * pas, FfizycznaPix.Y - 2 * pas};
        UstawOdwzorowanie();
        BudujZestawCzcionek();
        DOMYSLNE_PARAPETRY();
        Ydruk = 0;
    }

    void TestujAbort() override
    {
        if (przerwany)
            throw ECichyAbort();
    }

    void NowaStrona() override
    {
        TestujAbort();
        ++kanwa.strona;
        UstawOdwzorowanie();
        Ydruk = 0;
        if (kanwa.strona == przerwijNaStronie)
            przerwany = true;
    }

    TKanwa *DajPlotno() override { return &kanwa; }

    // Texts recorded, in order.
    QStringList Teksty() const
    {
        QStringList t;
        for (const TZapisRysunku &z : kanwa.zapisy)
            if (z.rodzaj == TZapisRysunku::Tekst)
                t.append(z.tekst);
        return t;
    }

    // The first text record equal to s (or containing it); when there is none, a record
    // with the text "<brak>" at (-1, -1), so a comparison fails instead of crashing.
    const TZapisRysunku *Tekst(const QString &s, bool dokladnie = true) const
    {
        for (const TZapisRysunku &z : kanwa.zapisy)
            if (z.rodzaj == TZapisRysunku::Tekst && (dokladnie ? z.tekst == s : z.tekst.contains(s)))
                return &z;
        static TZapisRysunku brak = [] {
            TZapisRysunku z;
            z.tekst = QStringLiteral("<brak>");
            z.od = z.do_ = {-1, -1};
            z.strona = -1;
            return z;
        }();
        return &brak;
    }
    bool Jest(const QString &s, bool dokladnie = true) const { return Tekst(s, dokladnie)->strona >= 0; }

    // A box drawn as one move and four segments, clockwise from its top-left corner.
    bool JestRama(TPoint p, qint32 L, qint32 V, TStylPiora styl = psSolid) const
    {
        const TPoint rogi[5] = {p, {p.X + L, p.Y}, {p.X + L, p.Y + V}, {p.X, p.Y + V}, p};
        const auto &z = kanwa.zapisy;
        for (int i = 0; i + 4 <= z.size(); ++i) {
            bool ok = true;
            for (int k = 0; k < 4 && ok; ++k) {
                const TZapisRysunku &r = z.at(i + k);
                ok =
                    r.rodzaj == TZapisRysunku::Linia && r.od == rogi[k] && r.do_ == rogi[k + 1] && r.pioro.styl == styl;
            }
            if (ok)
                return true;
        }
        return false;
    }

    TKanwaZapisujaca kanwa;
    bool przerwany = false;
    int przerwijNaStronie = 0;
};

// One copy of an invoice laid out on the recording sheet.
inline std::unique_ptr<TarkuszTestowy> Drukuj(const TzentoraVat &f, const TiniZentora &ini = TiniZentora())
{
    auto a = std::make_unique<TarkuszTestowy>();
    DrukujEgzemplarz(*a, false, f, ini);
    return a;
}
