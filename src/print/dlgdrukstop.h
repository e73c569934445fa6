#pragma once
// The progress window of a print: which document goes to which printer and port, the page
// being printed, and a Cancel button that aborts the document. It cannot be closed any
// other way; the job closes it when it ends.

#include "drukarka.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TDLgDrukStop : public QDialog, public TpostepDruku {
    Q_OBJECT
public:
    explicit TDLgDrukStop(QWidget *parent = nullptr);

    void Inicjuj(int TypAbort);
    void LadujTytul(const QString &Dokument) override;
    void LadujOpisy(const QString &Drukarka, const QString &Port) override;
    void LadujNrStr(int NrStrony) override;
    void PokazPostep() override;
    void UkryjPostep() override { hide(); }
    QObject *ObiektPostepu() override { return this; }

    QLabel *Panel1, *Panel2, *Panel3, *LabelDokum, *PanelDruk, *PanelPort, *PanelStrona;
    QPushButton *AnulujBtn;
    int Rodzaj_Abortu = 0;   // 1: Cancel only records the request
    bool PRZERWANO_DRUK = false;

public slots:
    void AnulujBtnClick();
    // Escape presses Cancel.
    void reject() override;

protected:
    // Refuses every close request.
    void closeEvent(QCloseEvent *e) override;
};

// Gives the printer jobs this window as their progress window, when the program runs with
// widgets (a job of a headless run prints without one).
void ZainstalujOknoDrukStop();
