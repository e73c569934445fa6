#pragma once
// The canvas on a QPainter: a printer, a PDF, an image or a print preview page.

#include "kanwa.h"

#include <QFont>
#include <QFontMetricsF>
#include <optional>

class QPainter;

class TKanwaQPainter : public TKanwa {
public:
    // The painter must be active on its device for as long as the canvas draws.
    explicit TKanwaQPainter(QPainter *painter);

    QPainter *Painter() const { return m_painter; }

    void UstawOdwzorowanie(int okno, int widok, TPoint poczatek) override;
    void UstawCzcionke(const TFontKanwy &f) override;
    TMetrykiTekstu Metryki() override;
    qint32 SzerokoscTekstu(const QString &s) override;
    void PiszTekst(TPoint p, const QString &s, const TRect *klip) override;
    bool KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel) override;

    // The device font for a font request under the current mapping.
    QFont FontUrzadzenia() { return Font(); }

protected:
    void RysujLinie(TPoint od, TPoint do_) override;
    void Wypelnij(const TRect &r, TKolor kolor) override;

private:
    qreal DoX(qint32 x) const;
    qreal DoY(qint32 y) const;
    qreal Dlugosc(qint32 d) const;
    QRectF DoUrzadzenia(const TRect &r) const;
    qint32 ZUrzadzenia(qreal d) const;
    const QFont &Font();
    const QFontMetricsF &Miary();

    QPainter *m_painter;
    std::optional<QFont> m_font;
    std::optional<QFontMetricsF> m_miary;
};

// The typefaces of the printouts and their metric-compatible stand-ins, so that a
// machine without the originals lays pages out the same.
void ZarejestrujZamienniki();
