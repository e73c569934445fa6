#pragma once
// What the program asks of the screen: installed fonts, pixel scaling and the fonts that
// stand in for the Windows ones on other systems.

#include <QString>

// Whether a font family is installed (compared without regard to case).
bool JestCzcionka(const QString &nazwa);
bool JestLucidaConsole();
bool JestConsolas();

// A pixel size designed for 96 dpi, scaled to the screen's logical dpi.
int SkalujDpi(int n);
// The same for a given dpi: n × dpi div 96, plus 1 when the remainder is at least 48.
int SkalujDpi(int n, int dpi);

// Maps the Windows font names the windows use ("Tahoma", "Arial", "Courier New",
// "Consolas", "Lucida Console", ...) to installed families when they are missing.
// Safe to call more than once.
void UstawCzcionkiZastepcze();
