#pragma once
// A plain text field of the window. Its character limit holds for what the user types or
// pastes; a text the program puts in (an invoice read from a file) is shown whole, so
// opening and saving an invoice never shortens it.

#include "controls/polefiltrowane.h"

class TPoleEdycji : public TPoleFiltrowane {
    Q_OBJECT
public:
    explicit TPoleEdycji(int limit = 0, QWidget *rodzic = nullptr);

    int Limit() const { return m_limit; }
    void UstawLimit(int limit) { m_limit = limit; }

protected:
    bool PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed) override;
    void WklejTekst(const QString &tekst) override;

private:
    int m_limit = 0;
};
