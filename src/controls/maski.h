#pragma once
// Edit masks written the classic way ("!99/99/9999;1; ", "99-999;1;_"): the mask, then
// whether literals stay in the text, then the blank character. "9" is an optional digit,
// "0" a required one, "/" the date separator (here "."), "_" a space in the text.
// They are translated to QLineEdit input masks, and the text of a masked field is read the
// classic way: blanks as spaces, literals kept or dropped.

#include <QList>
#include <QString>

class QLineEdit;

struct TopisMaski {
    QString maskaQt;   // for QLineEdit::setInputMask; empty when there is no mask
    QChar pusty = QLatin1Char(' ');
    bool literaly = true;           // literals are part of the text
    QList<bool> pozycjeLiteralow;   // one entry per position of the displayed text
};

TopisMaski PrzetlumaczMaske(const QString &maska);

// The text of a field with the mask: blanks as spaces, literals as the mask says.
QString TekstZMaska(const QLineEdit &pole, const TopisMaski &opis);
// Puts a text (as TekstZMaska gives it) into a field with the mask.
void UstawTekstZMaska(QLineEdit &pole, const TopisMaski &opis, const QString &tekst);
