#pragma once
// zentora-cli ksef-odbierz: purchase invoices downloaded from KSeF into a folder.

#include "wierszpolecen.h"

int PolecenieKsefOdbierz(const Argumenty &a);
