#pragma once
// The parameters dialog: edits a copy of the configuration record on four pages (general,
// numbering, seller's frame, bank account and person); only OK hands the copy back.
// Writing Faktury.ini and refreshing the main window are the caller's work.

#include "invoice/rekord.h"

#include <QDialog>
#include <QTextEdit>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TStronaKsef;
class TokienkoLong;
class TokienkoTekst;

// A multi-line text with a character limit; a line break counts as one character, as the
// ";" that stands for it in the file.
class TmemoLimit : public QTextEdit {
    Q_OBJECT
public:
    explicit TmemoLimit(QWidget *rodzic = nullptr);
    int MaxLength() const { return m_limit; }
    void setMaxLength(int n);
    // The lines as a memo control has them: a last empty line (after a final line break)
    // is no line.
    QStringList Linie() const;

protected:
    void insertFromMimeData(const QMimeData *zrodlo) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    int Wolne() const;
    void PilnujLimitu();

    int m_limit = 0;
    bool m_wPilnowaniu = false;
};

class TFakParam : public QDialog {
    Q_OBJECT
public:
    explicit TFakParam(QWidget *wlasciciel = nullptr);

    // The pages, in this order.
    enum { kStrOgolne, kStrNumerac, kStrRamaFir, kStrBankPan, kStrKsef };

    // The copy of the configuration being edited.
    TiniZentora Param;

    // Controls from the record, and the record from the controls (only on OK).
    void IniNaEkran();
    void EkranNaIni();

    void RadioNumerClick();
    void BtnFoldFakturClick();
    void BtnPlikPodpisClick();
    void Przypisz_ContextPopUpOknomEdycji();

    QTabWidget *Strony = nullptr;
    QWidget *StrOgolne = nullptr;
    QWidget *StrNumerac = nullptr;
    QWidget *StrRamaFir = nullptr;
    QWidget *StrBankPan = nullptr;
    TStronaKsef *StrKsef = nullptr;

    TokienkoTekst *EdyFoldFaktur = nullptr;
    QPushButton *BtnFoldFaktur = nullptr;
    TokienkoTekst *EdyPlikPodpis = nullptr;
    QPushButton *BtnPlikPodpis = nullptr;
    QCheckBox *cbSlowoVat = nullptr;
    QCheckBox *cbProForNip = nullptr;
    QCheckBox *cbDatSprzedTak = nullptr;
    QComboBox *cbTypDatSprzed = nullptr;
    QComboBox *cbStawka = nullptr;
    QComboBox *cbZaplata = nullptr;
    TokienkoLong *EdyDniZapl = nullptr;

    QRadioButton *RadioNR = nullptr;
    QRadioButton *RadioNMR = nullptr;
    QRadioButton *RadioNSR = nullptr;
    QRadioButton *RadioNSMR = nullptr;
    QLineEdit *EdySymbol = nullptr;
    QLineEdit *EdySymbolRach = nullptr;   // the bills' own series
    QCheckBox *cboAutoNum = nullptr;

    TmemoLimit *MemoFirma = nullptr;
    QWidget *PanelPrzyklad = nullptr;

    QLineEdit *EdyBank = nullptr;
    QLineEdit *EdyKonto = nullptr;
    QLineEdit *EdyOsoba = nullptr;

    QPushButton *BtnOk = nullptr;
    QPushButton *BtnAnuluj = nullptr;

public slots:
    void accept() override;

private:
    void FormCreate();
    QWidget *StronaOgolna();
    QWidget *StronaNumeracji();
    QWidget *StronaFirmy();
    QWidget *StronaBanku();
};

// Shows the dialog on page `strona` (0 general, 1 numbering, 2 seller's frame, 3 bank and
// person, 4 KSeF) with a copy of `ini`; on OK the edited values go back into `ini`. True exactly
// when the dialog was closed with OK.
bool PokazParametry(QWidget *wlasciciel, TiniZentora &ini, int strona);

// The two platform dialogs, replaceable (tests put their own answers here). Each starts
// from the field's current text and returns the chosen path, or an empty text when the
// user gave up.
extern std::function<QString(QWidget *rodzic, const QString &poczatek)> ProcWybierzFolder;
extern std::function<QString(QWidget *rodzic, const QString &poczatek)> ProcWybierzPlikPodpisu;
