#pragma once
// An amount of money in Polish words: whole złote (without the currency word) and grosze.

#include <QString>

QString KwotaSlownie(long double kwota);
