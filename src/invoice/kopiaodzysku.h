#pragma once
// The recovery copy of an invoice being edited. While the invoice has unsaved changes the
// editor keeps a copy of it in the per-user state folder, so that a crash, a power cut or
// a killed process loses nothing; a save or a normal close removes it. Each running editor
// has a copy of its own, held by a lock file: a copy whose lock nobody holds any more was
// left by an editor that did not end normally.

#include "rekord.h"

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <memory>

// The folder of the recovery copies: the user's state folder (XDG_STATE_HOME, by default
// ~/.local/state) on Linux, the local application data elsewhere.
QString FolderOdzysku();

class TkopiaOdzysku {
public:
    explicit TkopiaOdzysku(const QString &folder);
    ~TkopiaOdzysku();
    TkopiaOdzysku(const TkopiaOdzysku &) = delete;
    TkopiaOdzysku &operator=(const TkopiaOdzysku &) = delete;

    // Writes the copy of `f`, the invoice of the file `plik` (empty for an untitled one),
    // unless the same copy is already there. EMojeBledy when it cannot be written.
    void Zapisz(const TzentoraVat &f, const QString &plik);
    void Usun();
    bool Istnieje() const;

    struct Porzucona {
        QString kopia;   // the copy's path
        QString plik;    // the invoice's file, empty for an untitled invoice
        QDateTime zapisano;
    };
    // The copies left by editors that are no longer running, newest first.
    static QList<Porzucona> Porzucone(const QString &folder);
    // The invoice of a left copy; EMojeBledy when it cannot be read.
    static TzentoraVat Wczytaj(const Porzucona &p);
    static void Odrzuc(const Porzucona &p);

private:
    QString m_kopia;
    std::unique_ptr<QLockFile> m_blokada;
    QString m_zapisany;   // the text last written, so an unchanged copy is not written again
};
