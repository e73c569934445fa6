#pragma once
// A single-line field that sees every character before it goes in: typed keys, input-method
// text, pasted, dropped and middle-click text all pass the field's rules. Control characters
// never get in (a line break in a field would break the line-based files the program
// writes). Optionally carries a classic edit mask (see maski.h).

#include "maski.h"

#include <QClipboard>
#include <QLineEdit>

// Line breaks and tabs become spaces (trailing line breaks are dropped), other control
// characters are removed.
QString BezZnakowSterujacych(const QString &s);

class TPoleFiltrowane : public QLineEdit {
    Q_OBJECT
public:
    explicit TPoleFiltrowane(QWidget *rodzic = nullptr);

    // A classic edit mask ("!99/99/9999;1; "); an empty text removes it.
    void UstawMaske(const QString &maska);
    QString Maska() const { return m_maskaTekst; }
    // Whether every position of the mask that takes input is blank.
    bool PustyWMasce() const;

    // The text as the program reads and writes it; with a mask, blanks are spaces
    // ("  .  .    " for an empty date). Without a mask the same as text()/setText().
    QString Tekst() const;
    void UstawTekst(const QString &tekst);

    // Pastes through the field's rules; the shared edit menu calls this for its "Wklej".
    void Wklej(QClipboard::Mode tryb = QClipboard::Clipboard);

protected:
    // Whether a typed character may go in at `pozycja` of `tekstPrzed` (the text with the
    // selected part already removed); may change the character (to upper case).
    virtual bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed);
    // Inserts pasted or dropped text, already free of control characters, at the caret.
    virtual void WklejTekst(const QString &tekst);
    // Whether the decimal key of the numeric keypad types the decimal separator ",".
    virtual bool PrzecinekZKlawiatury() const { return false; }

    // Where typed text goes (start of the selection or the caret) and the text without the
    // selected part.
    int PozycjaWstawiania() const;
    QString TekstBezZaznaczenia() const;

    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString FiltrujPisane(const QString &tekst);

    TopisMaski m_maska;
    QString m_maskaTekst;
};

// Pastes into a field: through its rules when it is one of the program's fields, plainly
// for any other line edit.
void WklejDoPola(QWidget *pole);
