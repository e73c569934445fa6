#pragma once
// QR codes (ISO/IEC 18004) through libqrencode, as a matrix of modules the sheet draws
// as filled squares.

#include <QByteArray>
#include <QString>

struct TkodQr {
    int Rozmiar = 0;     // modules per side, 0 when the text could not be encoded
    QByteArray Moduly;   // Rozmiar × Rozmiar, row by row, 1 dark
    bool Ciemny(int x, int y) const { return Moduly.at(y * Rozmiar + x) != 0; }
};

// The text as UTF-8 bytes, error correction level M, the smallest version that holds it.
TkodQr KodujQr(const QString &tekst);
