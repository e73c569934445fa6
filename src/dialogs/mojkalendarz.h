#pragma once
// A month grid: 7 columns (Monday first), a header row of day names and 6 week rows.
// It keeps a selected year, month and day; its owner may veto date changes and colour
// or draw the day cells.

#include "kalendarzlogika.h"

#include <QWidget>
#include <functional>

class QPainter;

class TmojKalendarz : public QWidget {
    Q_OBJECT
public:
    explicit TmojKalendarz(QWidget *parent = nullptr);

    int Year() const { return FKrok; }
    int Month() const { return FKmsc; }
    int Day() const { return FKdni; }
    void setYear(int rok) { UstawDate(rok, 0, 0); }
    void setMonth(int miesiac) { UstawDate(0, miesiac, 0); }
    void setDay(int dzien) { UstawDate(0, 0, dzien); }
    double DataKalen() const;
    void setDataKalen(double dzien) { UstawDate(dzien); }

    // The earliest year the keys move to (the window keeps its own floor).
    int XrokMin() const { return FrokMin; }
    void setXrokMin(int rok) { FrokMin = qBound(kRokMinKalendarza, rok, kRokMaxKalendarza); }

    bool ReadOnly() const { return FReadOnly; }
    void setReadOnly(bool b) { FReadOnly = b; }

    int XHfontNagl() const { return FHfontNagl; }
    void setXHfontNagl(int n);
    int XHnagl() const { return FHnagl; }
    void setXHnagl(int n);
    int XautoGradient() const { return FautoGradient; }
    void setXautoGradient(int n);
    bool XautoFixLinie() const { return FautoFixLinie; }
    void setXautoFixLinie(bool b);
    // 0 the face colour, 1, 2, 3 palette entries 105, 24, 25 for the header.
    int XautoFixKolor() const { return FautoFixKolor; }
    void setXautoFixKolor(int n);

    TKolor Color() const { return FKolor; }   // background of day cells
    void setColor(TKolor c);
    TKolor FixedColor() const;   // base of the header gradient
    TKolor KolorCzcionki() const { return FKolorCzcionki; }
    void setKolorCzcionki(TKolor c);
    bool Flat() const { return FFlat; }
    void setFlat(bool b);
    int GridLineWidth() const { return FLinia; }
    void setGridLineWidth(int n);

    // A 0 argument stands for the selected year, month or day.
    TparaDaty OpisDaty(int rok, int miesiac, int dzien) const;
    void DzienNaCele(int n, int &ACol, int &ARow) const;
    int CelaNaDzien(int ACol, int ARow) const;

    void ZmianaMiesiaca(int delta);
    void PoprzednMsc() { ZmianaMiesiaca(-1); }
    void NastepnyMsc() { ZmianaMiesiaca(1); }
    void PoprzednRok() { ZmianaMiesiaca(-12); }
    void NastepnyRok() { ZmianaMiesiaca(12); }

    // Selects a date given by its parts (0 keeps that part) or by its value (0: none given).
    void UstawDate(int rok, int miesiac, int dzien);
    void UstawDate(double dzien);

    // The current cell (the selected day's).
    int Col() const;
    int Row() const;
    // A cell's rectangle in the widget and the cell under a point (false outside cells).
    QRect ProstokatCeli(int ACol, int ARow) const;
    bool CelaWPunkcie(const QPoint &p, int &ACol, int &ARow) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // After every accepted change of the date (not the one made at creation).
    std::function<void()> OnChange;
    // Before a change; setting akceptuj to false keeps the old date.
    std::function<void(const TparaDaty &Para, bool &akceptuj)> OnAkceptuj;
    std::function<void(const TparaDaty &Para, bool Fokus, TKolor &clTlo, TKolor &clFont)> OnAkcKolor;
    std::function<void(int ACol, int ARow, QPainter &ACanvas, const QRect &ARect, bool wybrana, const TparaDaty &Para)>
        OnRysCela;
    // The tool tip of a day cell (empty: none).
    std::function<QString(const TparaDaty &Para)> OnPodpowiedz;

    // The colours a day cell is drawn with (the base rule, then OnAkcKolor).
    void KoloryCeli(const TparaDaty &p, bool wybrana, TKolor &tlo, TKolor &czcionka) const;

signals:
    // A day cell was double-clicked (the day is selected first), or Space was pressed.
    void wybranoDzien();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool event(QEvent *e) override;

private:
    bool WybierzCele(const QPoint &p);
    void PrzesunODni(int dni);
    void PrzesunOMiesiace(int delta);
    TrozmiarKomorek Komorki() const;

    int FKrok = 0, FKmsc = 0, FKdni = 0;
    bool Fstart = true;
    bool FReadOnly = false;
    int FrokMin = kRokMinKalendarza;
    int FHfontNagl = 10;
    int FHnagl = 0;
    int FautoGradient = 30;
    bool FautoFixLinie = true;
    int FautoFixKolor = 1;
    TKolor FKolor = RGB(255, 255, 255);
    TKolor FKolorCzcionki = RGB(0, 0, 0);
    bool FFlat = true;
    int FLinia = 1;
};
