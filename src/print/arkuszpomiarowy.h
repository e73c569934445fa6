#pragma once
// A sheet that lays a document out exactly as another sheet would (the same page, unit,
// resolution and font metrics) and draws nothing. A layout runs on it first to learn how
// many pages the document will take, so that every page can say "strona N z M".

#include "arkusz.h"

#include <memory>

class TarkuszPomiarowy : public TARKUSZ {
public:
    // A measuring twin of `wzor`, standing where `wzor` stands now; nullptr when the canvas
    // of `wzor` cannot measure without drawing.
    static std::unique_ptr<TarkuszPomiarowy> Dla(TARKUSZ &wzor);

    // A cancelled print stops the measuring as well.
    void TestujAbort() override { m_wzor.TestujAbort(); }
    void NowaStrona() override;
    TKanwa *DajPlotno() override { return m_kanwa.get(); }

    int Strony() const { return m_strony; }

private:
    TarkuszPomiarowy(TARKUSZ &wzor, std::unique_ptr<TKanwa> kanwa);

    TARKUSZ &m_wzor;
    std::unique_ptr<TKanwa> m_kanwa;
    int m_strony = 1;
};
