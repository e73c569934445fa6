#pragma once
// The example invoice: three rows sold on 05.03.2018, number 12/FV/2018, by transfer.

#include "invoice/rekord.h"

inline TpozFaktury Wiersz(const QString &w)
{
    TpozFaktury p;
    QString s = w;
    p.LadujStr(s);
    return p;
}

// The buyer and the seller of a test invoice.
struct TstronyTestowe {
    QString firma, ulica, kod, miasto, nip;   // the buyer
    QString ramka, bank, konto, osoba;        // the seller
};

// A numbered VAT invoice paid by transfer, issued on its sale date, with its two parties.
inline void UstawFaktureTestowa(TzentoraVat &f, int numer, const QString &data, const QString &dataZaplaty,
                                const TstronyTestowe &s)
{
    f.WersjaFak = 2;
    f.RodzajFak = rZentora;
    f.RodzajNum = numerNSR;
    f.NumerFak = numer;
    f.SymbolFak = QStringLiteral("FV");
    f.DataWystaw = f.DataSprzed = data;
    f.DataZaplaty = dataZaplaty;
    f.RodzZaplaty = zPrzelew;
    f.KupFirma = s.firma;
    f.KupUlica = s.ulica;
    f.KupKod = s.kod;
    f.KupMiasto = s.miasto;
    f.KupNip = s.nip;
    f.SprzedRamka = s.ramka;
    f.SprzedBank = s.bank;
    f.SprzedKonto = s.konto;
    f.SprzedOsoba = s.osoba;
}

inline TzentoraVat FakturaPrzykladowa()
{
    TzentoraVat f;
    UstawFaktureTestowa(f, 12, QStringLiteral("05.03.2018"), QStringLiteral("19.03.2018"),
                        {QStringLiteral("Hurtownia Przykładowa"), QStringLiteral("ul. Polna 7"),
                         QStringLiteral("60-101"), QStringLiteral("Poznań"), QStringLiteral("123-456-78-90"),
                         QStringLiteral("Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10"),
                         QStringLiteral("Bank Przykładowy"), QStringLiteral("11 2222 3333 4444 5555 6666 7777"),
                         QStringLiteral("Przykładowy Jan")});
    f.SumyFaktury[vatSum] = {QStringLiteral("139,03"), QStringLiteral("0"), QStringLiteral("8,68"),
                             QStringLiteral("147,71")};
    f.SumyFaktury[vatZw] = {QStringLiteral("100,00"), QStringLiteral("0"), QString(), QStringLiteral("100,00")};
    f.SumyFaktury[vat0] = {QString(), QStringLiteral("0"), QString(), QString()};
    f.SumyFaktury[vat7] = {QStringLiteral("1,98"), QStringLiteral("8"), QStringLiteral("0,16"), QStringLiteral("2,14")};
    f.SumyFaktury[vat22] = {QStringLiteral("37,05"), QStringLiteral("23"), QStringLiteral("8,52"),
                            QStringLiteral("45,57")};
    f.SumyFaktury[vatA] = {QString(), QStringLiteral("5"), QString(), QString()};
    f.IlePozyc = 3;
    f.Pozycja(1) = Wiersz(QStringLiteral("Papier A4||ryza|3|12,35|37,05|23|8,52|45,57"));
    f.Pozycja(2) = Wiersz(QStringLiteral("Przewóz||kurs|2|0,99|1,98|8|0,16|2,14"));
    f.Pozycja(3) = Wiersz(QStringLiteral("Szkolenie||godz.|1|100,00|100,00|||100,00"));
    return f;
}

// The example as examples/przyklad.FAK holds it: with the legal basis of its exempt row.
inline TzentoraVat PrzykladZPliku()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.PodstawaZwolnienia = QStringLiteral("art. 43 ust. 1 pkt 29 ustawy o VAT");
    return f;
}

// The example's three rows repeated up to the most rows an invoice holds, each named by
// `nazwa` with the row's number for %1.
inline TzentoraVat FakturaDluga(const QString &nazwa)
{
    TzentoraVat f = FakturaPrzykladowa();
    f.IlePozyc = kMaxPozycji;
    for (int i = 1; i <= kMaxPozycji; ++i) {
        f.Pozycja(i) = f.Pozycja(1 + (i - 1) % 3);
        f.Pozycja(i).Towar = nazwa.arg(i);
    }
    return f;
}
