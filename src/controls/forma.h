#pragma once
// The preparation every window of the program gets when it is created.

class QWidget;

// Gives the window the font "Tahoma" (a metric sans font where Tahoma is not installed),
// keeping its size, and passes every control of it to the shared edit-menu hook.
void PrzygotujForme(QWidget *forma);

// Passes every control of the window (not the inner parts of compound controls, not other
// windows) to ProcPrzypiszPopup when the hook is set.
void PrzypiszPopupOknu(QWidget *forma);
