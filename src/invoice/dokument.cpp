#include "dokument.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"
#include "stawki.h"
#include "sumy.h"

bool WierszOpisowy(const TpozFaktury &p)
{
    return Niepusty(p.Towar) && Pusty(p.Ilosc) && Pusty(p.Cena) && Pusty(p.Netto) && Pusty(p.PrcVat);
}

// "zw" in a file written by another tool is the exempt rate as well
bool WierszZwolniony(const TpozFaktury &p)
{
    return !p.PozJestPusta() && !WierszOpisowy(p) && Pusty(StawkaZWpisu(p.PrcVat));
}

bool MaWierszZwolniony(const TzentoraVat &f)
{
    for (int i = 1; i <= qMin(f.IlePozyc, kMaxPozycji); ++i)
        if (WierszZwolniony(f.Pozycja(i)))
            return true;
    return false;
}

QString PodstawaZwolnieniaFaktury(const TzentoraVat &f, const TiniZentora &ini)
{
    return Trim(Niepusty(f.PodstawaZwolnienia) ? f.PodstawaZwolnienia : ini.iniKsefPodstawa);
}

bool BrakPodstawyZwolnienia(const TzentoraVat &f, const TiniZentora &ini)
{
    return MaWierszZwolniony(f) && Pusty(PodstawaZwolnieniaFaktury(f, ini));
}

bool KorektaUjemna(const TzentoraVat &f)
{
    return f.RodzajFak == rFakKoryg && TekstNaFloat(f.SumyFaktury[vatSum].Brutto, 0) < 0;
}

bool KorektaBezSekcjiDodatnia(const TzentoraVat &f)
{
    return f.RodzajFak == rFakKoryg && Pusty(f.DataKorygowanej) && Pusty(f.KsefKorygowanej) && Pusty(f.PrzyczynaKorekty)
           && TekstNaFloat(f.SumyFaktury[vatSum].Brutto, 0) > 0;
}

QStringList BrakiKorekty(const TzentoraVat &f)
{
    QStringList braki;
    if (f.RodzajFak != rFakKoryg)
        return braki;
    if (Pusty(f.DoKorekty))
        braki << QStringLiteral("do faktury");
    if (TekstNaDate(f.DataKorygowanej, 0) <= 0)
        braki << QStringLiteral("data korygowanej faktury");
    if (Pusty(f.PrzyczynaKorekty))
        braki << QStringLiteral("przyczyna korekty");
    return braki;
}

QString OstrzezenieKorektyDodatniej()
{
    return QStringLiteral("!Faktura korygująca bez daty i przyczyny korekty ma dodatnią sumę: nabywca dopłaca.|Jeśli "
                          "to zwrot dla nabywcy, wpisz ilości lub ceny ze znakiem minus.");
}

QString OdmowaKorekty(const TzentoraVat &f)
{
    const QStringList braki = BrakiKorekty(f);
    if (braki.isEmpty())
        return QString();
    return QStringLiteral("XFaktura korygująca nie jest kompletna. Brakuje: ") + braki.join(QStringLiteral(", "))
           + QStringLiteral(".|Uzupełnij dane korygowanej faktury obok pola „do faktury” (data jako DD.MM.RRRR).");
}

TzentoraVat WystawKorekte(const TzentoraVat &f, const TiniZentora &ini, double dzis, const QString &przyczyna)
{
    TzentoraVat k = NowaFaktura(ini, dzis);
    k.RodzajFak = rFakKoryg;
    k.RodzZaplaty = f.RodzZaplaty;
    const int dni = k.RodzZaplaty == zPrzelew ? ini.iniDniZapl : 0;
    k.DataZaplaty = DataNaTekst(QString(), dzis + dni);
    k.KupFirma = f.KupFirma;
    k.KupUlica = f.KupUlica;
    k.KupKod = f.KupKod;
    k.KupMiasto = f.KupMiasto;
    k.KupNip = f.KupNip;
    k.KupOsoba = f.KupOsoba;
    // the parties of the corrected invoice, the seller included, as they were on it
    k.SprzedRamka = f.SprzedRamka;
    k.SprzedBank = f.SprzedBank;
    k.SprzedKonto = f.SprzedKonto;
    k.SprzedOsoba = f.SprzedOsoba;
    k.MPP = f.MPP;
    k.PodstawaZwolnienia = f.PodstawaZwolnienia;
    k.DoKorekty = f.DajOznaczenieFaktury();
    // The rows keep the rates of the corrected supply, and rates are checked against the
    // sale date: an invoice from the time of other rates keeps its sale date.
    const double sprzedano = TekstNaDate(f.DataSprzed, 0);
    if (sprzedano > 0 && OkresStawek(sprzedano) != OkresStawek(dzis))
        k.DataSprzed = f.DataSprzed;
    k.DataKorygowanej = f.DataWystaw;
    k.KsefKorygowanej = f.KsefNumer;
    k.PrzyczynaKorekty = Trim(przyczyna);
    k.IlePozyc = f.IlePozyc;
    for (int i = 1; i <= qMin(f.IlePozyc, kMaxPozycji); ++i) {
        TpozFaktury p = f.Pozycja(i);
        if (!WierszOpisowy(p) && !p.PozJestPusta())
            p.Ilosc = FloatKrotko(true, -TekstNaFloat(p.Ilosc, 0));
        k.Pozycja(i) = p;
    }
    PrzeliczRekord(k);
    return k;
}

bool FakturaOstateczna(const TzentoraVat &f) { return Niepusty(f.KsefNumer); }
