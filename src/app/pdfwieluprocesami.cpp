#include "pdfwieluprocesami.h"

#include "common/komunikaty.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int kPlikowNaProces = 6;
constexpr int kBladPliku = 3;
}   // namespace

int ZadaniaDlaPartii(int zadania, int pliki)
{
    return qBound(1, qMin(zadania, (pliki + kPlikowNaProces - 1) / kPlikowNaProces), 64);
}

int PdfWieluProcesami(const QStringList &opcje, const QStringList &pliki, int zadania)
{
    const int n = qBound(1, zadania, int(pliki.size()));
    std::vector<std::unique_ptr<QProcess>> procesy;
    int od = 0;
    for (int i = 0; i < n; ++i) {
        const int ile = (int(pliki.size()) - od) / (n - i);
        auto p = std::make_unique<QProcess>();
        p->setProgram(QCoreApplication::applicationFilePath());
        p->setArguments(QStringList{QStringLiteral("pdf")} + pliki.mid(od, ile) + opcje
                        + QStringList{QStringLiteral("-j"), QStringLiteral("1")});
        p->start();
        procesy.push_back(std::move(p));
        od += ile;
    }
    int wynik = 0;
    for (const auto &p : procesy) {
        const bool zakonczony = p->waitForFinished(-1);
        const QByteArray wyjscie = p->readAllStandardOutput(), bledy = p->readAllStandardError();
        std::fwrite(wyjscie.constData(), 1, size_t(wyjscie.size()), stdout);
        std::fwrite(bledy.constData(), 1, size_t(bledy.size()), stderr);
        if (!zakonczony || p->exitStatus() != QProcess::NormalExit) {
            Komunikat(
                QStringLiteral("XProces tworzący pliki PDF nie zakończył pracy poprawnie (%1).").arg(p->errorString()));
            wynik = qMax(wynik, kBladPliku);
        } else {
            wynik = qMax(wynik, p->exitCode());
        }
    }
    std::fflush(stdout);
    return wynik;
}
