#pragma once
// The application module: created once at start-up, before the main window, and destroyed
// after it. It owns what all windows share: the edit menu of every edit field (with the two
// commands that insert a calculator result or a calendar date into the field), the menu of
// editable combo boxes, and the internet operations (mail and web pages of the maker, the
// update list). Windows reach the menus only through the hook ProcPrzypiszPopup, which the
// module fills while it exists; the pictures are the shared image lists of ikonyapli.h.

#include "ikonyapli.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QComboBox;
class QMenu;
class QPoint;
class QWidget;

class TModulApli : public QObject {
    Q_OBJECT
public:
    explicit TModulApli(QObject *rodzic = nullptr);
    ~TModulApli() override;

    // The module while it exists, else nullptr.
    static TModulApli *Modul();

    const TListaObrazow &IkonyApli() const { return ::IkonyApli(); }
    const TListaObrazow &IkonyApli16() const { return ::IkonyApli16(); }
    const TListaObrazow &IkonyApli32() const { return ::IkonyApli32(); }
    const TListaObrazow &IkonySys32() const { return ::IkonySys32(); }

    // Attaches the shared menus to one control: an edit field without a context menu of its
    // own gets the edit menu, an editable combo box without one gets the combo menu; other
    // controls are left alone.
    void PrzypiszPopup(QObject *kontrolka);

    // Internet operations; they read DaneProgramu and DaneInternet (common/internet.h).
    // Opens a new message in the user's mail program.
    void Mailuniwersal(const QString &adres, const QString &temat, const QString &tresc);
    void MailZprogramu();
    void MailZamowienie();
    void MailTematOgoln();
    void WwwUniwersal(const QString &url);
    void WWWdomowa();
    void WWWusersInfo();
    // Fetches the update list from http_plikInfo into sPlik_Info and reads it; silent when
    // there is no connection, a warning when the download fails.
    void WwwPobierzInfo();
    void DekodujPlikInfo();
    // Whether http_programu answers within the connection time limit.
    bool JestPolaczenie();

    // Time limits of the connection test and of the download, in milliseconds.
    int CzasPolaczenia = 5000;
    int CzasPobierania = 30000;

    // Edit actions, in the order of the edit menu.
    QAction *A_Kalkul = nullptr;
    QAction *A_Kalend = nullptr;
    QAction *A_calosc = nullptr;
    QAction *A_kopiuj = nullptr;
    QAction *A_wklej = nullptr;
    QAction *A_Wytnij = nullptr;
    QAction *A_Cofnij = nullptr;
    QAction *A_Edycja = nullptr;
    QList<QAction *> AkcjeOkienEdit;

    QAction *A_WyslijMail = nullptr;
    QAction *A_stronaWww = nullptr;
    QAction *A_PobierzInfo = nullptr;
    QList<QAction *> AkcjeInternet;

    QMenu *APopupOkienEdit = nullptr;
    QMenu *APopupDlaCombo = nullptr;
    QAction *Mcb_Kopiuj = nullptr;
    QAction *Mcb_Wklej = nullptr;
    QAction *Mcb_Czysc = nullptr;

    // The field and the combo box whose menu was opened last.
    QPointer<QWidget> FPPcusEdy;
    QPointer<QComboBox> FPPcombob;

public slots:
    void A_KalkulExecute();
    void A_KalendExecute();
    void Mcb_KopiujClick();
    void Mcb_WklejClick();
    void Mcb_CzyscClick();

private:
    void UtworzAkcje();
    void UtworzMenu();
    void MenuEdycji(QWidget *pole, const QPoint &gdzie);
    void MenuCombo(QComboBox *combo, const QPoint &gdzie);
    // Enables the standard edit actions for the field; `wklejanie` says whether the field
    // takes pasted text at all.
    void NaUpdateAkcji(QWidget *pole, bool wklejanie);
    QWidget *Cel() const;
    QWidget *FormaCelu() const;
};

// Whether an edit field is a date field (a mask containing "99/99/9999").
bool JestPoleDaty(const QWidget *pole);
