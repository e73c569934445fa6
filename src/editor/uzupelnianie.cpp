#include "uzupelnianie.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

TUzupelnianie::TUzupelnianie(QLineEdit *pole, std::function<QStringList()> lista, QObject *rodzic, bool zawsze)
    : QObject(rodzic), m_pole(pole), m_zrodlo(std::move(lista)), m_zawsze(zawsze)
{
    connect(pole, &QLineEdit::textEdited, this, &TUzupelnianie::Edytowano);
    connect(pole, &QLineEdit::editingFinished, this, [this] {
        if (m_wybrany >= 0 && TekstDoPorownania(m_pole->text()) == m_porownanie.at(m_wybrany))
            emit Wybrano(m_wybrany);
        m_wybrany = -1;
    });
    pole->installEventFilter(this);
}

bool TUzupelnianie::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_pole && e->type() == QEvent::FocusIn)
        m_wczytana = false;   // what was saved since the last visit counts
    if (o == m_pole && e->type() == QEvent::KeyPress && m_wybrany >= 0) {
        // Backspace and Delete take the proposed rest away, not a typed letter
        const int k = static_cast<QKeyEvent *>(e)->key();
        if ((k == Qt::Key_Backspace || k == Qt::Key_Delete) && m_pole->hasSelectedText()) {
            m_pole->del();
            m_wybrany = -1;
            m_wpisany = m_pole->text();
            return true;
        }
    }
    return QObject::eventFilter(o, e);
}

void TUzupelnianie::Edytowano(const QString &tekst)
{
    if (m_wlasna)
        return;
    const bool dluzszy = tekst.size() > m_wpisany.size();
    m_wpisany = tekst;
    m_wybrany = -1;
    // only while typing forward at the end of the text
    if (!dluzszy || tekst.trimmed().isEmpty() || m_pole->cursorPosition() != tekst.size())
        return;
    if (!m_wczytana || m_zawsze) {
        m_lista = m_zrodlo();
        m_porownanie.clear();
        for (const QString &s : m_lista)
            m_porownanie.append(TekstDoPorownania(s));
        m_wczytana = true;
    }
    const QString wpisany = TekstDoPorownania(tekst);
    for (int i = 0; i < m_porownanie.size(); ++i) {
        if (!m_porownanie.at(i).startsWith(wpisany) || m_lista.at(i).size() > m_pole->maxLength())
            continue;
        m_wybrany = i;
        const QString &pelny = m_lista.at(i);
        // the entry as it was written before, the typed part included
        m_pole->setText(pelny);
        m_pole->setSelection(int(pelny.size()), int(tekst.size() - pelny.size()));
        // whoever follows the typing (the grid keeps its cell in step) sees the whole text
        m_wlasna = true;
        emit m_pole->textEdited(pelny);
        m_wlasna = false;
        return;
    }
}
