#pragma once
// The program's validated single-line fields. Keys that do not fit a field are swallowed
// while typing; when the focus leaves, the text is checked and normalised, and a text that
// fails raises "Niepoprawna wartość" and (by default) takes the focus back, so the user
// corrects it. An invalid text is never changed.
//
//   TokienkoTekst   text of a character class (Xformat, Xspecjal)
//   TokienkoData    date, with the mask "  .  .    "
//   TokienkoFloat   decimal number in a range
//   TokienkoLong    integer in a range
//
// Read and write the text with Tekst()/UstawTekst() (with a mask, blanks are spaces).

#include "polefiltrowane.h"

class TokienkoBaza : public TPoleFiltrowane {
    Q_OBJECT
public:
    explicit TokienkoBaza(QWidget *rodzic = nullptr);

    // Show "Niepoprawna wartość" when the check on leaving fails.
    bool XBoxErr() const { return m_boxErr; }
    void setXBoxErr(bool v) { m_boxErr = v; }
    // Take the focus back when the check on leaving fails.
    bool Xcofnij() const { return m_cofnij; }
    void setXcofnij(bool v) { m_cofnij = v; }
    // The result of the last check.
    bool XTestOK() const { return m_testOK; }
    void setXTestOK(bool v) { m_testOK = v; }
    // When non-zero, the background is this entry of the style palette.
    int XNkolor() const { return m_nkolor; }
    void setXNkolor(int nr);
    // Select the whole text when the field is entered from the keyboard.
    bool XAutoSelect() const { return m_autoSelect; }
    void setXAutoSelect(bool v) { m_autoSelect = v; }

    // Checks the text, normalises it when it passes, keeps the result in XTestOK and
    // returns it. Shows nothing.
    virtual bool TestPolaOK() = 0;
    // The check of leaving, run on demand by a command that is about to use the field (a
    // tool-bar button takes no focus, so the field is never left): when it fails, the
    // message and the focus back as on leaving. A field nobody can change always passes.
    bool SprawdzJakPrzyWyjsciu();

signals:
    // After a failed check on leaving, once the message has been shown.
    void odrzucono();

protected:
    // Tidying of the text when the field is entered.
    virtual void PrzyWejsciu() {}
    // The maximum length, 0 when there is none.
    int Szerokosc() const;
    void PiszTekst(const QString &t);   // writes only when the text differs

    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

    bool m_testOK = true;

private:
    void PoNieudanymWyjsciu();
    // A failed check: the message, the focus back to the field, `odrzucono`.
    void Odrzuc();

    bool m_boxErr = true;
    bool m_cofnij = true;
    bool m_autoSelect = true;
    int m_nkolor = 0;
};

class TokienkoTekst : public TokienkoBaza {
    Q_OBJECT
public:
    explicit TokienkoTekst(QWidget *rodzic = nullptr);

    // First character: the class (A letters, digits, space; C digits; F letters, digits,
    // "_"; K digits and one "," not first; L letters, space; M digits and "-" first;
    // N digits, "-" first, one ","; anything else every character). Written as upper-case
    // X, L, A or F it turns typed letters to upper case. Options after it: D no spaces,
    // U first letter upper case on leaving, # must not be empty.
    QString Xformat() const { return m_format; }
    void setXformat(const QString &f) { m_format = f; }
    // Characters accepted in addition to the class.
    QString Xspecjal() const { return m_specjal; }
    void setXspecjal(const QString &s) { m_specjal = s; }

    bool TestPolaOK() override;

    // The typing rule of a format (for one character at a position of a text); exposed for
    // the other places that accept text by the same classes.
    static bool ZnakFormatu(const QString &format, const QString &specjal, QChar &znak, int pozycja,
                            const QString &tekstPrzed);

protected:
    bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed) override;
    void WklejTekst(const QString &tekst) override;
    void PrzyWejsciu() override;

private:
    bool Opcja(QChar o) const;

    QString m_format = QStringLiteral("x");
    QString m_specjal;
};

class TokienkoData : public TokienkoBaza {
    Q_OBJECT
public:
    explicit TokienkoData(QWidget *rodzic = nullptr);

    // The date (day count); 0 for a blank field. Writing shows "DD.MM.YYYY" (blank for 0).
    double XWartosc() const;
    void setXWartosc(double wartosc);
    // Earliest and latest date as DDMMYYYY (1012011 is 1 January 2011); 0 means no limit.
    int XWarMin() const { return m_min; }
    void setXWarMin(int v) { m_min = v; }
    int XWarMax() const { return m_max; }
    void setXWarMax(int v) { m_max = v; }

    bool TestPolaOK() override;

protected:
    void PrzyWejsciu() override;

private:
    double m_wartosc = 0;
    int m_min = 0;
    int m_max = 0;
};

// What the number fields share: the alignment and when a zero is shown.
class TokienkoLiczba : public TokienkoBaza {
    Q_OBJECT
public:
    explicit TokienkoLiczba(QWidget *rodzic = nullptr) : TokienkoBaza(rodzic) {}

    bool XWprawo() const { return m_wprawo; }
    void setXWprawo(bool v);
    // Zero is shown as "0" instead of a blank field.
    bool XJawne0() const { return m_jawne0; }
    void setXJawne0(bool v) { m_jawne0 = v; }
    // A zero typed as "0" stays visible.
    bool Xinput0() const { return m_input0; }
    void setXinput0(bool v) { m_input0 = v; }

protected:
    // Whether the checked value of text `t` (`zero`: it is 0) is written as "0".
    bool ZeroWidoczne(const QString &t, bool zero) const;
    void PrzyWejsciu() override;

    bool m_jawne0 = false;

private:
    bool m_wprawo = false;
    bool m_input0 = false;
};

class TokienkoFloat : public TokienkoLiczba {
    Q_OBJECT
public:
    explicit TokienkoFloat(QWidget *rodzic = nullptr);

    double XWartosc() const;
    void setXWartosc(double v);
    // The range: [min, max] when max > min, or both equal and not 0; otherwise only
    // x >= min. Xoffset widens it at both ends.
    double XWarMin() const { return m_min; }
    void setXWarMin(double v) { m_min = v; }
    double XWarMax() const { return m_max; }
    void setXWarMax(double v) { m_max = v; }
    double Xoffset() const { return m_offset; }
    void setXoffset(double v) { m_offset = v; }

    bool WZakresie(double x) const;
    bool TestPolaOK() override;

protected:
    bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed) override;
    bool PrzecinekZKlawiatury() const override { return true; }

private:
    double m_wartosc = 0;
    double m_min = 0;
    double m_max = 0;
    double m_offset = 0;
};

// The range as in TokienkoFloat, without an offset.
class TokienkoLong : public TokienkoLiczba {
    Q_OBJECT
public:
    explicit TokienkoLong(QWidget *rodzic = nullptr);

    int XWartosc() const;
    void setXWartosc(int v);
    int XWarMin() const { return m_min; }
    void setXWarMin(int v) { m_min = v; }
    int XWarMax() const { return m_max; }
    void setXWarMax(int v) { m_max = v; }

    bool WZakresie(long long n) const;
    bool TestPolaOK() override;

protected:
    bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed) override;

private:
    int m_wartosc = 0;
    int m_min = 0;
    int m_max = 0;
};
