#pragma once
// Messages and questions. A text may start with a code choosing the icon
// ("!" warning, "X" error, "?" question, "Y" none); "|" breaks lines.
// Every box goes through one presenter: the window program installs one that shows a
// modal message box, tests install one that records and answers, and the headless
// tool prints the text on stderr.

#include <QList>
#include <QString>

class QObject;

enum TicoDlg { icInfo, icUwaga, icError, icPytaj, icBrak };
enum TGrKlaw { grpOK, grpYN, grpKC, grpRC, grpYNC, grpARI };

enum : int { idOK = 1, idCancel = 2, idAbort = 3, idRetry = 4, idIgnore = 5, idYes = 6, idNo = 7 };

struct TparDlg {
    QObject *pOkno = nullptr;   // recorded only; the box belongs to the active window
    TicoDlg pIcoDlg = icInfo;
    TGrKlaw pGrKlaw = grpOK;
    int pNumBut = 1;
    QString pInfo;   // lines separated by carriage returns
    QString pNagl;
};

// The buttons of a group, left to right, as result identifiers.
QList<int> PrzyciskiGrupy(TGrKlaw grupa);
// The identifier of the default button (pNumBut outside the group means the first).
int DomyslnyPrzycisk(const TparDlg &par);
// The classic message box style value of the record (icon + buttons + default button).
unsigned StylDialogu(const TparDlg &par);

class PrezenterKomunikatow {
public:
    virtual ~PrezenterKomunikatow() = default;
    // Shows the box and returns the identifier of the pressed button.
    virtual int Pokaz(const TparDlg &par) = 0;
};

// Installs a presenter (nullptr restores the default one, which writes to stderr and
// answers with the default button); returns the previous one.
PrezenterKomunikatow *UstawPrezenter(PrezenterKomunikatow *p);
PrezenterKomunikatow *Prezenter();

// The text without its leading code characters and the icon they choose.
QString BezKodow(const QString &s, TicoDlg *ikona = nullptr);

int PokazDialog(QObject *okno, TicoDlg ikona, TGrKlaw klawisze, int domyslny, const QString &info,
                const QString &naglowek);
int WykonajDialog(const TparDlg &par);

void Komunikat(const QString &info);
void KomunikatOkna(QObject *okno, const QString &info);
void KomunikatNagl(QObject *okno, const QString &naglowek, const QString &info);
bool Sprawdz(bool warunek, const QString &info);
void Wymagaj(bool warunek, const QString &info);
void WymagajOkna(QObject *okno, bool warunek, const QString &info);
bool PytanieTakNieOkna(QObject *okno, const QString &naglowek, const QString &info, int domyslny);
bool PytanieTakNie(const QString &naglowek, const QString &info, int domyslny);
bool PytanieOkAnulujNagl(QObject *okno, const QString &naglowek, const QString &info, int domyslny);
bool PytanieOkAnuluj(QObject *okno, const QString &info, int domyslny);

// The box of a field or a grid cell whose value was refused: error icon, one OK button,
// no caption of its own and the text "Niepoprawna wartość".
// "Niepoprawna wartość"; with a field name "Data sprzedaży: niepoprawna wartość 31.02.2026",
// so the user knows where to look.
void KomunikatNiepoprawnejWartosci(QObject *okno, const QString &pole = QString(), const QString &wartosc = QString());
QString TekstNiepoprawnejWartosci(const QString &pole, const QString &wartosc);
extern const QString kNiepoprawnaWartosc;
