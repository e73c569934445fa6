#pragma once
// Runs the built zentora-cli and collects what it printed.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct WynikCli {
    int kod = -1;
    QString wyjscie, bledy;
};

// `env`: the environment to start from, the system's by default.
inline WynikCli UruchomCli(const QStringList &argumenty,
                           QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    // the tool needs no display and must not look for one
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZENTORA_CLI), argumenty);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
