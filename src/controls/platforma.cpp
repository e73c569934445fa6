#include "platforma.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

bool JestCzcionka(const QString &nazwa)
{
    if (nazwa.isEmpty() || !QGuiApplication::instance())
        return false;
    const QStringList rodziny = QFontDatabase::families();
    return rodziny.contains(nazwa, Qt::CaseInsensitive);
}

bool JestLucidaConsole()
{
    static const bool jest = JestCzcionka(QStringLiteral("Lucida Console"));
    return jest;
}

bool JestConsolas()
{
    static const bool jest = JestCzcionka(QStringLiteral("Consolas"));
    return jest;
}

int SkalujDpi(int n, int dpi)
{
    if (dpi == 96 || dpi <= 0)
        return n;
    const long long iloczyn = static_cast<long long>(n) * dpi;
    int wynik = int(iloczyn / 96);
    if (iloczyn % 96 >= 48)
        ++wynik;
    return wynik;
}

int SkalujDpi(int n)
{
    const QScreen *ekran = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    if (!ekran)
        return n;
    return SkalujDpi(n, qRound(ekran->logicalDotsPerInch()));
}

void UstawCzcionkiZastepcze()
{
    static bool zrobione = false;
    if (zrobione || !QGuiApplication::instance())
        return;
    zrobione = true;
    // The window is laid out for Tahoma; a system without it gets the face of the same
    // metrics that Wine's fonts package ships, before any wider one stands in.
    if (!JestCzcionka(QStringLiteral("Tahoma"))) {
        for (const char *plik : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"})
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(plik)) >= 0)
                break;
    }
    struct Para {
        const char *nazwa;
        QStringList zastepcze;
    };
    const Para pary[] = {
        {"Tahoma", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Verdana")}},
        {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
        {"Consolas", {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")}},
        {"Lucida Console", {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")}},
    };
    for (const Para &p : pary) {
        const QString nazwa = QString::fromLatin1(p.nazwa);
        if (JestCzcionka(nazwa))
            continue;
        QStringList dostepne;
        for (const QString &z : p.zastepcze)
            if (JestCzcionka(z))
                dostepne.append(z);
        if (!dostepne.isEmpty())
            QFont::insertSubstitutions(nazwa, dostepne);
    }
}
