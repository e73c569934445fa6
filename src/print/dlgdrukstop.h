#pragma once
// The progress window of a print: which document goes to which printer and port, the page
// being printed, and a Cancel button that aborts the document. It cannot be closed any
// other way; the job closes it when it ends.

#include <QDialog>

class QLabel;
class QPushButton;

class TDLgDrukStop : public QDialog {
    Q_OBJECT
public:
    explicit TDLgDrukStop(QWidget *parent = nullptr);

    void Inicjuj(int TypAbort);
    void LadujTytul(const QString &Dokument);
    void LadujOpisy(const QString &Drukarka, const QString &Port);
    void LadujNrStr(int NrStrony);

    QLabel *Panel1, *Panel2, *Panel3, *LabelDokum, *PanelDruk, *PanelPort, *PanelStrona;
    QPushButton *AnulujBtn;
    int Rodzaj_Abortu = 0;      // 1: Cancel only records the request
    bool PRZERWANO_DRUK = false;

public slots:
    void AnulujBtnClick();
    // Escape presses Cancel.
    void reject() override;

protected:
    // Refuses every close request.
    void closeEvent(QCloseEvent *e) override;
};
