#pragma once
// The Polish tax number (NIP): ten digits, the last a check digit of the nine before it.

#include <QString>

// What is wrong with the buyer's NIP as typed, for a warning; empty when it is right, blank,
// or a foreign tax number (it starts with two letters and is not checked). Hyphens and
// spaces are allowed between the digits.
QString UwagaDoNip(const QString &nip);
