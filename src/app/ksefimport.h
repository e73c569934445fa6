#pragma once
// zentora-cli ksef-import: an FA(3) invoice read into a new .FAK file.

#include "wierszpolecen.h"

int PolecenieKsefImport(const Argumenty &a);
