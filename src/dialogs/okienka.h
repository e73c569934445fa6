#pragma once
// The one place where the small windows of this layer scale their designed sizes and get
// their common preparation (font, shared edit menus).

class QWidget;

// A size designed for 96 dots per inch, scaled to the screen.
int SkalujOkno(int n);

// Common font of the small windows, and the shared edit menus for every control in it.
void PrzygotujOkno(QWidget *okno);
// Passes every control of the window to the shared edit-menu hook, when it is set.
void PrzypiszMenuKontrolkom(QWidget *okno);
