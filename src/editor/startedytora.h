#pragma once
// What the editor sets up once, after the application object and before its first window.

// The program's title and icon, the substitute fonts, the style, the small windows and the
// print dialogs, and Qt's own dialogs in Polish.
void PrzygotujEdytor();
