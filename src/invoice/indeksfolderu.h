#pragma once
// The index of the working folder: what the editor and zentora-cli need to know about every
// invoice of the folder (numbering, buyers and goods to complete, the register of sales)
// without opening each file again. It is kept in the per-user cache folder and refreshed by
// the size and modification time of each file.

#include "rekord.h"

#include <QList>
#include <QString>

// A row of an earlier invoice, offered when the same goods are sold again.
struct TowarIndeksu {
    QString nazwa, klasyf, jedn, cena, stawka;
    bool operator==(const TowarIndeksu &) const = default;
};

struct WpisIndeksu {
    QString plik;   // the file's name inside the folder
    qint64 rozmiar = -1, zmieniono = 0;
    QString blad;   // why the file could not be read (then nothing else is known of it)
    TrodzajFaktury rodzaj = rZentora;
    TrodzajNumerac numeracja = numerNR;
    qint32 numer = 0;
    QString symbol, wystawiono, sprzedano;
    QString firma, ulica, kod, miasto, nip;
    TsumyRodzVat sumy;
    QString doZaplaty;
    QString ksefNumer;
    bool wyeksportowano = false;
    QList<TowarIndeksu> towary;

    bool Uszkodzony() const { return !blad.isEmpty(); }
    QString Oznaczenie() const;
    bool operator==(const WpisIndeksu &) const = default;
};

WpisIndeksu WpisZFaktury(const TzentoraVat &f);

class IndeksFolderu {
public:
    // Reads the folder at once. katalogPamieci: where the cache files go; empty for the
    // per-user cache folder. A cache that cannot be read or written only costs time.
    explicit IndeksFolderu(const QString &folder, const QString &katalogPamieci = QString());

    // Reads again the files that changed, came or went since the last look.
    void Odswiez();
    // After the file was written (or removed): its entry now, and the cache with it.
    void Aktualizuj(const QString &sciezka);

    const QList<WpisIndeksu> &Wpisy() const { return m_wpisy; }
    const QString &Folder() const { return m_folder; }
    const QString &PlikPamieci() const { return m_pamiec; }
    // How many files the last look had to read (the rest came from the cache).
    int Przeczytane() const { return m_przeczytane; }

private:
    void CzytajPamiec();
    void ZapiszPamiec() const;

    QString m_folder, m_pamiec;
    QList<WpisIndeksu> m_wpisy;   // sorted by file name
    int m_przeczytane = 0;
};

// Does the file lie directly in the folder (the index covers no subfolders)?
bool PlikWFolderze(const QString &plik, const QString &folder);

// Invoices are numbered in series (GrupaSerii): each symbol and numbering format apart,
// within the year of the issue date (within the month for the formats with a month).
bool TaSamaSeria(const WpisIndeksu &w, const TzentoraVat &f);
// One more than the highest number of the invoice's series among the folder's invoices but
// the file `pomin` (the invoice's own file, when it has one).
int NastepnyNumer(const QList<WpisIndeksu> &wpisy, const TzentoraVat &f, const QString &pomin = QString());
// Another file of the folder with the same designation in the same series, or nullptr.
const WpisIndeksu *TenSamNumer(const QList<WpisIndeksu> &wpisy, const TzentoraVat &f, const QString &wlasnyPlik);

// The number a new invoice (a correction, a pro forma turned into an invoice) gets in the
// folder: the next free one of its series with automatic numbering, else 1.
void NumerujWFolderze(TzentoraVat &f, const TiniZentora &ini, const QString &folder,
                      const QString &wlasnyPlik = QString());

// ---- the register of sales

// The KSeF state as the register shows it: the number KSeF gave, "wyeksportowana" after an
// export without one yet, else empty.
QString StanKsefWpisu(const WpisIndeksu &w);
// The issue date as a day number (0 when it cannot be read).
double DataWpisu(const WpisIndeksu &w);
// Net and VAT of one rate over the invoices shown.
struct SumaStawki {
    QString stawka;   // "23 %", "zw."
    double netto = 0, vat = 0, brutto = 0;
};
// The totals per rate in the order of the rates (exempt first), the whole last ("Razem").
QList<SumaStawki> SumyWgStawek(const QList<const WpisIndeksu *> &wpisy);

// ---- completion and search

// The text as completion and search compare it: lower case, letters without their accents,
// one character for one.
QString TekstDoPorownania(const QString &t);
// The invoices read, the newest issue first.
QList<const WpisIndeksu *> NajnowszeNajpierw(const QList<WpisIndeksu> &wpisy);
// The buyers, each name once (its newest invoice), the newest first.
QList<const WpisIndeksu *> Nabywcy(const QList<WpisIndeksu> &wpisy);
// The goods sold, each name once with its last price, the newest first.
QList<TowarIndeksu> Towary(const QList<WpisIndeksu> &wpisy);
// The register's filter: rok 0 for every month, rodzaj -1 for every kind, szukany already
// passed through TekstDoPorownania (empty for no text). A damaged file has no month or
// kind: it shows while neither is chosen.
bool WpisPasuje(const WpisIndeksu &w, int rok, int miesiac, int rodzaj, const QString &szukany);
