#pragma once
// A full invoice for measurements: 50 rows over all VAT kinds, recomputed, two printed pages.

#include "fakturaprzykladowa.h"
#include "invoice/sumy.h"

#include <QStringList>

inline TzentoraVat Faktura50()
{
    static const QStringList stawki{QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("5"), QStringLiteral("0"),
                                    QString()};
    static const QStringList jednostki{QStringLiteral("szt."), QStringLiteral("kg"), QStringLiteral("godz."),
                                       QStringLiteral("ryza"), QStringLiteral("m²")};
    TzentoraVat f;
    UstawFaktureTestowa(
        f, 57, QStringLiteral("14.05.2024"), QStringLiteral("28.05.2024"),
        {QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe „Żuraw” Spółka z o.o."),
         QStringLiteral("ul. Świętokrzyska 112/14"), QStringLiteral("00-950"), QStringLiteral("Warszawa"),
         QStringLiteral("525-000-11-22"),
         QStringLiteral("Hurtownia Papiernicza Łukasz Ćwik;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10"),
         QStringLiteral("Bank Przykładowy S.A."), QStringLiteral("11 2222 3333 4444 5555 6666 7777"),
         QStringLiteral("Łukasz Ćwik")});
    f.UwagiDodatk = QStringLiteral("Towar odebrano osobiście; reklamacje w ciągu 14 dni.");
    f.IlePozyc = kMaxPozycji;
    for (int i = 1; i <= kMaxPozycji; ++i) {
        TpozFaktury &p = f.Pozycja(i);
        p.Towar = QStringLiteral("Papier A4 80 g/m², partia %1").arg(i);
        p.Klasyf = QStringLiteral("17.12.14");
        p.Jedn = jednostki.at(i % jednostki.size());
        p.Ilosc = QString::number(i % 7 + 1);
        p.Cena = QStringLiteral("%1,%2").arg(10 + i * 3).arg(i * 7 % 100, 2, 10, QLatin1Char('0'));
        p.PrcVat = stawki.at(i % stawki.size());
    }
    PrzeliczRekord(f);
    return f;
}
