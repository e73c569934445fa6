#pragma once
// The known buyer cities: the distinct "Miejsc" values of the invoice files in a folder.
// Read when first needed (a folder may hold thousands of invoices, so not at start-up)
// and kept up to date by the saves of the editor.

#include <QString>
#include <QStringList>

class SpisMiast {
public:
    // The folder whose invoices are read; changing it forgets what was read.
    void UstawFolder(const QString &folder);
    QString Folder() const { return m_folder; }

    // The cities, sorted without regard to case, each once; reads the folder on first use.
    const QStringList &Miasta();
    // A city of an invoice just saved.
    void Dodaj(const QString &miasto);
    bool Wczytany() const { return m_wczytany; }

    // The buyer city of one invoice file, read without parsing the whole file; empty when
    // the file has none or cannot be read.
    static QString MiastoZPliku(const QString &plik);

private:
    void Wczytaj();

    QString m_folder;
    QStringList m_miasta;
    bool m_wczytany = false;
};
