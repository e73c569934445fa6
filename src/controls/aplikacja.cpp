#include "aplikacja.h"

#include "kolory.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "common/program.h"

#include <QPalette>
#include <QPointer>
#include <QTimer>

namespace {

// The text to show for the exception being handled; empty for the silent abort.
QString TekstBiezacegoWyjatku()
{
    try {
        throw;
    } catch (const ECichyAbort &) {
        return QString();
    } catch (const std::exception &e) {
        const QString t = TekstBledu(e);
        return t.isEmpty() ? QStringLiteral("Wystąpił nieoczekiwany błąd programu.") : t;
    } catch (...) {
        return QStringLiteral("Wystąpił nieoczekiwany błąd programu.");
    }
}

bool ZdarzenieRysowania(QEvent::Type t)
{
    return t == QEvent::Paint || t == QEvent::UpdateRequest || t == QEvent::UpdateLater;
}

}   // namespace

TAplikacja::TAplikacja(int &argc, char **argv) : QApplication(argc, argv)
{
    ProcKolorPrzyciskuSystemu = [] { return ZQColor(QGuiApplication::palette().color(QPalette::Button)); };
}

void TAplikacja::PokazBiezacyWyjatek()
{
    const QString tekst = TekstBiezacegoWyjatku();
    if (tekst.isEmpty())
        return;
    try {
        PokazTekstBledu(tekst);
    } catch (...) {
        // a failing message box must not take the program down with it
    }
}

bool TAplikacja::notify(QObject *odbiorca, QEvent *zdarzenie)
{
    const QEvent::Type typ = zdarzenie->type();
    try {
        return QApplication::notify(odbiorca, zdarzenie);
    } catch (...) {
        const QString tekst = TekstBiezacegoWyjatku();
        if (tekst.isEmpty())
            return false;
        if (ZdarzenieRysowania(typ)) {
            // No modal box in the middle of painting: show it once the paint is over, and
            // only once while it waits, since the repaint after the box may fail again.
            static bool czeka = false;
            if (czeka)
                return false;
            czeka = true;
            QTimer::singleShot(0, this, [tekst] {
                try {
                    PokazTekstBledu(tekst);
                } catch (...) {
                }
                czeka = false;
            });
        } else {
            try {
                PokazTekstBledu(tekst);
            } catch (...) {
            }
        }
        return false;
    }
}
