#include "polefiltrowane.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

QString BezZnakowSterujacych(const QString &s)
{
    int koniec = s.size();
    while (koniec > 0 && (s.at(koniec - 1) == QLatin1Char('\n') || s.at(koniec - 1) == QLatin1Char('\r')))
        --koniec;
    QString wynik;
    wynik.reserve(koniec);
    for (int i = 0; i < koniec; ++i) {
        const QChar c = s.at(i);
        const char16_t u = c.unicode();
        if (u == '\r' && i + 1 < koniec && s.at(i + 1) == QLatin1Char('\n'))
            continue;   // CR LF is one break
        if (u == '\n' || u == '\r' || u == '\t' || u == '\v' || u == '\f' || u == 0x2028 || u == 0x2029)
            wynik += QLatin1Char(' ');
        else if (u < 32 || u == 127 || (u >= 0x80 && u < 0xA0))
            continue;
        else
            wynik += c;
    }
    return wynik;
}

TPoleFiltrowane::TPoleFiltrowane(QWidget *rodzic) : QLineEdit(rodzic) {}

void TPoleFiltrowane::UstawMaske(const QString &maska)
{
    const QString tekst = Tekst();
    m_maskaTekst = maska;
    m_maska = PrzetlumaczMaske(maska);
    setInputMask(m_maska.maskaQt);
    UstawTekst(tekst);
}

bool TPoleFiltrowane::PustyWMasce() const
{
    TopisMaski bezLiteralow = m_maska;
    bezLiteralow.literaly = false;
    return TekstZMaska(*this, bezLiteralow).trimmed().isEmpty();
}

QString TPoleFiltrowane::Tekst() const { return TekstZMaska(*this, m_maska); }

void TPoleFiltrowane::UstawTekst(const QString &tekst) { UstawTekstZMaska(*this, m_maska, tekst); }

void TPoleFiltrowane::Wklej(QClipboard::Mode tryb)
{
    if (isReadOnly())
        return;
    const QClipboard *schowek = QGuiApplication::clipboard();
    if (!schowek)
        return;
    const QString s = BezZnakowSterujacych(schowek->text(tryb));
    if (s.isEmpty() && !hasSelectedText())
        return;
    WklejTekst(s);
}

bool TPoleFiltrowane::PrzyjmijZnak(QChar &, int, const QString &) { return true; }

void TPoleFiltrowane::WklejTekst(const QString &tekst) { insert(tekst); }

int TPoleFiltrowane::PozycjaWstawiania() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

QString TPoleFiltrowane::TekstBezZaznaczenia() const
{
    QString t = text();
    if (hasSelectedText())
        t.remove(selectionStart(), selectedText().size());
    return t;
}

QString TPoleFiltrowane::FiltrujPisane(const QString &tekst)
{
    QString przyjete;
    int poz = PozycjaWstawiania();
    QString przed = TekstBezZaznaczenia();
    for (QChar c : tekst) {
        if (c.unicode() < 32 || c.unicode() == 127)
            continue;
        QChar z = c;
        if (PrzyjmijZnak(z, poz, przed)) {
            przyjete += z;
            przed.insert(poz, z);
            ++poz;
        }
    }
    return przyjete;
}

void TPoleFiltrowane::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Paste)) {
        Wklej();
        e->accept();
        return;
    }
    QString t = e->text();
    bool drukowalny = !t.isEmpty();
    for (QChar c : t)
        if (c.unicode() < 32 || c.unicode() == 127)
            drukowalny = false;
    if (!drukowalny || isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if ((e->modifiers() & Qt::KeypadModifier) && PrzecinekZKlawiatury()
        && (t == QLatin1String(".") || t == QLatin1String(",")))
        t = QStringLiteral(",");
    const QString przyjete = FiltrujPisane(t);
    if (przyjete.isEmpty()) {
        e->accept();
        return;
    }
    if (przyjete == e->text()) {
        QLineEdit::keyPressEvent(e);
    } else {
        QKeyEvent zmieniony(e->type(), e->key(), e->modifiers(), przyjete, e->isAutoRepeat(), quint16(e->count()));
        QLineEdit::keyPressEvent(&zmieniony);
    }
    e->accept();
}

void TPoleFiltrowane::inputMethodEvent(QInputMethodEvent *e)
{
    if (e->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    const QString przyjete = FiltrujPisane(e->commitString());
    if (przyjete == e->commitString()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent zmieniony(e->preeditString(), e->attributes());
    zmieniony.setCommitString(przyjete, e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&zmieniony);
}

void TPoleFiltrowane::contextMenuEvent(QContextMenuEvent *e)
{
    // The program's own menu, in Polish, whose "Wklej" follows the field's rules.
    QMenu menu(this);
    const bool edytowalne = !isReadOnly();
    const bool zaznaczenie = hasSelectedText();
    const bool jawne = echoMode() == QLineEdit::Normal;
    QAction *a = menu.addAction(QStringLiteral("&Cofnij"), this, &QLineEdit::undo);
    a->setEnabled(edytowalne && isUndoAvailable());
    a = menu.addAction(QStringLiteral("&Ponów"), this, &QLineEdit::redo);
    a->setEnabled(edytowalne && isRedoAvailable());
    menu.addSeparator();
    a = menu.addAction(QStringLiteral("Wy&tnij"), this, &QLineEdit::cut);
    a->setEnabled(edytowalne && zaznaczenie && jawne);
    a = menu.addAction(QStringLiteral("&Kopiuj"), this, &QLineEdit::copy);
    a->setEnabled(zaznaczenie && jawne);
    a = menu.addAction(QStringLiteral("&Wklej"), this, [this] { Wklej(); });
    const QClipboard *schowek = QGuiApplication::clipboard();
    a->setEnabled(edytowalne && schowek && !schowek->text().isEmpty());
    a = menu.addAction(QStringLiteral("&Usuń"), this, [this] { del(); });
    a->setEnabled(edytowalne && zaznaczenie);
    menu.addSeparator();
    a = menu.addAction(QStringLiteral("&Zaznacz wszystko"), this, &QLineEdit::selectAll);
    a->setEnabled(!text().isEmpty());
    menu.exec(e->globalPos());
    e->accept();
}

void TPoleFiltrowane::dropEvent(QDropEvent *e)
{
    if (e->source() == this || isReadOnly() || !e->mimeData() || !e->mimeData()->hasText()) {
        QLineEdit::dropEvent(e);
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(e->position().toPoint()));
    WklejTekst(BezZnakowSterujacych(e->mimeData()->text()));
    e->acceptProposedAction();
}

void TPoleFiltrowane::mouseReleaseEvent(QMouseEvent *e)
{
    const QClipboard *schowek = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && schowek && schowek->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            setCursorPosition(cursorPositionAt(e->pos()));
            Wklej(QClipboard::Selection);
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void WklejDoPola(QWidget *pole)
{
    if (auto *f = qobject_cast<TPoleFiltrowane *>(pole))
        f->Wklej();
    else if (auto *e = qobject_cast<QLineEdit *>(pole))
        e->paste();
}
