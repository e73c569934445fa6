#pragma once
// The window's pictures by command name, taken by index from the shared image lists
// (controls/ikonyapli.h).

#include <QIcon>
#include <QString>

// An icon by name: "nowa", "otworz", "zapisz", "drukuj", "baza", "edytuj", "akceptuj",
// "anuluj", "dopisz", "plansza", "produkty", "numer", "format", "parametry", "czcionka",
// "kalkulator", "koniec", "pomoc", "wizytowka", "kalendarz", "program". An unknown name
// gives an empty icon.
QIcon IkonaZentory(const QString &nazwa);
