#include "forma.h"

#include "platforma.h"

#include "common/program.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QWidget>

namespace {

// Controls whose children are their own inner parts (a combo's line edit, a view's viewport
// and scroll bars): they get the hook themselves, their parts do not.
bool Zlozona(const QWidget *w)
{
    if (qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QLineEdit *>(w))
        return true;
    return qobject_cast<const QAbstractScrollArea *>(w) && !qobject_cast<const QScrollArea *>(w);
}

void Przejdz(QWidget *rodzic)
{
    // a copy: what the popup procedure adds to a control must not upset the loop
    const QObjectList dzieci = rodzic->children();   // NOLINT(performance-unnecessary-copy-initialization)
    for (QObject *o : dzieci) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow())
            continue;
        if (ProcPrzypiszPopup)
            ProcPrzypiszPopup(w);
        if (auto *sa = qobject_cast<QScrollArea *>(w)) {
            if (sa->widget())
                Przejdz(sa->widget());
            // the scroll area's own parts are not the window's controls
            if (ProcPrzypiszPopup && sa->widget())
                ProcPrzypiszPopup(sa->widget());
            continue;
        }
        if (!Zlozona(w))
            Przejdz(w);
    }
}

}   // namespace

void PrzypiszPopupOknu(QWidget *forma)
{
    if (forma && ProcPrzypiszPopup)
        Przejdz(forma);
}

void PrzygotujForme(QWidget *forma)
{
    if (!forma)
        return;
    UstawCzcionkiZastepcze();
    QFont f = forma->font();
    f.setFamily(QStringLiteral("Tahoma"));
    forma->setFont(f);
    PrzypiszPopupOknu(forma);
}
