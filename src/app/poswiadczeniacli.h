#pragma once
// The KSeF secrets of one zentora-cli command: the files named on the command line, else what
// the user saved in the system keychain.

#include "ksef/poswiadczenia.h"
#include "wierszpolecen.h"

// BladUzycia when there are none; EMojeBledy when a file cannot be used.
TposwiadczeniaKsef PoswiadczeniaCli(const Argumenty &a, const TsrodowiskoKsef &srodowisko);
