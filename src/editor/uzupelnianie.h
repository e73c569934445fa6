#pragma once
// Inline completion of a line edit from what earlier invoices hold (buyers, goods, cities):
// the rest of the first entry that begins with the typed text, case and Polish accents
// aside, is put after the cursor and selected, so the next key typed simply replaces it.
// Nothing opens and nothing takes the keys; Backspace or Delete take the proposal back.

#include "invoice/indeksfolderu.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLineEdit;

class TUzupelnianie : public QObject {
    Q_OBJECT
public:
    // lista: the entries, the newest first; asked again whenever the field takes the focus,
    // or at every key when `zawsze` (an editor shared by many cells).
    TUzupelnianie(QLineEdit *pole, std::function<QStringList()> lista, QObject *rodzic, bool zawsze = false);

    // The index of the entry completed in the field now, -1 for none.
    int Wybrany() const { return m_wybrany; }

signals:
    // The field was left (Enter, Tab, a click elsewhere) holding a completed entry.
    void Wybrano(int indeks);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Edytowano(const QString &tekst);

    QLineEdit *m_pole;
    std::function<QStringList()> m_zrodlo;
    QStringList m_lista, m_porownanie;
    bool m_wczytana = false, m_zawsze = false, m_wlasna = false;
    int m_wybrany = -1;
    QString m_wpisany;
};
