#pragma once
// The adding-machine calculator without its window: the key processor, the display text,
// the running total, the memories A..E and the paper tape. The window only turns buttons
// and typed characters into key codes and shows what this keeps.
//
// Adding-machine logic: an operation key applies the previous operation, so 5 + 3 × 2 =
// gives 16; the unary keys (%, G, ^, i, v) act on the running total, so 200 × 15 % gives 30.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>

using TpamieciKalk = std::array<long double, 5>;

// Characters of a right-aligned value on the display and the tape.
inline constexpr int kSzerokoscWyswietlacza = 11;
// Lines the tape keeps: adding one more drops the oldest.
inline constexpr int kLiniiTasmy = 39;
// Lines that stay visible at the end of the tape when it scrolls.
inline constexpr int kWidoczneLinieTasmy = 6;
// What an arithmetic error leaves in the total: shown as the overflow text.
inline constexpr long double kNadmiar = 9.99999e30L;

QString TekstNadmiaru();   // " Nadmiar ! "
QString KreskaSumy();      // the line under a result on the tape

// Everything that survives from one calculator window to the next during a run.
struct TstanKalkulatora {
    QString Wyswietlacz;
    QChar ZnacznikPamieci = QLatin1Char(' ');
    long double Argument = 0;
    long double CalaSuma = 0;
    QChar LastFunkc = QLatin1Char('+');
    bool DajArgum = true;
    TpamieciKalk Pamieci{};
    QStringList Tasma;
};

// The state kept for the run (not on disk): every new window starts from it and every
// window gives it back when it goes. The display and the tape lines are kept to 20
// characters, at most 40 lines.
TstanKalkulatora OdtworzStanKalkulatora();
void ZapiszStanKalkulatora(const TstanKalkulatora &stan);
// Back to the state of a program start (for tests and a fresh session).
void WyczyscStanKalkulatora();

// The display text of a value: the overflow text above 10^30, exponent form with five
// significant digits outside 10^-8 .. 9 999 999 999, else as many decimals as fit; always
// right-aligned in 11 characters.
QString FormatWyswietlacza(long double x);

// Applies one operation to the total. Division by zero, the root of a negative number and
// any other arithmetic error turn the total into kNadmiar; unknown codes change nothing.
void Dzialanie(QChar kod, long double &suma, long double argument);

// %, G (round to grosze), ^ (square), i (reciprocal), v (square root).
bool JestJednoargumentowa(QChar kod);
bool JestKodemWpisu(QChar kod);       // digits . < R Z
bool JestKodemDzialania(QChar kod);   // + - * / = and the unary ones

// What a typed character does in the calculator window.
enum class TakcjaKlawisza {
    Nic,
    Wstaw,       // the "Do schowka" / "Wstaw w pole" button
    Zamknij,     // leave the field calculator without a result
    Fokus,       // bring the window and its display to the front
    MenuDodaj,   // the memory menus, as their buttons open them
    MenuCzytaj,
    MenuKasuj,
    Kopiuj,   // the display value to the clipboard, the window stays
    Wklej,    // a number from the clipboard onto the display
};

struct TklawiszKalk {
    QChar kod;                                    // the key code for ObsluzKlawisz; null for none
    TakcjaKlawisza akcja = TakcjaKlawisza::Nic;   // what the window does after it
};

// Characters that stand for keys without text.
inline constexpr char16_t kZnakBackspace = 8;
inline constexpr char16_t kZnakEnter = 13;
inline constexpr char16_t kZnakEscape = 27;
inline constexpr char16_t kZnakCtrlC = 3;
inline constexpr char16_t kZnakCtrlV = 22;

// The keyboard map. `poprzedni` is the key typed before (for the "M" prefix), `polowy`
// whether the window is a field calculator. Letters count as upper case.
TklawiszKalk KlawiszKalkulatora(QChar znak, QChar poprzedni, bool polowy);

class TlogikaKalkulatora {
public:
    TlogikaKalkulatora() = default;
    explicit TlogikaKalkulatora(const TstanKalkulatora &stan) : s(stan) {}

    // One key: a code of the keypad ("0".."9", ".", "<", "Z", "R", "+", "-", "*", "/",
    // "=", "%", "G", "^", "i", "v", "C", "A", "K"); `n` is the memory 1..5 of R, A and K.
    void ObsluzKlawisz(QChar kod, int n = 1);

    // A number from outside (the clipboard, a field's value) onto the display. Text that
    // can be typed is typed, so the entry goes on as if the user had keyed it; a number
    // that typing would change (a sign, an exponent, more digits than the display takes)
    // becomes the operand as it is. False, and nothing changes, for text that is no number.
    bool WpiszLiczbe(const QString &tekst);
    // Adds a number given as text to memory n; false for text that is no number.
    bool DodajDoPamieci(int n, const QString &tekst);

    void DopiszDoTasmy(const QString &linia);

    // The value on the display; false when it shows no number (the overflow text).
    bool WartoscWyswietlacza(double &wartosc) const;

    const TstanKalkulatora &Stan() const { return s; }
    const QString &Wyswietlacz() const { return s.Wyswietlacz; }
    const QStringList &Tasma() const { return s.Tasma; }
    QChar ZnacznikPamieci() const { return s.ZnacznikPamieci; }
    long double Pamiec(int n) const { return WZakresiePamieci(n) ? s.Pamieci[n - 1] : 0; }
    long double Argument() const { return s.Argument; }
    long double CalaSuma() const { return s.CalaSuma; }
    QChar LastFunkc() const { return s.LastFunkc; }
    bool DajArgum() const { return s.DajArgum; }

    // The first line of the tape that should be at the top of its view.
    int PierwszaWidocznaLinia() const;

private:
    static bool WZakresiePamieci(int n) { return n >= 1 && n <= 5; }
    void Wpis(QChar kod, int n);
    void Operacja(QChar kod);
    void UstawZnacznik();

    TstanKalkulatora s;
};
