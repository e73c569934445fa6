#include "maski.h"

#include <QLineEdit>

namespace {

bool ZnakSpecjalnyQt(QChar c) { return QStringLiteral("AaNnXx90DdHhBb#><![]{}\\").contains(c); }

}   // namespace

TopisMaski PrzetlumaczMaske(const QString &maska)
{
    TopisMaski opis;
    if (maska.isEmpty())
        return opis;
    QString wzor = maska;
    opis.pusty = QLatin1Char('_');
    // "mask;1;c": the two trailing fields, when present
    const int s2 = wzor.lastIndexOf(QLatin1Char(';'));
    if (s2 > 0 && s2 == wzor.size() - 2) {
        const int s1 = wzor.lastIndexOf(QLatin1Char(';'), s2 - 1);
        if (s1 >= 0 && s1 == s2 - 2) {
            opis.literaly = wzor.at(s1 + 1) != QLatin1Char('0');
            opis.pusty = wzor.at(s2 + 1);
            wzor.truncate(s1);
        }
    }
    if (opis.pusty.unicode() < 32)
        opis.pusty = QLatin1Char(' ');

    QString qt;
    for (int i = 0; i < wzor.size(); ++i) {
        const QChar c = wzor.at(i);
        switch (c.unicode()) {
        case '!': break;   // leading blanks trimmed: no meaning for the text itself
        case '>':
            if (i + 1 < wzor.size() && wzor.at(i + 1) == QLatin1Char('<')) {
                qt += QLatin1Char('!');
                ++i;
            } else {
                qt += QLatin1Char('>');
            }
            break;
        case '<':
            if (i + 1 < wzor.size() && wzor.at(i + 1) == QLatin1Char('>')) {
                qt += QLatin1Char('!');
                ++i;
            } else {
                qt += QLatin1Char('<');
            }
            break;
        case '\\':
            if (i + 1 < wzor.size()) {
                ++i;
                qt += QLatin1Char('\\');
                qt += wzor.at(i);
                opis.pozycjeLiteralow.append(true);
            }
            break;
        case 'L':
            qt += QLatin1Char('A');
            opis.pozycjeLiteralow.append(false);
            break;
        case 'l':
            qt += QLatin1Char('a');
            opis.pozycjeLiteralow.append(false);
            break;
        case 'A':
            qt += QLatin1Char('N');
            opis.pozycjeLiteralow.append(false);
            break;
        case 'a':
            qt += QLatin1Char('n');
            opis.pozycjeLiteralow.append(false);
            break;
        case 'C':
            qt += QLatin1Char('X');
            opis.pozycjeLiteralow.append(false);
            break;
        case 'c':
            qt += QLatin1Char('x');
            opis.pozycjeLiteralow.append(false);
            break;
        case '0':
            qt += QLatin1Char('9');
            opis.pozycjeLiteralow.append(false);
            break;
        case '9':
            qt += QLatin1Char('0');
            opis.pozycjeLiteralow.append(false);
            break;
        case '#':
            qt += QLatin1Char('#');
            opis.pozycjeLiteralow.append(false);
            break;
        case '/':
            qt += QLatin1Char('.');
            opis.pozycjeLiteralow.append(true);
            break;
        case ':':
            qt += QLatin1Char(':');
            opis.pozycjeLiteralow.append(true);
            break;
        case '_':
            qt += QLatin1Char(' ');
            opis.pozycjeLiteralow.append(true);
            break;
        default:
            if (ZnakSpecjalnyQt(c))
                qt += QLatin1Char('\\');
            qt += c;
            opis.pozycjeLiteralow.append(true);
            break;
        }
    }
    if (opis.pozycjeLiteralow.isEmpty())
        return TopisMaski();
    opis.maskaQt = qt + QLatin1Char(';') + opis.pusty;
    return opis;
}

QString TekstZMaska(const QLineEdit &pole, const TopisMaski &opis)
{
    if (opis.maskaQt.isEmpty())
        return pole.text();
    const QString ekran = pole.displayText();
    QString wynik;
    for (int i = 0; i < ekran.size(); ++i) {
        const bool literal = i < opis.pozycjeLiteralow.size() && opis.pozycjeLiteralow.at(i);
        if (literal) {
            if (opis.literaly)
                wynik += ekran.at(i);
        } else {
            wynik += ekran.at(i) == opis.pusty ? QChar(QLatin1Char(' ')) : ekran.at(i);
        }
    }
    return wynik;
}

void UstawTekstZMaska(QLineEdit &pole, const TopisMaski &opis, const QString &tekst)
{
    if (opis.maskaQt.isEmpty()) {
        pole.setText(tekst);
        return;
    }
    // Spaces stand for blanks; the mask wants its own blank character there.
    QString t = tekst;
    for (int i = 0; i < t.size(); ++i) {
        const bool literal = opis.literaly && i < opis.pozycjeLiteralow.size() && opis.pozycjeLiteralow.at(i);
        if (!literal && t.at(i) == QLatin1Char(' '))
            t[i] = opis.pusty;
    }
    pole.setText(t);
}
