#include "arkuszpomiarowy.h"

#include "kanwapdf.h"
#include "kanwaqpainter.h"
#include "kanwazapisujaca.h"

namespace {

// Measures with the painter's device and fonts; every drawing call is dropped.
class TKanwaQPainterMiarka : public TKanwaQPainter {
public:
    using TKanwaQPainter::TKanwaQPainter;
    void PiszTekst(TPoint, const QString &, const TRect *) override {}
    bool KopiujObraz(const QImage &, const QRect &, const TRect &) override { return true; }

protected:
    void RysujLinie(TPoint, TPoint) override {}
    void Wypelnij(const TRect &, TKolor) override {}
};

// Measures in the PDF canvas's faces; nothing is written.
class TKanwaPdfMiarka : public TKanwaPdf {
public:
    TKanwaPdfMiarka() : TKanwaPdf(0, 0, 0, 0, 72) {}
    void PiszTekst(TPoint, const QString &, const TRect *) override {}
    bool KopiujObraz(const QImage &, const QRect &, const TRect &) override { return true; }

protected:
    void RysujLinie(TPoint, TPoint) override {}
    void Wypelnij(const TRect &, TKolor) override {}
};

std::unique_ptr<TKanwa> KanwaMiarka(TKanwa *wzor)
{
    if (dynamic_cast<TKanwaPdf *>(wzor))
        return std::make_unique<TKanwaPdfMiarka>();
    if (auto *q = dynamic_cast<TKanwaQPainter *>(wzor))
        return std::make_unique<TKanwaQPainterMiarka>(q->Painter());
    if (dynamic_cast<TKanwaZapisujaca *>(wzor))
        return std::make_unique<TKanwaZapisujaca>();   // its metrics follow a rule; the records are dropped
    return nullptr;
}

}   // namespace

std::unique_ptr<TarkuszPomiarowy> TarkuszPomiarowy::Dla(TARKUSZ &wzor)
{
    std::unique_ptr<TKanwa> kanwa = KanwaMiarka(wzor.DajPlotno());
    if (!kanwa)
        return nullptr;
    return std::unique_ptr<TarkuszPomiarowy>(new TarkuszPomiarowy(wzor, std::move(kanwa)));
}

TarkuszPomiarowy::TarkuszPomiarowy(TARKUSZ &wzor, std::unique_ptr<TKanwa> kanwa)
    : m_wzor(wzor), m_kanwa(std::move(kanwa))
{
    Fjednostka = wzor.Fjednostka;
    FjednosNaCal = wzor.FjednosNaCal;
    FpixeliNaCal = wzor.FpixeliNaCal;
    FfizycznaPix = wzor.FfizycznaPix;
    FofsetPix = wzor.FofsetPix;
    FuzytkowaPix = wzor.FuzytkowaPix;
    AktSkala = wzor.AktSkala;
    AktMarginesy = wzor.AktMarginesy;
    UstawOdwzorowanie();
    BudujZestawCzcionek();
    DOMYSLNE_PARAPETRY();
    AktGrubosc = wzor.AktGrubosc;
    Ydruk = wzor.Ydruk;
}

void TarkuszPomiarowy::NowaStrona()
{
    TestujAbort();
    ++m_strony;
    UstawOdwzorowanie();
    Ydruk = 0;
}
