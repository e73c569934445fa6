#pragma once
// The small windows (calendar, pick list, field calculator) wait in their own event loop
// while they are open, so a test acts on them from a timer: GdyOtwarte runs the steps as soon
// as the window is open, and closes it after a while should the steps leave it open, so that
// a failing test cannot hang. Call Sprzataj() in cleanup().

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class GdyOtwarte {
public:
    template <typename Okno> static void Uruchom(std::function<Okno *()> otwarte, std::function<void(Okno *)> co)
    {
        auto *t = new QTimer;
        zegary().append(t);
        t->setInterval(5);
        auto proby = std::make_shared<int>(0);
        QObject::connect(t, &QTimer::timeout, [t, otwarte, co, proby] {
            Okno *d = otwarte();
            if (d && d->isVisible()) {
                t->stop();
                t->deleteLater();
                co(d);
                auto *zapas = new QTimer;
                zegary().append(zapas);
                zapas->setSingleShot(true);
                QObject::connect(zapas, &QTimer::timeout, [otwarte] {
                    if (Okno *o = otwarte(); o && o->isVisible()) {
                        zamknietoAwaryjnie() = true;
                        o->close();
                    }
                });
                zapas->start(3000);
            } else if (++*proby > 400) {
                t->stop();
                t->deleteLater();
            }
        });
        t->start();
    }

    // Drops the steps not taken (they must not run in the next test); returns whether a
    // window had to be closed because the steps left it open.
    static bool Sprzataj()
    {
        for (const QPointer<QTimer> &t : std::as_const(zegary()))
            delete t.data();
        zegary().clear();
        const bool awaryjnie = zamknietoAwaryjnie();
        zamknietoAwaryjnie() = false;
        return awaryjnie;
    }

private:
    static QList<QPointer<QTimer>> &zegary()
    {
        static QList<QPointer<QTimer>> z;
        return z;
    }
    static bool &zamknietoAwaryjnie()
    {
        static bool z = false;
        return z;
    }
};
