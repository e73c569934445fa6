#pragma once
// The invoice as structured FA(3) XML for the national e-invoicing system (KSeF), and the
// checks a KSeF document needs beyond those of saving: the seller's and buyer's NIP, the
// basis of an exemption, the data of the corrected invoice, the KSeF number.

#include "common/bledy.h"
#include "rekord.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

// An invoice that cannot go to KSeF as it stands; the message says what to fill in.
class EOdmowaKsef : public EMojeBledy {
public:
    using EMojeBledy::EMojeBledy;
};

// The seller as KSeF sees it: the configured keys, each empty one taken from the frame.
struct TsprzedawcaKsef {
    QString Nip;   // ten digits
    QString Nazwa, AdresL1, AdresL2;
};
TsprzedawcaKsef SprzedawcaKsef(const TzentoraVat &f, const TiniZentora &ini);
// The seller's NIP of an invoice in KSeF when it is not the configured seller's (the [KSeF] key,
// else the parameters' seller frame): a supplier's invoice received from KSeF. Empty for the
// user's own invoices and when no NIP is configured to tell.
QString NipObcegoSprzedawcy(const TzentoraVat &f, const TiniZentora &ini);

// The digits of a text ("PL 123-456-78-90" gives "1234567890").
QString CyfryTekstu(const QString &s);
// Ten digits whose check digit is right.
bool NipPoprawny(const QString &cyfry);

// The KSeF number: NIP-YYYYMMDD-XXXXXXXXXXXX-CC, CC the CRC-8 (polynomial 0x07, start 0)
// of the first 32 characters in upper-case hexadecimal.
quint8 Crc8Ksef(const QByteArray &dane);
// Empty when the number is good (and, when `nipSprzedawcy` is given, belongs to that
// seller); otherwise the reason, in Polish.
QString BladNumeruKsef(const QString &numer, const QString &nipSprzedawcy = QString());

struct TopcjeKsef {
    QDateTime Wytworzono;   // the moment of export; invalid: now (UTC)
};

struct TeksportKsef {
    QByteArray Xml;
    QString Wytworzono;        // DataWytworzeniaFa as written
    QString Nip;               // the seller's NIP as written
    QStringList Ostrzezenia;   // doubts that do not stop the export (a NIP with a wrong check digit)
};

// Whether the kind of document is an invoice that goes to KSeF.
bool RodzajDoKsef(TrodzajFaktury r);

// The FA(3) XML of a record built as saving builds it (rows valued, totals taken).
// Throws EOdmowaKsef when the invoice cannot be exported, with the reason: among others an
// invoice that already has a KSeF number (it is final), an incomplete correction and an
// exempt row without the basis of the exemption.
TeksportKsef EksportujKsef(const TzentoraVat &f, const TiniZentora &ini, const TopcjeKsef &opcje);

// Writes the bytes through a temporary file, so a failed write leaves any earlier file
// whole; EMojeBledy when the file cannot be written.
void ZapiszPlikKsef(const QString &plik, const QByteArray &xml);

// ---- the export remembered in the invoice

// SHA-256 of the bytes, Base64URL without padding (the hash of the verification link).
QString SkrotKsef(const QByteArray &dane);
// A fingerprint of the invoice's content: the hash of its file text without the export.
QString OdciskFaktury(const TzentoraVat &f);
// Records the export in the invoice, the seller's NIP of the XML with it; a new export
// starts without a KSeF number.
void ZapamietajEksport(TzentoraVat &f, const TeksportKsef &e);
// Whether the invoice has a recorded export and still is the invoice that was exported.
bool EksportAktualny(const TzentoraVat &f);
// Records the number KSeF assigned; EOdmowaKsef when there was no export or the number is
// wrong or belongs to another seller.
void UstawNumerKsef(TzentoraVat &f, const TiniZentora &ini, const QString &numer);
// The link of the verification code: https://QR-HOST/invoice/NIP/DD-MM-YYYY/hash, the host
// that of the configured environment, with the NIP of the exported XML (for files recorded
// without it, the configured seller's).
QString LinkWeryfikacjiKsef(const TzentoraVat &f, const TiniZentora &ini);
// The invoice's KSeF state in one line.
QString StanKsef(const TzentoraVat &f);
