#pragma once
// Dates as day counts: day 0 is 30.12.1899, 31.12.9999 is 2958465; 0 means "no date".
// Texts are "DD.MM.YYYY"; the empty form of a date field is "  .  .    ".

#include <QString>

inline constexpr double kDataMin = -693593;   // 01.01.0001
inline constexpr double kDataMax = 2958465;   // 31.12.9999

int DniMiesiaca(int rok, int miesiac);
double KodujDate(int rok, int miesiac, int dzien, double domyslna);
void RozkodujDate(double data, int &rok, int &miesiac, int &dzien);
double LiczbaNaDate(int n);
double TekstNaDate(const QString &s, double domyslna);
QString DataNaTekst(const QString &tekstBledu, double data);

// The empty text of a date field.
inline const QString kPustaData = QStringLiteral("  .  .    ");
