#pragma once
// zentora-cli and the working folder: the register of sales, and the refusal to write a
// second invoice with a designation the folder already has.

#include "invoice/rekord.h"

struct Argumenty;

int PolecenieRejestr(const Argumenty &a);

// Another file of the folder of `plik` has the designation of `f` in the same series: says
// so on stderr and returns true (then the caller writes nothing, unless told --force).
bool NumerZajety(const TzentoraVat &f, const QString &plik);
