#pragma once
// zentora-cli ksef-wyslij: invoices sent to KSeF, the numbers and UPOs recorded.

#include "wierszpolecen.h"

int PolecenieKsefWyslij(const Argumenty &a);
