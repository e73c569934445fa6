#include "ikony.h"

#include "controls/ikonyapli.h"

#include <QHash>

QIcon IkonaZentory(const QString &nazwa)
{
    static const QHash<QString, int> kIndeksy = {
        {QStringLiteral("nowa"), Ikona::Nowa},           {QStringLiteral("otworz"), Ikona::Otworz},
        {QStringLiteral("zapisz"), Ikona::Zapisz},       {QStringLiteral("drukuj"), Ikona::Drukuj},
        {QStringLiteral("baza"), Ikona::Baza},           {QStringLiteral("edytuj"), Ikona::EdycjaBazy},
        {QStringLiteral("akceptuj"), Ikona::Akceptuj},   {QStringLiteral("anuluj"), Ikona::Anuluj},
        {QStringLiteral("dopisz"), Ikona::Dopisz},       {QStringLiteral("plansza"), Ikona::Plansza},
        {QStringLiteral("produkty"), Ikona::Produkty},   {QStringLiteral("numer"), Ikona::Numer},
        {QStringLiteral("format"), Ikona::Format},       {QStringLiteral("parametry"), Ikona::Parametry},
        {QStringLiteral("czcionka"), Ikona::Czcionka},   {QStringLiteral("kalkulator"), Ikona::Kalkulator},
        {QStringLiteral("koniec"), Ikona::Koniec},       {QStringLiteral("pomoc"), Ikona::Pomoc},
        {QStringLiteral("wizytowka"), Ikona::Wizytowka}, {QStringLiteral("kalendarz"), Ikona::Kalendarz},
        {QStringLiteral("program"), Ikona::Program},
    };
    const auto it = kIndeksy.constFind(nazwa);
    return it == kIndeksy.cend() ? QIcon() : IkonyApli().Ikona(*it);
}
