#pragma once
// The application object of the window program. Its notify() is the default handler of the
// program: whatever an event handler throws ends there, so the command stops and the window
// stays as it was. The silent abort is ignored, every other exception shows its message.

#include <QApplication>

class TAplikacja : public QApplication {
    Q_OBJECT
public:
    TAplikacja(int &argc, char **argv);

    bool notify(QObject *odbiorca, QEvent *zdarzenie) override;

    // Shows the exception being handled (call from a catch block); the silent abort shows
    // nothing.
    static void PokazBiezacyWyjatek();
};
