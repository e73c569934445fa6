// Runs a fuzz target once over every file of the folders and files given: the seeds and
// the inputs of earlier findings, as a regression test in builds without libFuzzer.

#include "wspolne.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

int main(int argc, char **argv)
{
    QStringList pliki;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(a).isDir()) {
            QDirIterator it(a, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                pliki.append(it.next());
        } else if (QFileInfo(a).isFile()) {
            pliki.append(a);
        }
    }
    std::sort(pliki.begin(), pliki.end());
    for (const QString &p : pliki) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Nie można odczytać %s\n", qPrintable(p));
            return 1;
        }
        const QByteArray b = f.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(p));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
    }
    std::fprintf(stderr, "%lld wejść bez błędu\n", static_cast<long long>(pliki.size()));
    return pliki.isEmpty() ? 1 : 0;
}
