#pragma once
// Small string and integer helpers used all over the program.

#include <QChar>
#include <QString>
#include <QStringList>

// Removes characters up to U+0020 (spaces and control characters) at both ends.
QString Trim(const QString &s);
// A system error as the file functions give it (in English) said in Polish, for the
// second line of a message about a file; an error not known here is kept as it came.
QString BladSystemu(const QString &tekst, bool zapis);
QStringView Trim(QStringView s);
QString TrimLewy(const QString &s);
QString TrimPrawy(const QString &s);

int Wybierz(bool warunek, int a, int b);
QString Wybierz(bool warunek, const QString &a, const QString &b);
int Wiekszy(int a, int b);
int Mniejszy(int a, int b);
int Ogranicz(int v, int lo, int hi);
bool WZakresie(int v, int lo, int hi);
void DodajDo(double &suma, double x);
int NumerMiesiaca(int rok, int miesiac);
void RozbijNumerMiesiaca(int n, int &rok, int &miesiac);
QChar ZnakLogiczny(bool b);

bool JestCyfra(QChar c);
bool JestLitera(QChar c);
// Tests the Windows-1250 byte of c against a 256-bit set (bit b of byte b/8).
bool ZnakWZbiorze(QChar c, const unsigned char zbior[32]);

QString OdetnijZnaki(QString &s, int n);
QString OdetnijPole(QString &s, QChar sep);
bool PobierzPole(QString &s, QString &pole, QChar sep);

bool Pusty(const QString &s);
bool Niepusty(const QString &s);
bool ZaczynaOd(const QString &s, const QString &poczatek);
QString Spacje(int n);
QString Powiel(QChar c, int n);
QString DoPrawej(const QString &s, int n);
QString Zamien(const QString &s, const QString &co, const QString &naCo, bool wielkoscLiter);
QString ZamienZnak(const QString &s, QChar c, QChar nowy);
QString BezSpacji(const QString &s);
QString KreskiNaCR(const QString &s);
QString DuzaPierwsza(const QString &s);
// Trailing folder separator: "/" here ("\" on Windows); both are recognised on removal.
QString BezUkosnika(const QString &s);
QString ZUkosnikiem(const QString &s);
bool JestMaskaDaty(const QString &maska);

// Reads a whole file as Windows-1250 text. On failure shows the error, leaves `tresc`
// empty and returns false.
bool CzytajPlik(const QString &nazwa, QString &tresc);

// Placement of a text in a box: left, top, bottom, right, ... (the printing engine
// defines each one).
enum Tjustuj {
    just_L,
    just_V,
    just_G,
    just_D,
    just_B,
    just_P,
    just_PG,
    just_PD,
    just_PB,
    just_C,
    just_CG,
    just_CD,
    just_CB
};
