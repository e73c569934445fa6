#pragma once
// Values fixed for the whole run of a program and the hooks through which optional
// services (shared edit menu, calculator, calendar) reach every window.

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

// Fixes today's date and the program folder; call once at start-up.
void InicjujProgram();

// For a console program: what it writes to stdout and stderr leaves as the very bytes it made
// (UTF-8 text, CR LF only where a format such as CSV has it, binary data intact), and a Windows
// console shows that UTF-8 as Polish letters. Nothing to do elsewhere.
void PrzygotujKonsole();

// The program's command line as given; on Windows read in UTF-16, since argv holds only what the
// ANSI code page can say (a file named "żółć.FAK" would arrive as "zólc.FAK" on a Western one).
QStringList ArgumentyWierszaPolecen(int argc, char *argv[]);

// The folder of the program file, ending with a folder separator.
QString KatalogProgramu();
// Makes `katalog` the program's folder: a helper program of zentora-cli works for it, and
// Faktury.ini beside zentora-cli counts, not beside the helper.
void UstawKatalogProgramu(const QString &katalog);
// Today's date as a day count, taken once at start-up.
double DataDzis();
void UstawDateDzis(double data);

// Title used as the caption of message boxes.
QString TytulAplikacji();
void UstawTytulAplikacji(const QString &tytul);

// Where Faktury.ini lives: beside the program when it is there or that folder is
// writable (a portable install), otherwise in the user's configuration folder.
QString DomyslnaSciezkaKonfiguracji();
// The same rule for any program folder and user folder (both ending with a separator).
QString SciezkaKonfiguracji(const QString &katalogProgramu, const QString &katalogUzytkownika);
// The user's own folder of the program's settings, shared by the editor and zentora-cli:
// %APPDATA%\Zentora\ on Windows, ~/.config/zentora/ elsewhere.
QString KatalogUstawienUzytkownika();
// The UNC form of a path on a mapped network drive ("Z:\Faktury" gives
// "\\serwer\dane\Faktury"); any other path, and every path outside Windows, unchanged.
QString SciezkaSieciowa(const QString &sciezka);

extern int NrIkonyProgramu;

// Hooks; empty until the providing unit fills them.
extern std::function<void(QObject *kontrolka)> ProcPrzypiszPopup;
extern std::function<bool(QObject *forma, QObject *kontrolka, double &wynik, double poczatek)> ProcKalkulator;
extern std::function<bool(QObject *forma, QObject *kontrolka, QString &data)> ProcKalendarz;
