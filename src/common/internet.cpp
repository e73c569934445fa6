#include "internet.h"

#include "formaty.h"
#include "teksty.h"

TdaneProgramu DaneProgramu;
TdaneInternet DaneInternet;

void DekodujPlikInfo(TdaneInternet &dane, const TdaneProgramu &program)
{
    dane.aOpisy_Info.clear();
    dane.Licz_Platna = 0;
    dane.Licz_DoPobr = 0;
    dane.Licz_Darmow = 0;
    QString tekst = dane.sTresc_Info;
    tekst.remove(QLatin1Char('\n'));
    QString linia;
    while (PobierzPole(tekst, linia, QLatin1Char('\r'))) {
        TinfoInternet inf;
        inf.inf_symb = OdetnijPole(linia, QLatin1Char(';'));
        inf.inf_sver = OdetnijPole(linia, QLatin1Char(';'));
        const QString pobranie = OdetnijPole(linia, QLatin1Char(';'));
        const QString darmowa = OdetnijPole(linia, QLatin1Char(';'));
        inf.inf_opis = linia;
        inf.inf_darm = darmowa == QLatin1String("1");
        // only a free version may be downloaded
        inf.inf_pobr = pobranie == QLatin1String("1") && inf.inf_darm;
        inf.inf_znak = inf.inf_symb + QLatin1String("  ") + inf.inf_sver;
        inf.inf_nver = TekstNaInt(QString(inf.inf_sver).remove(QLatin1Char('.')), 0);
        if (inf.inf_symb != program.prg_Symbol || program.prg_Liczbowo >= inf.inf_nver)
            continue;
        dane.aOpisy_Info.append(inf);
        if (inf.inf_darm)
            ++dane.Licz_Darmow;
        else
            ++dane.Licz_Platna;
        if (inf.inf_pobr)
            ++dane.Licz_DoPobr;
    }
}

void DekodujPlikInfo() { DekodujPlikInfo(DaneInternet, DaneProgramu); }
