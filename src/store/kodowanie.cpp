#include "kodowanie.h"

#include "common/cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString DekodujPlik(const QByteArray &b, Kodowanie *kodowanie)
{
    Kodowanie k = Kodowanie::Ansi;
    QString tekst;
    if (b.startsWith("\xEF\xBB\xBF")) {
        k = Kodowanie::Utf8;
        // the file's own mark is cut off above; a U+FEFF that the text itself begins with stays
        QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        tekst = d(b.mid(3));
    } else if (b.startsWith("\xFF\xFE")) {
        k = Kodowanie::Utf16LE;
        QStringDecoder d(QStringDecoder::Utf16LE, QStringDecoder::Flag::ConvertInitialBom);
        tekst = d(b.mid(2));
    } else if (b.startsWith("\xFE\xFF")) {
        k = Kodowanie::Utf16BE;
        QStringDecoder d(QStringDecoder::Utf16BE, QStringDecoder::Flag::ConvertInitialBom);
        tekst = d(b.mid(2));
    } else {
        tekst = Cp1250::Dekoduj(b);
    }
    if (kodowanie)
        *kodowanie = k;
    return tekst;
}

QByteArray KodujPlik(const QString &tekst, Kodowanie *kodowanie)
{
    switch (*kodowanie) {
    case Kodowanie::Ansi: {
        bool ok = false;
        QByteArray b = Cp1250::Koduj(tekst, &ok);
        // A text that starts with the bytes of a byte-order mark ("ď»ż", "˙ţ", "ţ˙") would be
        // read back as another encoding; it goes as UTF-8 like a text Windows-1250 cannot hold.
        if (ok && !b.startsWith("\xEF\xBB\xBF") && !b.startsWith("\xFF\xFE") && !b.startsWith("\xFE\xFF"))
            return b;
        *kodowanie = Kodowanie::Utf8;
        return KodujPlik(tekst, kodowanie);
    }
    case Kodowanie::Utf8: return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
    case Kodowanie::Utf16LE: {
        QStringEncoder e(QStringEncoder::Utf16LE);
        QByteArray b = e(tekst);
        return QByteArray("\xFF\xFE") + b;
    }
    case Kodowanie::Utf16BE: {
        QStringEncoder e(QStringEncoder::Utf16BE);
        QByteArray b = e(tekst);
        return QByteArray("\xFE\xFF") + b;
    }
    }
    return QByteArray();
}

QStringList PodzielLinie(const QString &tekst)
{
    QStringList linie;
    const int n = tekst.size();
    int poczatek = 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            linie.append(tekst.mid(poczatek, i - poczatek));
            if (c == QLatin1Char('\r') && i + 1 < n && tekst.at(i + 1) == QLatin1Char('\n'))
                ++i;
            poczatek = i + 1;
        }
    }
    if (poczatek < n)
        linie.append(tekst.mid(poczatek));
    return linie;
}
