#pragma once
// The print options dialog shown before an invoice is printed: the number of copies (0..3),
// a duplicate with its date, the signature picture, extra margins for printing to PDF and
// the printer's settings; it can also show the preview and write a PDF with the current
// choices. The choices other than the copy count go into the print options of
// wydrukfaktury.h; the duplicate is asked for anew every time.

#include "controls/przyciski.h"
#include "invoice/rekord.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class TokienkoData;

class TZentoraDialDruk : public QDialog {
    Q_OBJECT
public:
    // `Fakt` serves the preview and PDF buttons; without an invoice they are disabled.
    explicit TZentoraDialDruk(QWidget *wlasciciel = nullptr, const TzentoraVat *Fakt = nullptr,
                              const TiniZentora *iniFak = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    TExBitBtn *BtnDrukarka = nullptr;
    TExBitBtn *BtnOk = nullptr;
    QPushButton *BtnAnul = nullptr;
    QPushButton *BtnPodglad = nullptr;
    QPushButton *BtnPdf = nullptr;
    QCheckBox *cboRysujPodpis = nullptr;
    QCheckBox *cboMarginUser = nullptr;
    QCheckBox *cbDuplikat = nullptr;
    TokienkoData *EdyDupData = nullptr;
    QComboBox *ComboKopie = nullptr;
    // The signature file this dialog offers (from the configuration).
    QString FplikPodpisuBmp;

    void cbDuplikatClick();
    void BtnDrukarkaClick();
    void cboRysujPodpisClick();
    void BtnPodgladClick();
    void BtnPdfClick();
    void Przypisz_ContextPopUpOknomEdycji();

public slots:
    void accept() override;

private:
    void FormCreate();
    // Puts the dialog's current choices into the print options (for the preview and PDF).
    void WyboryDoOpcji() const;
    bool DataDuplikatuPoprawna();

    const TzentoraVat *m_fakt = nullptr;
    const TiniZentora *m_ini = nullptr;
};

// Shows the dialog owned by `Wlasciciel`, starting from `Kopie` copies and the signature file
// of the configuration. True when the user chose "DRUKUJ": then `Kopie` and the print options
// hold the choices. The duplicate and its date are cleared in every case.
bool PokazOpcjeDruku(QWidget *Wlasciciel, const TiniZentora &iniFak, int &Kopie, const TzentoraVat *Fakt = nullptr);

// Makes the dialog the options step of DrukujFakture; called once at start-up.
void ZainstalujOpcjeDruku();

// The printer's set-up dialog, replaceable (tests put their own answer here): true when
// the user confirmed new settings for `drukarka`.
extern std::function<bool(QWidget *rodzic, QPrinter *drukarka)> ProcUstawDrukarke;
