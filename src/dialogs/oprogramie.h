#pragma once
// The about box: the program, the product family, the maker's phones, mail and web
// addresses (links) and the author.

#include "controls/infolabel.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <functional>

class QPushButton;
class QUrl;

// The box's link: an information label in the hyperlink states, with the box's own colours
// (blue at rest, orange without underline under the mouse or with the keyboard focus); a
// click (or Enter or Space) emits klik().
class TetykietaLinku : public TInfoLabel {
    Q_OBJECT
public:
    explicit TetykietaLinku(const QString &tekst, QWidget *rodzic = nullptr);

    // The colour of the link at rest.
    QColor KolorNormalny() const { return m_normalny; }
    void UstawKolorNormalny(const QColor &k);
    bool Wskazany() const;

    static QColor KolorWskazany() { return QColor(255, 120, 0); }

    TKolor KolorTekstu() const override;
    QFont CzcionkaStylu() const override;

signals:
    void klik();

protected:
    void leaveEvent(QEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void Pokaz(bool wskazany);

    QColor m_normalny = QColor(0, 102, 204);
};

class THelpLodrin : public QDialog {
    Q_OBJECT
public:
    explicit THelpLodrin(QWidget *wlasciciel = nullptr);

    QWidget *Panel1 = nullptr;
    QWidget *MojPanel1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *LabelFirma = nullptr;
    QLabel *LabelTelefon1 = nullptr;
    QLabel *LabelTelefon2 = nullptr;
    TetykietaLinku *LabelMail = nullptr;
    TetykietaLinku *LabelWww = nullptr;
    QLabel *LabelAutor1 = nullptr;
    QLabel *LabelAutor2 = nullptr;
    QPushButton *ButnOk = nullptr;

    void LabelMailClick();
    void LabelWwwClick();

    // The maker's data shown in the box.
    static const QString kProducent;
    static const QString kTelefon1;
    static const QString kTelefon2;
    static const QString kMail;
    static const QString kWww;
    static const QString kAutor;
};

// Shows the about box modally over the screen's centre.
void PokazOProgramie(QWidget *wlasciciel);

// How the box asks the system to open an address (a "mailto:" or a web address);
// replaceable, tests record the addresses instead.
extern std::function<bool(const QUrl &adres)> ProcOtworzAdres;
