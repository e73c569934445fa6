#pragma once
// The program's table control: a grid whose columns are described by short property
// strings (one character per column, or ";"-separated lists): the kind ("C" text, "D" date,
// "F" decimal number, "I" integer, "Z" money, "J" unit price: money with up to four decimals,
// "V" VAT rate: an integer or "zw"), width, character limit, title, justification
// ("C" centre, "P" right), font and paper colour codes ("0".."F" fixed colours, "G".."K" the
// custom colours), read-only flag "1". It filters typed keys by the kind, checks and
// normalises a cell when its edit ends, asks the owner (OnXtestujCelke), refuses to leave a
// rejected cell with "<column>, wiersz <n>: niepoprawna wartość <text>", shows a number that
// does not fit as question marks, draws "|" as a line break, wraps text and grows
// rows to fit (XkolJustBL), and reads and writes cells as numbers, money, dates and
// ";"-joined rows.
//
// Set the column and row counts before XkolTytuly, XkolWarCel and XkolSzerZn: those act on
// the cells that exist when they are set.
//
// The edit cycle: every change of the edited text is stored in the cell and checked against
// the column kind; the cell is finished (normalised, then OnXtestujCelke) at Enter, before
// the selection moves, when the editor closes and when the focus leaves the grid. A rejected
// cell (XkolError) keeps the selection and the focus until it is corrected; the first Escape
// puts back the text the edit started with, a second Escape closes the editor.

#include "siatka.h"

#include <QFont>
#include <QLabel>

class QFontMetrics;

// A number as it may be shown in `szerokosc` pixels: whole, or question marks filling the
// place when it does not fit. A cut amount ("845.000,00" of 1.845.000,00) would mislead.
QString LiczbaWMiejscu(const QFontMetrics &fm, const QString &tekst, int szerokosc);

// A label that shows one number: its text stays as set, but a number wider than the label
// is drawn as question marks, as the grids do.
class TEtykietaLiczby : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *e) override;
};

class TjustGrid : public TSiatka {
    Q_OBJECT
public:
    explicit TjustGrid(QWidget *rodzic = nullptr);

    // The read-only sentinel of CelaInt, CelaFlo, CelaZlo and CelaDat.
    static constexpr int kTylkoOdczyt = -2147483647;

    // ---- column description
    QString XkolRodzaj() const { return m_rodzaj; }
    void setXkolRodzaj(const QString &s);
    QString XkolSzerok() const { return m_szerok; }
    void setXkolSzerok(const QString &s);
    QString XkolSzerZn() const { return m_szerZn; }
    void setXkolSzerZn(const QString &s);
    QString XkolTytuly() const { return m_tytuly; }
    void setXkolTytuly(const QString &s);
    QString XkolWarCel() const { return m_warCel; }
    void setXkolWarCel(const QString &s);
    QString XkolJustuj() const { return m_justuj; }
    void setXkolJustuj(const QString &s);
    QString XkolKolory() const { return m_kolory; }
    void setXkolKolory(const QString &s);
    QString XkolPapier() const { return m_papier; }
    void setXkolPapier(const QString &s);
    QString XkolReOnly() const { return m_reOnly; }
    void setXkolReOnly(const QString &s);
    bool XkolJustBL() const { return m_justBL; }
    void setXkolJustBL(bool v);
    bool XkolError() const { return m_error; }
    void setXkolError(bool v) { m_error = v; }
    bool XkolErrMsg() const { return m_errMsg; }
    void setXkolErrMsg(bool v) { m_errMsg = v; }
    bool Xkol0grad() const { return m_kol0grad; }
    void setXkol0grad(bool v);

    // ---- header (gradient drawing style)
    QString XnagJustuj() const { return m_nagJustuj; }
    void setXnagJustuj(const QString &s);
    QString XnagKolory() const { return m_nagKolory; }
    void setXnagKolory(const QString &s);
    int XnagHfontu() const { return m_nagHfontu; }
    void setXnagHfontu(int v);
    int XnagWysoko() const { return m_nagWysoko; }
    void setXnagWysoko(int v);
    // The font of the header cells in the gradient style.
    QFont CzcionkaNaglowka() const;

    // ---- colours
    // 0 the grid's own fixed colour, 1 palette entry 24, 2 palette entry 25.
    int XautoFixKolor() const { return m_autoFixKolor; }
    void setXautoFixKolor(int v);
    // Strength 0..50 of the header gradient derived from the fixed colour.
    int XautoGradient() const { return m_autoGradient; }
    void setXautoGradient(int v);
    bool XautoFixLinie() const { return m_autoFixLinie; }
    void setXautoFixLinie(bool v);
    // Custom colours G..K from palette entries 26..30 instead of their own values.
    bool XautoKolory() const { return m_autoKolory; }
    void setXautoKolory(bool v);
    QColor Xkolor_G() const { return m_kolorWlasny[0]; }
    void setXkolor_G(const QColor &c) { UstawKolorWlasny(0, c); }
    QColor Xkolor_H() const { return m_kolorWlasny[1]; }
    void setXkolor_H(const QColor &c) { UstawKolorWlasny(1, c); }
    QColor Xkolor_I() const { return m_kolorWlasny[2]; }
    void setXkolor_I(const QColor &c) { UstawKolorWlasny(2, c); }
    QColor Xkolor_J() const { return m_kolorWlasny[3]; }
    void setXkolor_J(const QColor &c) { UstawKolorWlasny(3, c); }
    QColor Xkolor_K() const { return m_kolorWlasny[4]; }
    void setXkolor_K(const QColor &c) { UstawKolorWlasny(4, c); }
    // Whether header gradients are drawn at all (the application's visual-style switch).
    static bool GradientyDozwolone();
    static void UstawGradientyDozwolone(bool tak);

    // ---- characters a column refuses (typed and pasted); e.g. "|" in item names
    QString ZakazaneZnaki(int kol) const;
    void UstawZakazaneZnaki(int kol, const QString &znaki);

    // ---- per column, as the property strings give them
    QChar Rodzaj(int kol) const;       // "C", "D", "F", "I", "J", "V" or "Z"
    int Limit(int kol) const;          // 0: no limit
    QChar Justowanie(int kol) const;   // "C", "P" or "L"
    bool TylkoDoOdczytu(int kol) const;
    QColor KolorPisma(int kol) const;     // the column's font colour
    QColor KolorPapieru(int kol) const;   // the column's background
    // The colour of a code ("0".."F", "G".."K"); invalid for any other code.
    QColor KolorKodu(QChar kod) const;
    QColor KolorStalychEfektywny() const { return KolorStalych(); }

    // The cell-check event: called when a cell's edit ends and its text passed the check of
    // its kind; `cela` is the normalised text and OK arrives true. Setting OK to false
    // rejects the value (the grid shows "Niepoprawna wartość" and holds the cell). It may
    // run more than once for one edit, always with the same text.
    std::function<void(int Acol, int Arow, const QString &cela, bool &OK)> OnXtestujCelke;
    // What the message of a rejected cell says instead of "<column>, wiersz <n>: niepoprawna
    // wartość <text>"; for OnXtestujCelke, when it rejects a value for a reason of its own.
    void UstawOpisBledu(const QString &opis) { m_opisBledu = opis; }
    // The column's title as XkolTytuly gives it.
    QString TytulKolumny(int kol) const;

    // ---- edit state
    bool Edycja() const { return m_edycja; }   // a cell edit is in progress
    int EdycjaX() const { return m_edycjaX; }
    int EdycjaY() const { return m_edycjaY; }
    bool CelkaOk() const { return m_celkaOk; }   // the last check of that cell passed
    // Finishes an open edit as Enter does; returns whether the cell was accepted. For
    // commands that read the cells while an editor may be open.
    bool ZatwierdzEdycje();
    // Drops an edit without finishing it and releases a rejected cell (for a program that
    // replaces all cells, e.g. a new document).
    void PrzerwijEdycje();
    // Whether a cell's text is valid for its kind (cuts it to the column limit first).
    bool SprawdzCelke(int c, int r);
    // The text of a kind in its normal form (blank stays blank).
    static QString Normalizuj(QChar rodzaj, const QString &tekst);

    // ---- cell helpers
    QString WydajCelki(int x, int y, int ile) const;
    QString WydajWiersz(int y) const;
    void LadujCelki(int x, int y, int ile, const QString &celki, bool ZeroTak);
    void LadujWiersz(int y, const QString &wiersz, bool ZeroTak);
    int CelaInt(int x, int y, int n = kTylkoOdczyt);
    double CelaFlo(int x, int y, double f = kTylkoOdczyt);
    double CelaZlo(int x, int y, double f = kTylkoOdczyt);
    double CelaDat(int x, int y, double d = kTylkoOdczyt);
    // Draws a text the way a cell of column Acol is drawn (justification, margin, wrapping);
    // an invalid colour keeps the painter's. With XkolJustBL a row too low for the text is
    // made higher and nothing is drawn now (the grid repaints).
    void PiszCelke(QPainter &p, const QString &S, const QRect &Rcelki, int Acol, int Arow,
                   const QColor &KolorFontu = QColor(), const QColor &KolorCelki = QColor());
    void UkryjPodswietlenie();
    void DopasujWysokoscCel();
    void Przeladujkolory();

protected:
    bool SelectCell(int c, int r) override;
    bool CanEditShow() const override;
    bool StopTabem(int c) const override { return !TylkoDoOdczytu(c); }
    bool CanEditAcceptKey(QChar &znak, int pozycja, const QString &tekstPrzed) override;
    QString FiltrWklejania(const QString &tekst) override;
    bool PrzecinekWEdytorze() const override;
    QString GetEditMask(int c, int r) override;
    QString GetEditText(int c, int r) override;
    void SetEditText(int c, int r, const QString &v) override;
    int GetEditLimit(int c, int r) const override;
    void PrzygotujEdytor(TEdytorSiatki *edytor, int c, int r) override;
    void EdytorUtworzony(TEdytorSiatki *edytor) override;
    bool KlawiszWEdycji(QKeyEvent *e) override;
    void DrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan) override;
    QColor KolorStalych() const override;
    void ColWidthsChanged() override;
    void PoZmianieDomyslnejWysokosci() override;
    void DoExit() override;

private:
    void ZakonczCelke();
    void PokazBladCelki();
    void RysujNaglowek(QPainter &p, int c, const QString &S, const QRect &R);
    void UstawKolorWlasny(int i, const QColor &c);
    void OdswiezGradient();
    static QString WielkieZnaki(const QString &s);

    QString m_rodzaj, m_szerok, m_szerZn, m_tytuly, m_warCel, m_justuj, m_kolory, m_papier, m_reOnly;
    QString m_nagJustuj, m_nagKolory;
    QList<int> m_limity;
    QStringList m_zakazane;
    bool m_justBL = false;
    bool m_error = true;
    bool m_errMsg = true;
    bool m_kol0grad = false;
    bool m_autoFixLinie = true;
    bool m_autoKolory = false;
    int m_nagHfontu = 8;
    int m_nagWysoko = 0;
    int m_autoFixKolor = 1;
    int m_autoGradient = 30;
    QColor m_kolorWlasny[5];
    QColor m_kolorWlasnyUstawiony[5];

    bool m_edycja = false;
    int m_edycjaX = -1;
    int m_edycjaY = -1;
    bool m_celkaOk = true;
    QString m_edyText;
    QString m_opisBledu;
};
