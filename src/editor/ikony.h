#pragma once
// The window's pictures: small drawn icons for the tool bar, the menus and the buttons, so
// the program needs no image files.

#include <QIcon>
#include <QString>

// An icon by name: "nowa", "otworz", "zapisz", "drukuj", "baza", "edytuj", "akceptuj",
// "anuluj", "dopisz", "plansza", "produkty", "numer", "format", "parametry", "czcionka",
// "kalkulator", "koniec", "pomoc", "wizytowka", "kalendarz", "program". An unknown name
// gives an empty icon.
QIcon IkonaZentory(const QString &nazwa);
