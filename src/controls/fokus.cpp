#include "fokus.h"

#include <QFocusEvent>
#include <QWidget>

namespace {
int g_przywracanie = 0;

bool RuchMiedzyKontrolkami(Qt::FocusReason r)
{
    switch (r) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: return true;
    default: return false;   // popup, window activation, menu bar
    }
}
}   // namespace

void PrzywrocFokus(QWidget *w)
{
    if (!w)
        return;
    ++g_przywracanie;
    struct Straz {
        ~Straz() { --g_przywracanie; }
    } straz;
    w->setFocus(Qt::OtherFocusReason);
}

bool TrwaPrzywracanieFokusu() { return g_przywracanie > 0; }

bool PrawdziweWyjscie(const QFocusEvent *e) { return RuchMiedzyKontrolkami(e->reason()) && !TrwaPrzywracanieFokusu(); }

bool PrawdziweWejscie(const QFocusEvent *e) { return RuchMiedzyKontrolkami(e->reason()); }

bool MozeMiecFokus(const QWidget *w)
{
    return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}
