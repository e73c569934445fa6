#pragma once
// The secrets of signing in to KSeF in the system keychain (the Secret Service on Linux, the
// Credential Manager on Windows, the Keychain on macOS), one set for each environment (test,
// demo, prod). Nothing falls back to a file: without a keychain the user is told so and
// nothing is stored.

#include "poswiadczenia.h"

#include <QByteArray>
#include <QString>

enum class TsekretKsef { Token, Certyfikat, Klucz, Haslo };

// The secret of `srodowisko`; empty when none is saved. EMojeBledy (in Polish, without the
// secret) when the keychain cannot be reached or refuses.
QByteArray CzytajSekretKsef(const QString &srodowisko, TsekretKsef co);
// Saves it; an empty `wartosc` removes what was saved. EMojeBledy as above.
void ZapiszSekretKsef(const QString &srodowisko, TsekretKsef co, const QByteArray &wartosc);

// All four of `srodowisko` at once.
TposwiadczeniaKsef CzytajSejfKsef(const QString &srodowisko);
