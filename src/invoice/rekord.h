#pragma once
// The invoice record and its enumerations. Every part of an invoice, amounts included,
// is held as the text the user sees ("1.234,50", "23", "05.03.2018").

#include <QString>
#include <array>
#include <stdexcept>

enum TrodzajFaktury : quint8 { rZentora, rFakKoryg, rZentoraMP, rUprosz, rZwykly, rProForma };
enum TrodzajZaplaty : quint8 { zGotowka, zPrzelew, zKarta, zZaliczPocz };
enum TrodzajNumerac : quint8 { numerNR, numerNMR, numerNSR, numerNSMR };
enum TtypDatySprzed : quint8 { typDsprzed, typDzlecen, typDdostaw };
enum TrodzajVat : quint8 { vatSum, vatZw, vat0, vat7, vat22, vatA };

inline constexpr int kLiczbaRodzajowFaktur = 6;
inline constexpr int kLiczbaZaplat = 4;
inline constexpr int kLiczbaNumeracji = 4;
inline constexpr int kLiczbaTypowDat = 3;
inline constexpr int kLiczbaRodzajowVat = 6;
inline constexpr int kMaxPozycji = 50;

extern const std::array<QString, kLiczbaRodzajowFaktur> NazwyFaktur;
extern const std::array<QString, kLiczbaRodzajowFaktur> NazwyFakturDop;
extern const std::array<QString, kLiczbaZaplat> NazwyZaplat;
extern const std::array<QString, kLiczbaTypowDat> NazwyDatSprzedazy;
extern const std::array<QString, kLiczbaRodzajowVat> KluczeSum;
extern const std::array<QString, kLiczbaRodzajowVat> NazwyStatusowVat;   // items of the parameters dialog
extern const std::array<QString, kLiczbaNumeracji> NazwyNumeracji;       // "N / R" ...

// One item row: nine texts, in the order of the item grid's columns 1..9.
struct TpozFaktury {
    QString Towar, Klasyf, Jedn, Ilosc, Cena, Netto, PrcVat, WarVat, Brutto;

    static constexpr int kPola = 9;
    // 0..8; inline: the rows are copied field by field several times for every save
    QString &Pole(int i)
    {
        static constexpr QString TpozFaktury::*kPolaPozycji[kPola] = {
            &TpozFaktury::Towar, &TpozFaktury::Klasyf, &TpozFaktury::Jedn,   &TpozFaktury::Ilosc, &TpozFaktury::Cena,
            &TpozFaktury::Netto, &TpozFaktury::PrcVat, &TpozFaktury::WarVat, &TpozFaktury::Brutto};
        if (i < 0 || i >= kPola)
            throw std::out_of_range("TpozFaktury::Pole");
        return this->*kPolaPozycji[i];
    }
    const QString &Pole(int i) const { return const_cast<TpozFaktury *>(this)->Pole(i); }
    void czysc();
    QString WydajStr() const;    // the nine fields joined by "|"
    void LadujStr(QString &S);   // takes the fields from S, consuming it
    // The row as the invoice file keeps it: the text up to the first "|" of WydajStr() and
    // the rest; LadujZPliku takes back what LadujStr would take from the two joined by "|".
    void WydajDoPliku(QString &towar, QString &reszta) const;
    void LadujZPliku(const QString &towar, QStringView reszta);
    bool PozJestPusta() const;
    bool operator==(const TpozFaktury &) const = default;

private:
    QString Polacz(int od) const;            // fields od..8 joined by "|"
    void LadujPola(QStringView S, int od);   // fields od..8 from S
};

// Totals of one VAT kind as texts.
struct TrekordVat {
    QString Netto, PrcVat, WarVat, Brutto;

    void czysc();
    QString WydajStr() const;   // "Netto|PrcVat|WarVat|Brutto"
    void ladujStr(QString S);
    bool operator==(const TrekordVat &) const = default;
};

using TsumyRodzVat = std::array<TrekordVat, kLiczbaRodzajowVat>;

// Totals of one VAT kind as numbers, while they are being computed.
struct TkwotyVat {
    double dNet = 0, dPrc = 0, dVat = 0, dBru = 0;
    qint32 Licz = 0;
    QString sPrc;   // distinct rate texts added, "/"-separated, in order of first appearance

    void czysc();
    void dodaj(const TkwotyVat &V);
    // the same with the text of V's rate, FloatKrotko(true, V.dPrc), already made
    void dodaj(const TkwotyVat &V, const QString &tekstPrc);
    bool NorVorB() const;
};

struct TsumyKwotVat {
    std::array<TkwotyVat, kLiczbaRodzajowVat> aSum;

    void czysc();
    TkwotyVat wydaj(TrodzajVat r) const;
    void dodaj(TrodzajVat r, const TkwotyVat &Kv);
};

struct TzentoraVat {
    qint32 IDfaktury = 0;
    QString KluczPoz;
    qint32 RokPrzych = 0, MscPrzych = 0, DayPrzych = 0;
    qint32 NumerFak = 0;
    qint32 WersjaFak = 0;
    TrodzajFaktury RodzajFak = rZentora;
    TrodzajNumerac RodzajNum = numerNR;
    QString SymbolFak;
    QString DataWystaw, DataSprzed, DataZaplaty;
    TrodzajZaplaty RodzZaplaty = zGotowka;
    QString DoKorekty;
    QString UwagiDodatk;
    QString KupFirma, KupUlica, KupKod, KupMiasto, KupNip, KupOsoba;
    QString SprzedRamka, SprzedBank, SprzedKonto, SprzedOsoba;
    bool Ratalnie = false;
    bool Przelano = false;
    QString Odeslano;
    // Keys of [Warunki] that a file has only when they are set: the split-payment switch
    // and the legal basis of an exemption typed for this invoice (it wins over the
    // configured one).
    bool MPP = false;
    QString PodstawaZwolnienia;
    // What a correction corrects (section [Korekta], only when one of them is filled): the
    // corrected invoice's issue date (DD.MM.YYYY), its KSeF number and the reason.
    QString DataKorygowanej, KsefKorygowanej, PrzyczynaKorekty;
    TsumyRodzVat SumyFaktury;
    // The last KSeF export (section [KSeF] of the file, only when there was one): the hash of
    // the XML written, its DataWytworzeniaFa, a fingerprint of the invoice at that moment and,
    // once known, the number KSeF gave it.
    QString KsefSkrot, KsefWytworzono, KsefOdcisk, KsefNumer;
    // the seller's NIP as the exported XML has it: the verification link is made with it
    QString KsefNip;
    // The last answer of KSeF that refused the invoice: its status code and description.
    QString KsefStatus;
    qint32 IlePozyc = 0;
    std::array<TpozFaktury, kMaxPozycji> PozycFaktury;

    void Czysc();
    QString DajOznaczenieFaktury() const;
    // Item row 1..50; any other index is a programming error (std::out_of_range).
    TpozFaktury &Pozycja(int i);
    const TpozFaktury &Pozycja(int i) const;
    // The number of the last non-empty row, 0 when all are empty.
    int OstatniaPozycja() const;
};

struct TiniZentora {
    TrodzajNumerac iniNumerac = numerNR;
    QString iniSymbol;
    // Numbering by the invoices already in the working folder, and the symbol of the bills'
    // own series.
    bool iniAutoNum = true;
    QString iniSymbolRach = QStringLiteral("R");
    QString iniFolder;
    QString IniPodpisBmp;
    TrodzajVat iniMojVat = vatSum;
    TrodzajZaplaty iniZaplata = zGotowka;
    qint32 iniDniZapl = 0;
    bool iniSlowoVAT = false;
    bool IniDatSprzTak = false;
    bool IniProForNip = false;
    TtypDatySprzed IniTypDatSprz = typDsprzed;
    QString iniTabFirm;
    QString iniTabBank;
    QString iniTabOsob;
    // Section [KSeF]: the seller as the e-invoicing system gets it; an empty key is taken
    // from the invoice's seller frame. The basis of an exemption also goes on the printout.
    QString iniKsefNip, iniKsefNazwa, iniKsefAdresL1, iniKsefAdresL2, iniKsefPodstawa;
    // Which KSeF the invoices go to ("test", "demo", "prod"; empty is test) and, for a
    // server of one's own, its API address instead of the environment's.
    QString iniKsefSrodowisko, iniKsefAdres;

    void Czysc();
    bool operator==(const TiniZentora &) const = default;
};

// Pro forma invoices, bills ("Rachunek") and the VAT invoices of every kind are numbered in
// series of their own: the group of the kind.
int GrupaSerii(TrodzajFaktury r);

// Sets the kind of the invoice; a pro-forma invoice is always numbered N / S / M / R with
// the symbol "PF", and one that stops being pro-forma takes the configured numbering again; a bill takes the bills'
// symbol.
void UstawRodzajFaktury(TzentoraVat &f, TrodzajFaktury nowy, const TiniZentora &ini);

// A new invoice made from the configuration, issued and sold on `dzis`.
TzentoraVat NowaFaktura(const TiniZentora &ini, double dzis);
