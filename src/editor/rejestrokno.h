#pragma once
// The register of sales: the invoices of the working folder with their amounts, filtered by
// month, kind and text, the totals per rate of what is shown, damaged files with their error.

#include "invoice/indeksfolderu.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TRejestrFaktur : public QDialog {
    Q_OBJECT
public:
    TRejestrFaktur(const IndeksFolderu &indeks, QWidget *rodzic);
    // The file chosen with Enter or a double click (its full path), empty for none.
    QString Wybrany() const { return m_wybrany; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Filtruj();
    void Otworz();

    const IndeksFolderu &m_indeks;
    QList<const WpisIndeksu *> m_wpisy;   // the newest first, damaged files last
    QList<const WpisIndeksu *> m_pokazane;
    QComboBox *m_miesiac = nullptr, *m_rodzaj = nullptr;
    QLineEdit *m_szukaj = nullptr;
    QTableWidget *m_tabela = nullptr;
    QLabel *m_sumy = nullptr;
    QString m_wybrany;
};

// Shows the register; the file chosen, empty for none.
QString PokazRejestr(QWidget *wlasciciel, const IndeksFolderu &indeks);
