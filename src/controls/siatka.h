#pragma once
// A grid of text cells: fixed (non-scrolling) header rows and columns, a current cell and a
// selection, scrolling by whole rows and columns, one in-place line editor, and sizing of
// columns and rows with the mouse. Coordinates (column, row) count the fixed rows and
// columns too; cell (0, 0) is the top-left header cell.
//
// The behaviour is that of a classic desktop string grid, with virtual steps a subclass
// can replace (key acceptance, edit text in and out, selection moves, cell drawing, leaving
// the grid); TjustGrid builds on it.
//
// Keys: arrows, PgUp/PgDn, Home/End (Ctrl: first/last cell) move the current cell; Tab moves
// along the row when goTabs is set; Enter opens and closes the editor, F2 opens it with the
// caret at the end, a typed character opens it with that character. In the editor, Up, Down,
// PgUp, PgDn (and Tab with goTabs) move to the next cell and stay in editing; Escape
// cancels. A click on the current cell or a double click opens the editor.

#include "ossiatki.h"
#include "polefiltrowane.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFlags>
#include <QList>
#include <QStringList>
#include <functional>

struct TGridRect {
    int Left = -1;
    int Top = -1;
    int Right = -1;
    int Bottom = -1;
    bool Zawiera(int c, int r) const { return c >= Left && c <= Right && r >= Top && r <= Bottom; }
    bool operator==(const TGridRect &) const = default;
};

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goEditing = 1u << 8,
    goTabs = 1u << 9,
    goRowSelect = 1u << 10,
    goAlwaysShowEditor = 1u << 11,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)
inline constexpr TGridOptions kDomyslneOpcjeSiatki =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

// The state of a cell being drawn.
enum TGridDrawState : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TGridDrawingStyle { gdsClassic, gdsThemed, gdsGradient };

class TSiatka;

// The in-place editor: every typed or pasted character passes the grid's rules.
class TEdytorSiatki : public TPoleFiltrowane {
    Q_OBJECT
public:
    explicit TEdytorSiatki(TSiatka *siatka);
    TSiatka *Siatka() const { return m_siatka; }

protected:
    bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed) override;
    void WklejTekst(const QString &tekst) override;
    bool PrzecinekZKlawiatury() const override;
    void keyPressEvent(QKeyEvent *e) override;
    bool event(QEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    TSiatka *m_siatka;
};

class TSiatka : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TSiatka(QWidget *rodzic = nullptr);
    ~TSiatka() override;

    int ColCount() const { return m_kolumn; }
    void setColCount(int n);
    int RowCount() const { return m_wierszy; }
    void setRowCount(int n);
    int FixedCols() const { return m_stalychKol; }
    void setFixedCols(int n);
    int FixedRows() const { return m_stalychWier; }
    void setFixedRows(int n);

    // Setting a default size gives it to every column (row).
    int DefaultColWidth() const { return m_domSzer; }
    void setDefaultColWidth(int w);
    int DefaultRowHeight() const { return m_domWys; }
    void setDefaultRowHeight(int h);
    int ColWidths(int c) const;
    void setColWidths(int c, int w);
    int RowHeights(int r) const;
    void setRowHeights(int r, int h);
    int GridLineWidth() const { return m_grubLinii; }
    void setGridLineWidth(int w);

    QString Cells(int c, int r) const;
    void setCells(int c, int r, const QString &s);

    // The current cell; -1 when there is none (after the selection was hidden).
    int Col() const { return m_biezKol; }
    int Row() const { return m_biezWier; }
    // Moves the current cell the way the user does (the move may be refused); returns
    // whether it moved.
    bool setCol(int c) { return WybierzKomorke(c, m_biezWier < m_stalychWier ? m_stalychWier : m_biezWier); }
    bool setRow(int r) { return WybierzKomorke(m_biezKol < m_stalychKol ? m_stalychKol : m_biezKol, r); }
    bool WybierzKomorke(int c, int r);
    // The selected rectangle; setting it moves the current cell to its bottom-right corner
    // without asking (the empty rectangle -1,-1,-1,-1 leaves no current cell).
    TGridRect Selection() const { return m_zazn; }
    void setSelection(const TGridRect &s);

    int TopRow() const { return m_gornyWiersz; }
    void setTopRow(int r);
    int LeftCol() const { return m_lewaKol; }
    void setLeftCol(int c);
    // Rows (columns) that are fully visible below (right of) the fixed ones.
    int VisibleRowCount() const;
    int VisibleColCount() const;

    TGridOptions Options() const { return m_opcje; }
    void setOptions(TGridOptions o);
    TScrollStyle ScrollBars() const { return m_paski; }
    void setScrollBars(TScrollStyle s);

    QColor Color() const { return m_kolor; }
    void setColor(const QColor &c);
    QColor FixedColor() const { return m_kolorStalych; }
    void setFixedColor(const QColor &c);
    TGridDrawingStyle DrawingStyle() const { return m_stylRys; }
    void setDrawingStyle(TGridDrawingStyle s);
    QColor GradientStartColor() const { return m_gradStart; }
    void setGradientStartColor(const QColor &c);
    QColor GradientEndColor() const { return m_gradKoniec; }
    void setGradientEndColor(const QColor &c);
    QColor KolorTekstu() const;

    // Editing mode: the editor is (or will be) shown on the current cell when it can be
    // edited. EdytorOtwarty() tells whether an editor is open on a cell right now.
    bool EditorMode() const { return m_trybEdycji; }
    void setEditorMode(bool v);
    bool EdytorOtwarty() const { return m_edKol >= 0; }
    TEdytorSiatki *InplaceEditor() const { return m_edytor; }
    // Opens the editor on the current cell (selecting its text or with the caret at the end).
    void PokazEdytor(bool zaznaczWszystko = true);
    // Closes the editor, handing its text to the cell.
    void UkryjEdytor();

    // The rectangle of a cell in viewport coordinates; empty when it is not on screen.
    QRect CellRect(int c, int r) const;
    // The cell under a viewport point; false when there is none.
    bool MouseToCell(const QPoint &p, int &c, int &r) const;
    // Whether the grid or its editor has the keyboard focus.
    bool MaFokus() const;

    // Events of the owner (all optional).
    std::function<void(int c, int r, bool &mozna)> OnSelectCell;
    std::function<void(QPainter &p, int c, int r, const QRect &R, unsigned stan)> OnDrawCell;
    // Every key pressed in the grid or its editor, before the grid's own handling; setting
    // the key to 0 consumes it.
    std::function<void(int &klawisz, Qt::KeyboardModifiers mod)> OnKeyDown;
    std::function<void()> OnDblClick;
    std::function<void(int c, int r, QString &maska)> OnGetEditMask;
    std::function<void(int c, int r, QString &tekst)> OnGetEditText;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The current cell moved.
    void komorkaWybrana(int c, int r);
    // A column width changed by the user dragging its border.
    void szerokoscZmieniona(int c);

protected:
    // A setter of a property that only changes the drawing: store and repaint.
    template <typename T, typename U> void UstawIPrzerysuj(T &pole, U &&wartosc)
    {
        pole = std::forward<U>(wartosc);
        viewport()->update();
    }
    // Whether the current cell may be moved to (c, r); default: the owner's OnSelectCell.
    virtual bool SelectCell(int c, int r);
    // Whether the editor may be shown on the current cell.
    virtual bool CanEditShow() const;
    // Whether Tab stops in column c (computed columns are passed over).
    virtual bool StopTabem(int /*c*/) const { return true; }
    // Whether a typed character may go into the editor (see TPoleFiltrowane::PrzyjmijZnak).
    virtual bool CanEditAcceptKey(QChar &znak, int pozycja, const QString &tekstPrzed);
    // Pasted text as it may go into the editor of the current cell.
    virtual QString FiltrWklejania(const QString &tekst) { return tekst; }
    virtual bool PrzecinekWEdytorze() const { return false; }
    virtual QString GetEditMask(int c, int r);
    virtual QString GetEditText(int c, int r);
    // Called at every change of the editor's text and once more when the editor leaves
    // the cell (then EdytorAktywny() is false).
    virtual void SetEditText(int c, int r, const QString &v);
    // The character limit of the editor, 0 for none.
    virtual int GetEditLimit(int c, int r) const;
    // Alignment and the like of the editor for a cell.
    virtual void PrzygotujEdytor(TEdytorSiatki *edytor, int c, int r);
    // Once, when the editor is created.
    virtual void EdytorUtworzony(TEdytorSiatki *edytor);
    // A key in the editor before the grid's handling of editor keys; true consumes it.
    virtual bool KlawiszWEdycji(QKeyEvent *e);
    // Draws a cell; the painter holds the current colours (brush background, pen text) and
    // the rectangle is already filled with them.
    virtual void DrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan);
    virtual QColor KolorStalych() const { return m_kolorStalych; }
    virtual void ColWidthsChanged() {}
    // The focus has left the grid and its editor for another control.
    virtual void DoExit() {}

    // The editor is open on a cell and is not in the middle of closing.
    bool EdytorAktywny() const { return m_edKol >= 0 && !m_zamykanie; }
    int EdytowanaKol() const { return m_edKol; }
    int EdytowanyWiersz() const { return m_edWier; }
    // The editor shows the cell's text again and counts as unchanged.
    void ZsynchronizujEdytor();
    // Closes the editor without handing its text to the cell; the cell gets back the text
    // it had when the editor opened.
    void AnulujEdytor();
    // Moves the current cell (asking SelectCell); `kotwica` also moves the selection anchor.
    bool PrzesunBiezaca(int c, int r, bool kotwica = true);
    // The framework's handling of a navigation key.
    void Nawiguj(QKeyEvent *e);
    // The editor's text as it was when the editor opened.
    QString TekstPoczatkowyEdytora() const { return m_tekstPoczatkowy; }
    // Puts a text into the open editor as if the user had typed it.
    void ZmienTekstEdytora(const QString &t);
    // After setDefaultRowHeight gave every row the default height.
    virtual void PoZmianieDomyslnejWysokosci() {}
    int SzerStalych() const;
    int WysStalych() const;

    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent *e) override;

private:
    friend class TEdytorSiatki;

    void EdytorZmieniony();
    bool KlawiszEdytora(QKeyEvent *e);
    // Tab past the last cell, Shift+Tab before the first and Ctrl+(Shift+)Tab anywhere
    // leave the grid for its neighbour in the window's tab order.
    bool TabWychodzi(const QKeyEvent *e) const;
    // The cell Tab (or Shift+Tab) goes to from (c, r); false when it leaves the grid.
    bool KrokTabem(bool wstecz, int &c, int &r) const;
    void WyjdzTabem(const QKeyEvent *e);
    void UtracilFokus(QFocusEvent *e);
    void SprawdzWyjscie();
    // Open (close) the editor on the current cell as the grid needs it, leaving the editing
    // mode as it is; PokazEdytor and UkryjEdytor also switch the mode.
    void OtworzEdytor(bool zaznaczWszystko);
    void ZamknijEdytor(bool zapisz);
    void UstawGeometrieEdytora();
    void UstawPaski();
    void PoprawWidocznosc(int c, int r);
    void UstawGorny(int r);
    void UstawLewa(int c);
    // The first scrolled row (column) and its scroll bar take an already limited value.
    void UstawPierwsza(int &pierwsza, QScrollBar *pasek, int nowa);
    int MaksGorny() const;
    int MaksLewa() const;
    int LiniaKol() const;
    int LiniaWier() const;
    // The two axes as they stand (the size lists are shared, not copied).
    TOsSiatki OsKolumn() const { return {m_szer, m_stalychKol, m_lewaKol, LiniaKol()}; }
    TOsSiatki OsWierszy() const { return {m_wys, m_stalychWier, m_gornyWiersz, LiniaWier()}; }
    int KrawedzKolumny(const QPoint &p) const;
    int KrawedzWiersza(const QPoint &p) const;
    void PoprawZaznaczenie();
    void OgraniczBiezaca();

    int m_kolumn = 5;
    int m_wierszy = 5;
    int m_stalychKol = 1;
    int m_stalychWier = 1;
    int m_domSzer = 64;
    int m_domWys = 24;
    int m_grubLinii = 1;
    QList<int> m_szer;
    QList<int> m_wys;
    QList<QStringList> m_cele;   // [row][column]

    int m_biezKol = 1;
    int m_biezWier = 1;
    int m_kotwKol = 1;
    int m_kotwWier = 1;
    TGridRect m_zazn{1, 1, 1, 1};
    int m_gornyWiersz = 1;
    int m_lewaKol = 1;

    TGridOptions m_opcje = kDomyslneOpcjeSiatki;
    TScrollStyle m_paski = ssBoth;
    QColor m_kolor;
    QColor m_kolorStalych;
    TGridDrawingStyle m_stylRys = gdsThemed;
    QColor m_gradStart;
    QColor m_gradKoniec;

    TEdytorSiatki *m_edytor = nullptr;
    bool m_trybEdycji = false;
    int m_edKol = -1;
    int m_edWier = -1;
    bool m_zmieniony = false;
    bool m_zamykanie = false;
    bool m_zapisZEdytora = false;
    QString m_tekstPoczatkowy;
    QString m_tekstKomorki;

    bool m_wRysowaniu = false;
    bool m_paskiCzekaja = false;
    int m_rozmiarKol = -1;   // column whose width is being dragged
    int m_rozmiarWier = -1;
    int m_poczatekRozmiaru = 0;
    int m_rozmiarPoczatkowy = 0;
    bool m_przeciaganie = false;
    bool m_klikNaBiezacej = false;
    bool m_wyjscieCzeka = false;
    bool m_przekazanieKlawisza = false;   // a key the grid hands to the editor it just opened
};
