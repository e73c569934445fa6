// Writes the program's icon, drawn by its own picture list, as the files a desktop needs:
// PNG files of the usual sizes, an SVG drawing and a Windows .ico.
// Usage: zentora-ikona FOLDER NAME

#include "controls/ikonyapli.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtEndian>
#include <cstdio>

namespace {
// A Windows icon file whose pictures are stored as PNG, which Windows reads since Vista.
QByteArray Ico(const QList<QImage> &obrazy)
{
    QByteArray naglowek(6 + 16 * obrazy.size(), '\0');
    QByteArray dane;
    auto slowo = [&](int gdzie, quint16 v) { qToLittleEndian(v, naglowek.data() + gdzie); };
    auto dlugie = [&](int gdzie, quint32 v) { qToLittleEndian(v, naglowek.data() + gdzie); };
    slowo(2, 1);   // an icon, not a cursor
    slowo(4, quint16(obrazy.size()));
    for (int i = 0; i < obrazy.size(); ++i) {
        QByteArray png;
        QBuffer bufor(&png);
        bufor.open(QIODevice::WriteOnly);
        obrazy[i].save(&bufor, "PNG");
        const int e = 6 + 16 * i;
        naglowek[e] = char(obrazy[i].width() & 0xFF);   // 0 stands for 256
        naglowek[e + 1] = char(obrazy[i].height() & 0xFF);
        slowo(e + 4, 1);    // planes
        slowo(e + 6, 32);   // bits per pixel
        dlugie(e + 8, quint32(png.size()));
        dlugie(e + 12, quint32(naglowek.size() + dane.size()));
        dane += png;
    }
    return naglowek + dane;
}
}   // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Użycie: zentora-ikona FOLDER NAZWA\n");
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString nazwa = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    const TListaObrazow &lista = IkonyApli32();
    const auto rysunek = lista.RysunekObrazu(Ikona::Program);
    if (!rysunek) {
        std::fprintf(stderr, "Brak rysunku ikony programu\n");
        return 2;
    }

    bool ok = true;
    QList<QImage> dlaIco;
    for (int bok : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage obraz = lista.Obraz(Ikona::Program, bok / 32.0).toImage();
        ok = obraz.save(QStringLiteral("%1/%2-%3.png").arg(folder, nazwa).arg(bok)) && ok;
        if (bok != 24 && bok != 64 && bok != 128)
            dlaIco.append(obraz);
    }
    QSaveFile ico(QStringLiteral("%1/%2.ico").arg(folder, nazwa));
    ok = ico.open(QIODevice::WriteOnly) && ico.write(Ico(dlaIco)) > 0 && ico.commit() && ok;

    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(folder, nazwa));
    svg.setSize(QSize(20, 20));
    svg.setViewBox(QRect(0, 0, 20, 20));
    svg.setTitle(QStringLiteral("Zentora"));
    QPainter p;
    if (!p.begin(&svg))
        return 3;
    p.setRenderHint(QPainter::Antialiasing);
    rysunek(p);
    p.end();
    if (!ok) {
        std::fprintf(stderr, "Nie można zapisać ikon w %s\n", argv[1]);
        return 3;
    }
    return 0;
}
