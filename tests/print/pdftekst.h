#pragma once
// Reading a produced PDF back with poppler-utils.
//
// pdftotext drops space characters and guesses word gaps, so runs of spaces collapse. The
// lines of LinieZOdstepami are rebuilt from the word boxes instead: words of one font on
// one baseline form a line, and each gap becomes as many spaces as fit into it (a space of
// Arial / Liberation Sans is 0.2778 em; a line box is 1.117 em high).

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

inline QString UruchomPoppler(const QString &program, const QStringList &argumenty)
{
    QProcess p;
    p.start(program, argumenty);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<błąd %1>").arg(program);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of the whole file, or of one page (1, 2, ...).
inline QString PdfTekst(const QString &plik, int strona = 0)
{
    QStringList a;
    if (strona > 0)
        a << QStringLiteral("-f") << QString::number(strona) << QStringLiteral("-l") << QString::number(strona);
    a << QStringLiteral("-layout") << plik << QStringLiteral("-");
    return UruchomPoppler(QStringLiteral("pdftotext"), a);
}

inline int PdfStrony(const QString &plik)
{
    const QString info = UruchomPoppler(QStringLiteral("pdfinfo"), {plik});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline int PdfObrazy(const QString &plik)
{
    const QStringList linie = UruchomPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), plik})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return linie.size() >= 2 ? int(linie.size()) - 2 : -1;   // two lines of table header
}

struct SlowoPdf {
    int strona;
    double x0, y0, x1, y1;
    QString tekst;
};

inline QList<SlowoPdf> PdfSlowa(const QString &plik)
{
    const QString html =
        UruchomPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), plik, QStringLiteral("-")});
    QList<SlowoPdf> slowa;
    int strona = 0;
    static const QRegularExpression re(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++strona;
            continue;
        }
        QString t = m.captured(5);
        t.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""));
        slowa.append({strona, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), t});
    }
    return slowa;
}

inline QStringList LinieZOdstepami(const QString &plik, int tylkoStrona = 0)
{
    QMap<QString, QList<SlowoPdf>> linie;   // keyed by page, baseline and height
    for (const SlowoPdf &s : PdfSlowa(plik)) {
        if (tylkoStrona > 0 && s.strona != tylkoStrona)
            continue;
        const QString klucz = QStringLiteral("%1 %2 %3")
                                  .arg(s.strona, 4, 10, QLatin1Char('0'))
                                  .arg(qRound(s.y1 * 10), 6, 10, QLatin1Char('0'))
                                  .arg(qRound((s.y1 - s.y0) * 10), 4, 10, QLatin1Char('0'));
        linie[klucz].append(s);
    }
    QStringList wynik;
    for (QList<SlowoPdf> &l : linie) {
        std::sort(l.begin(), l.end(), [](const SlowoPdf &a, const SlowoPdf &b) { return a.x0 < b.x0; });
        const double spacja = 0.2778 * (l.first().y1 - l.first().y0) / 1.117;
        QString t = l.first().tekst;
        for (int i = 1; i < l.size(); ++i) {
            const int n = qMax(1, int(std::lround((l.at(i).x0 - l.at(i - 1).x1) / spacja)));
            t += QString(n, QLatin1Char(' ')) + l.at(i).tekst;
        }
        wynik.append(t);
    }
    return wynik;
}
