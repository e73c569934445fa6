#pragma once
// Typing and focus helpers for the widget tests of the controls.

#include <QApplication>
#include <QTest>
#include <QWidget>

// Types a text into the widget that has the focus, one key at a time; letters outside
// ASCII go as text events (QTest::keyClicks asserts on them).
inline void Pisz(const QString &tekst)
{
    for (QChar c : tekst) {
        QWidget *w = QApplication::focusWidget();
        if (!w)
            return;
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void Klawisz(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    if (QWidget *w = QApplication::focusWidget())
        QTest::keyClick(w, k, m);
}

// Lets queued work (messages and focus returns after a control was left) run.
inline void Przetworz()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

inline bool Aktywuj(QWidget &okno)
{
    okno.show();
    QApplication::setActiveWindow(&okno);
    return QTest::qWaitForWindowActive(&okno);
}
