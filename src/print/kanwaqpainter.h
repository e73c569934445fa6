#pragma once
// The canvas on a QPainter: a printer, a PDF, an image or a print preview page.

#include "kanwa.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QLineF>
#include <QList>
#include <QPen>
#include <memory>

class QPainter;

class TKanwaQPainter : public TKanwa {
public:
    // The painter must be active on its device for as long as the canvas draws.
    explicit TKanwaQPainter(QPainter *painter);
    ~TKanwaQPainter() override;

    QPainter *Painter() const { return m_painter; }

    void UstawOdwzorowanie(int okno, int widok, TPoint poczatek) override;
    void UstawCzcionke(const TFontKanwy &f) override;
    TMetrykiTekstu Metryki() override;
    qint32 SzerokoscTekstu(const QString &s) override;
    void PiszTekst(TPoint p, const QString &s, const TRect *klip) override;
    bool KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel) override;

    // The device font for a font request under the current mapping.
    QFont FontUrzadzenia() { return Font(); }

    // Solid lines wait to be drawn together (one path instead of one per line); this draws
    // those waiting. Every other drawing call and the destructor do it first; call it
    // before the painter ends or moves to a new page.
    void Oproznij();

protected:
    void RysujLinie(TPoint od, TPoint do_) override;
    void Wypelnij(const TRect &r, TKolor kolor) override;

private:
    // A font under one mapping: the device font, its metrics and the widths of the texts
    // measured in it. Layouts measure the same texts again and again and switch between a
    // few fonts, so each font is built and each text shaped once, for all the canvases of
    // the program (a batch prints the same labels on every invoice).
    struct CzcionkaUrzadzenia {
        QFont font;
        QFontMetricsF miary;
        qreal ascent, descent, leading;
        QHash<QString, qreal> szerokosci;
        // the glyphs of a text as shaped once, and where the baseline lies in them
        struct Ksztalt {
            QList<QGlyphRun> przebiegi;
            qreal linia = 0;
        };
        QHash<QString, Ksztalt> ksztalty;
    };
    struct KluczCzcionki {
        QString nazwa;
        qint32 wysokosc;
        TCechy cechy;
        int okno, widok;
        bool operator==(const KluczCzcionki &) const = default;
    };
    friend size_t qHash(const KluczCzcionki &k, size_t ziarno) noexcept
    {
        return qHashMulti(ziarno, k.nazwa, k.wysokosc, k.cechy, k.okno, k.widok);
    }

    qreal DoX(qint32 x) const;
    qreal DoY(qint32 y) const;
    qreal Dlugosc(qint32 d) const;
    QRectF DoUrzadzenia(const TRect &r) const;
    qint32 ZUrzadzenia(qreal d) const;
    CzcionkaUrzadzenia &Biezaca();
    const QFont &Font() { return Biezaca().font; }
    qreal Szerokosc(const QString &s);
    const CzcionkaUrzadzenia::Ksztalt &Ksztalt(const QString &s);
    QFont NowyFont() const;

    static QHash<KluczCzcionki, std::shared_ptr<CzcionkaUrzadzenia>> &Czcionki();

    QPainter *m_painter;
    std::shared_ptr<CzcionkaUrzadzenia> m_biezaca;
    QList<QLineF> m_linie;
    QPen m_pioroLinii;
};

// The typefaces of the printouts and their metric-compatible stand-ins, so that a
// machine without the originals lays pages out the same.
void ZarejestrujZamienniki();

// The family of the printout's own copy of the sans-serif faces: the outlines, metrics,
// kerning and characters of Liberation Sans without its hinting programs, which a PDF
// engine would run for every glyph it embeds while nothing printed uses them. Empty when
// the build has no such faces.
const QString &KrojDruku();
