#pragma once
// The calculator window: a display, a keypad of 5 × 6 keys, the paper tape beside it and
// five memories, with the clipboard as its way out. Free-standing (PokazKalkulator) it is
// an ordinary tool window; as a field calculator (KalkulatorDlaPola) it opens under the
// field, waits until the user inserts a value or leaves, and returns the value.

#include "kalkulatorlogika.h"
#include "okienka.h"

#include <QHash>
#include <QPoint>

class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class TwyswietlaczKalk;

class TDlgKalkulat : public TMaleOkno {
    Q_OBJECT
public:
    enum Tsesja {
        Wolny,      // free-standing
        Polowy,     // field calculator without a field: centred over the window, with a caption
        PodPolem,   // field calculator under its field, borderless
    };

    explicit TDlgKalkulat(Tsesja sesja = Wolny, QWidget *forma = nullptr, Qt::WindowFlags flagi = {});
    ~TDlgKalkulat() override;

    // The windows open now (each at most once), or nullptr.
    static TDlgKalkulat *Wolnostojacy();
    static TDlgKalkulat *DlaPola();

    // The key processor: one code of the keypad, `n` the memory 1..5 of R, A and K.
    void ObsluzKlawisz(QChar kod, int n = 1);
    // A typed character (Backspace, Enter and Escape as their control characters).
    void KlawiszZKlawiatury(QChar znak);
    // Each character of the text as if typed.
    void WpiszTekst(const QString &tekst);

    void PokazTasme(bool pokaz);
    bool TasmaWidoczna() const;
    // Starts the display with a value (nothing for 0), as if its digits had been typed.
    void UstawPoczatek(double poczatek);
    void Przypisz_ContextPopUpOknomEdycji();

    const TlogikaKalkulatora &Logika() const { return m_logika; }
    QString TekstWyswietlacza() const { return m_logika.Wyswietlacz(); }
    bool SesjaModalna() const { return m_sesja != Wolny; }
    bool SesjaNatywna() const { return m_sesja == PodPolem; }
    int SzerokKlienta() const { return m_szerokKlienta; }
    int SzerGradTasmy() const { return m_szerGradTasmy; }
    QChar MemOper() const { return m_memOper; }

    // The result of a field calculator: whether the user inserted a value, and which.
    bool Zaakceptowano() const { return Przyjete(); }
    double Wynik() const { return m_wynik; }

    // Controls, for the program and its tests. Keys are named as their codes' buttons:
    // "Klawisz_0" .. "Klawisz_9", "Klawisz_sep", "Klawisz_Dod", "Klawisz_Sch", ...
    QAbstractButton *Klawisz(const QString &nazwa) const;
    QWidget *Wyswietlacz() const;
    QLabel *Znacznik() const { return m_znacznik; }
    QListWidget *Tasma() const { return m_tasma; }
    QWidget *PanelTasmy() const { return m_panelTasmy; }
    QMenu *MenuPamieci() const { return m_menuPamieci; }
    QMenu *PopMenu() const { return m_popMenu; }
    QAction *PopMen_Import() const { return m_popImport; }
    QAction *PopMen_Tasma() const { return m_popTasma; }
    QAction *PopMen_mem(int n) const { return m_popPamiec.value(n - 1); }

public slots:
    void KalkulatKlaw();
    void Klawisz_SchClick();
    void Klawisz_MemClick();
    void ObslugaMemMenu(int n);
    void PopMen_ImportClick();
    void PopMen_mem1_5(int n);
    void PopMen_TasmaTakClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    void FormCreate();
    void UtworzKlawisze();
    void UtworzMenu();
    void UlozKontrolki();
    void Odswiez();
    void OdswiezTasme();
    void OtworzMenuPamieci(QAbstractButton *przycisk, QChar oper);
    bool KopiujDoSchowka(double &wartosc);
    void ZacznijPrzeciaganie(bool zTasmy);
    void UstawTytul();

    TlogikaKalkulatora m_logika;
    Tsesja m_sesja;
    QHash<QString, QAbstractButton *> m_klawisze;
    TwyswietlaczKalk *m_wyswietlacz = nullptr;
    QLabel *m_znacznik = nullptr;
    QWidget *m_panelTasmy = nullptr;
    QListWidget *m_tasma = nullptr;
    QMenu *m_menuPamieci = nullptr;
    QMenu *m_popMenu = nullptr;
    QAction *m_popImport = nullptr;
    QAction *m_popTasma = nullptr;
    QList<QAction *> m_popPamiec;
    int m_szerokKlienta = 0;
    int m_szerGradTasmy = 0;
    int m_wysokKlienta = 0;
    QChar m_memOper = QLatin1Char('A');
    QChar m_lastKey;
    double m_wynik = 0;
    QPoint m_startPrzeciagania;
    QObject *m_zrodloPrzeciagania = nullptr;
};

// Shows the free-standing calculator, creating it when there is none: at (left, top), at
// the remembered place for -2, -2, centred on the screen when either is -1. An existing one
// is restored from minimised and brought to the front.
void PokazKalkulator(int left, int top);

// The field calculator for `pole` of `forma` (pole may be null: then it opens over the
// form). Starts with `poczatek` on the display unless it is 0 and waits until the window
// closes. True when the user inserted a value: it is in `wynik` and its display text is on
// the clipboard. False at once while another field calculator is open.
bool KalkulatorDlaPola(QWidget *forma, QWidget *pole, double &wynik, double poczatek = 0);

// Makes KalkulatorDlaPola the program's calculator hook; called once at start-up.
void ZainstalujKalkulator();
