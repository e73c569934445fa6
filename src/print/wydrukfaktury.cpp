#include "wydrukfaktury.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/slownie.h"
#include "invoice/ksef.h"
#include "kodqr.h"
#include "drukarka.h"
#include "invoice/stawki.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QImage>
#include <QImageReader>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cmath>

bool DrukujPodpis = true;
QString PlikPodpisu;
bool EkstraMarginesy = false;
bool DrukujDuplikat = false;
double DataDuplikatu = 0;
std::function<bool(QWidget *, const TzentoraVat &, const TiniZentora &, int &)> ProcOpcjeDruku;

namespace {

const QChar kCR(13);

// Column tables of the three layouts: invoices (and the simplified bill, whose tables are
// the same) and the plain bill, which has no VAT columns.
const TstrgKolFak kTytulyFakt = {
    QStringLiteral("Lp."), QStringLiteral("Nazwa towaru / usługi"), QStringLiteral("jedn."),
    QStringLiteral("ilość"), QStringLiteral("cena"), QStringLiteral("netto"),
    QStringLiteral("%Vat"), QStringLiteral("VAT zł"), QStringLiteral("brutto")};
const TstrgKolFak kTytulyZwyk = {
    QStringLiteral("Lp."), QStringLiteral("Nazwa towaru / usługi"), QStringLiteral("jedn."),
    QStringLiteral("ilość"), QStringLiteral("cena"), QStringLiteral("wartość,"),
    QString(), QString(), QString()};
const TlongKolFak kSzerokosciFakt = {80, 0, 90, 140, 190, 190, 110, 190, 190};
const TlongKolFak kSzerokosciZwyk = {80, 0, 150, 200, 300, 300, 0, 0, 0};
const TjustKolFak kJustyKolumn = {just_C, just_B, just_CD, just_CD, just_PD, just_PD, just_CD, just_PD, just_PD};

const QString kNaglowekKlasyfikacji = QStringLiteral("Klasyfikacja  -  ");
const QString kZdanieProForma =
    QStringLiteral("Niniejszy dokument nie jest fakturą w rozumieniu Ustawy o podatku od towarów i usług.");

// Tenths of a millimetre between the seller's stamp and the dates box, at least.
constexpr qint32 kOdstepStempla = 50;
constexpr qint32 kSzerokoscKsef = 500;   // room for the code and the 35 characters of the number under it

QList<qint32> NaListe(const TlongKolFak &t) { return QList<qint32>(t.begin(), t.end()); }
QList<Tjustuj> NaListe(const TjustKolFak &t) { return QList<Tjustuj>(t.begin(), t.end()); }
QStringList NaListe(const TstrgKolFak &t) { return QStringList(t.begin(), t.end()); }

int LiczbaPozycji(const TzentoraVat &f) { return Ogranicz(f.IlePozyc, 0, kMaxPozycji); }

} // namespace

QString TytulDokumentu(const TzentoraVat &Fakt)
{
    return BezSpacji(NazwyFaktur[Fakt.RodzajFak]) + QString::number(Fakt.NumerFak);
}

QString TdrukujFakture::UsunSep(const QString &s)
{
    // Large amounts lose their thousands separators to fit their columns; a negative
    // amount of a correction is as wide as a positive one.
    if (std::fabs(TekstNaFloat(s, 0)) > 999999)
        return ZamienZnak(s, SeparatorTysiecy(), QChar());
    return s;
}

QString TdrukujFakture::NazwaBezVat(const QString &nazwa) const
{
    return FiniFakt.iniSlowoVAT ? nazwa : Zamien(nazwa, QStringLiteral(" VAT"), QString(), false);
}

void TdrukujFakture::ZaladujKolumny()
{
    FtytKolFakt = FtytKolUpro = kTytulyFakt;
    FtytKolZwyk = kTytulyZwyk;
    FlenKolFakt = FlenKolUpro = kSzerokosciFakt;
    FlenKolZwyk = kSzerokosciZwyk;
    FjustKolumn = kJustyKolumn;
    FkolFakt = TKolumny(9);
    FkolUpro = TKolumny(9);
    FkolZwyk = TKolumny(6);
}

void TdrukujFakture::RysujEgzemplarz(bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak)
{
    Fzentora = Fakt;
    FiniFakt = iniFak;
    Foryginal = Oryg;
    const TRect marginesy = EkstraMarginesy ? TRect{70, 70, 70, 70} : TRect{0, 70, 0, 0};
    A.UstawFormat(jm_mm10, marginesy, 100);

    Fzapas = 10;
    Fszerok = A.AktRobocza.X - 2 * Fzapas;
    Fgwarant = 60;
    Flinia2 = 2;
    Flinia3 = 3;
    Framka2 = {2, 2, 2, 2};
    Framka3 = {3, 3, 3, 3};
    Fodstep = {3, 10};
    ZaladujKolumny();

    const double g = TekstNaFloat(Fzentora.SumyFaktury[vatSum].Brutto, 0);
    Fpusta = g == 0 && LiczbaPozycji(Fzentora) == 0;
    // From 100.000,00 up the table needs the smaller font; a correction's negative total as well.
    if (std::fabs(g) >= 100000) {
        FontNagl = FontWier = A.Ar9;
        FontWierB = A.Ar9b;
    } else {
        FontNagl = FontWier = A.Ar10;
        FontWierB = A.Ar10b;
    }

    FdruKlas = false;
    if (Fzentora.RodzajFak != rZwykly)
        for (int i = 1; i <= LiczbaPozycji(Fzentora); ++i)
            if (!Fzentora.Pozycja(i).Klasyf.isEmpty())
                FdruKlas = true;
    if (FdruKlas) {
        FtytKolFakt[1] = kNaglowekKlasyfikacji + FtytKolFakt[1];
        FtytKolUpro[1] = kNaglowekKlasyfikacji + FtytKolUpro[1];
    }
    // The code goes only with a recorded export that is still this invoice.
    FlinkKsef = EksportAktualny(Fzentora) ? LinkWeryfikacjiKsef(Fzentora, FiniFakt) : QString();
    FmiejsceKsef = FlinkKsef.isEmpty() ? 0 : kSzerokoscKsef + kOdstepStempla;
    RysujKolejno();
}

void TdrukujFakture::RysujKolejno()
{
    RysujTytulNumerOryginal();
    A.Ydruk += 50;
    const qint32 stempel = RysujStempel();
    const qint32 daty = RysujDatyBank();
    const qint32 kod = RysujKodKsef();
    A.Ydruk += qMax(qMax(stempel, daty), kod) + 50;
    A.Ydruk += RysujKupujacy() + 50;

    TstrgKolFak *tytuly = &FtytKolFakt;
    TlongKolFak *szerokosci = &FlenKolFakt;
    TKolumny *kolumny = &FkolFakt;
    if (Fzentora.RodzajFak == rZwykly) {
        tytuly = &FtytKolZwyk;
        szerokosci = &FlenKolZwyk;
        kolumny = &FkolZwyk;
    } else if (Fzentora.RodzajFak == rUprosz) {
        tytuly = &FtytKolUpro;
        szerokosci = &FlenKolUpro;
        kolumny = &FkolUpro;
    }
    OpracujNaglowek(*tytuly, *szerokosci, *kolumny);
    RubrykiWartosci(*szerokosci, *kolumny);
    const int rodzaje = RysujPodsumowanie(*szerokosci, *kolumny);
    RysujPodstaweZwolnienia();
    RysujDoZaplaty();
    if (rodzaje < 3)
        A.Ydruk += Fgwarant;
    RysujSlownie();
    RysujUwagi();
    RysujPodpisy();
}

void TdrukujFakture::SprawdzWysStrony(qint32 V)
{
    if (A.Ydruk + V > A.AktRobocza.Y)
        A.NowaStrona();
}

void TdrukujFakture::RysujTytulNumerOryginal()
{
    const QString t = NazwaBezVat(NazwyFaktur[Fzentora.RodzajFak]) + QStringLiteral("   numer:  ") +
                      Fzentora.DajOznaczenieFaktury();
    A.UstawCzcionke(A.Ar14);
    A.WierszC(t, 0);
    if (Fzentora.RodzajFak == rFakKoryg && Niepusty(Fzentora.DoKorekty))
        A.WierszC(QStringLiteral("do faktury: ") + Fzentora.DoKorekty, 0);
    if (DrukujDuplikat) {
        A.WierszC(QStringLiteral("( Duplikat )"), 0);
        if (DataDuplikatu != 0) {
            A.UstawCzcionke(A.Ar10);
            A.WierszC(QStringLiteral("Data wystawienia duplikatu: ") + DataNaTekst(QString(), DataDuplikatu), 0);
        }
    }
}

qint32 TdrukujFakture::RysujStempel()
{
    A.UstawGrubosc(2);
    A.UstawCzcionke(A.Ar11b);
    const qint32 y = A.Ydruk;

    qint32 w = 0;
    QString linie = Fzentora.SprzedRamka;
    while (!linie.isEmpty())
        w = qMax(w, A.Lnapisu(OdetnijPole(linie, QLatin1Char(';'))));
    w += 100;
    // A very long line wraps instead of running into the dates box on the right.
    const qint32 miejsce = Fzapas + Fszerok - 1000 - kOdstepStempla - 10 - FmiejsceKsef;
    if (w > miejsce && miejsce >= 200)
        w = miejsce;

    QString S = ZamienZnak(Fzentora.SprzedRamka, QLatin1Char(';'), kCR);
    if (Fzentora.RodzajFak == rProForma && !FiniFakt.IniProForNip) {
        const int p = S.toUpper().indexOf(QLatin1String("NIP"));
        if (p >= 0) {
            const int k = S.indexOf(kCR, p);
            S.remove(p, (k < 0 ? S.size() : k) - p);
        }
    }
    const qint32 h = A.WysAfisza(w, 1000, just_CB, S);
    A.Wpisz(TPoint{10, y + 25}, w, h + 50, just_CB, S);
    A.Rama(TPoint{10, y}, w, h + 50, kCzarny, psSolid);
    A.Ydruk = y;
    return h + 50;
}

qint32 TdrukujFakture::RysujDatyBank()
{
    const qint32 R = Fzapas + Fszerok;
    const TrodzajFaktury rodzaj = Fzentora.RodzajFak;
    bool zSprzedaza = true;
    if (rodzaj == rZentora)
        zSprzedaza = FiniFakt.IniDatSprzTak || Fzentora.DataWystaw != Fzentora.DataSprzed;
    else if (rodzaj == rProForma)
        zSprzedaza = false;

    A.UstawGrubosc(2);
    A.UstawCzcionke(A.Ar10);
    const qint32 y = A.Ydruk;

    QStringList etykiety;
    if (rodzaj == rFakKoryg) {
        etykiety = {QStringLiteral("Data wystawienia:"), QStringLiteral("Towar zwrócono:"),
                    QStringLiteral("Zapłatę zwrócono:"), QStringLiteral("Zwrot zapłaty:"),
                    QStringLiteral("Bank, rachunek:")};
    } else {
        etykiety.append(QStringLiteral("Data wystawienia:"));
        if (zSprzedaza)
            etykiety.append(NazwyDatSprzedazy[FiniFakt.IniTypDatSprz] + QLatin1Char(':'));
        etykiety += {QStringLiteral("Termin zapłaty:"), QStringLiteral("Sposób zapłaty:"),
                     QStringLiteral("Bank, rachunek:")};
    }
    for (int i = 0; i < etykiety.size(); ++i)
        A.Wpisz(TPoint{R - 1000, y + 25 + 60 * i}, 450, 60, just_P, etykiety.at(i));

    QStringList wartosci{Fzentora.DataWystaw};
    if (zSprzedaza)
        wartosci.append(Fzentora.DataSprzed);
    wartosci += {Fzentora.DataZaplaty, NazwyZaplat[Fzentora.RodzZaplaty]};
    int i = 0;
    for (; i < wartosci.size(); ++i)
        A.Wpisz(TPoint{R - 500, y + 25 + 60 * i}, 500, 60, just_L, wartosci.at(i));
    A.UstawCzcionke(A.Ar10b);
    A.Wpisz(TPoint{R - 500, y + 25 + 60 * i}, 500, 60, just_L, Fzentora.SprzedBank);
    ++i;
    A.UstawCzcionke(A.Ar11b);
    A.Wpisz(TPoint{R - 800, y + 25 + 60 * i}, 850, 60, just_L, Fzentora.SprzedKonto);

    A.Rama(TPoint{R - 1000, y}, 1000, 410, kCzarny, psSolid);
    A.Ydruk = y;
    return 410;
}

qint32 TdrukujFakture::RysujKupujacy()
{
    A.UstawGrubosc(2);
    A.UstawCzcionke(A.Ar10);
    const qint32 y = A.Ydruk;
    const qint32 y1 = y + 20;
    const qint32 xv = Fzapas + 290;
    const qint32 wv = Fszerok - 290;

    A.Wpisz(TPoint{Fzapas, y1}, 250, 1000, just_PG, QStringLiteral("NABYWCA:"));
    const qint32 hn = qMax(A.WysAfisza(wv, 1000, just_B, Fzentora.KupFirma) + 20, qint32(60));
    A.Wpisz(TPoint{xv, y1}, wv, hn, just_B, Fzentora.KupFirma);

    const qint32 y2 = y1 + hn;
    A.Wpisz(TPoint{Fzapas, y2}, 250, 1000, just_PG, QStringLiteral("ADRES:"));
    const QString kod = Trim(Fzentora.KupKod);
    const QString adres = Fzentora.KupUlica + QStringLiteral("  ") +
                          (kod == QLatin1String("-") ? Spacje(6) : kod) + QLatin1Char(' ') + Fzentora.KupMiasto;
    const bool zNip = !(Fzentora.RodzajFak == rProForma && !FiniFakt.IniProForNip);
    const qint32 xNip = Fszerok - 440;
    // The address ends short of the tax number, so a long one is cut rather than overprinted.
    const qint32 wAdres = zNip ? qMin(wv, xNip - 20 - xv) : wv;
    A.Wpisz(TPoint{xv, y2}, wAdres, 60, just_G, adres);
    if (zNip)
        A.Wpisz(TPoint{xNip, y2}, 440, 60, just_G, QStringLiteral("NIP:  ") + Fzentora.KupNip);

    A.Rama(TPoint{Fzapas, y}, Fszerok, hn + 80, kCzarny, psSolid);
    A.Ydruk = y;
    return hn + 80;
}

void TdrukujFakture::OpracujNaglowek(const TstrgKolFak &TytKolumn, TlongKolFak &SzerKolumn, TKolumny &kolumny)
{
    qint32 reszta = 0;
    for (int i = 0; i < int(SzerKolumn.size()); ++i)
        if (i != 1)
            reszta += SzerKolumn[i];
    SzerKolumn[1] = Fszerok - reszta;
    A.InicjujKolumny(Fzapas, -Fgwarant, NaListe(SzerKolumn), Fodstep, Framka2, Flinia2, {just_CB}, FontNagl, kolumny,
                     kBialy);
    A.PiszKolumny(kolumny, NaListe(TytKolumn), false, false);
}

void TdrukujFakture::RubrykiWartosci(const TlongKolFak &SzerKolumn, const TKolumny &kolumny)
{
    TKolumny k = kolumny;
    if (Fpusta) {
        A.InicjujKolumny(Fzapas, 400, NaListe(SzerKolumn), Fodstep, Framka2, Flinia2, NaListe(FjustKolumn), FontWier, k,
                         kBialy);
        A.PiszKolumny(k, QStringList(13, QString()), false, false);
        return;
    }
    for (int i = 1; i <= LiczbaPozycji(Fzentora); ++i) {
        const TpozFaktury &p = Fzentora.Pozycja(i);
        A.InicjujKolumny(Fzapas, -Fgwarant, NaListe(SzerKolumn), Fodstep, Framka2, Flinia2, NaListe(FjustKolumn),
                         FontWier, k, kBialy);
        const QString nazwa = (FdruKlas && !p.Klasyf.isEmpty()) ? p.Klasyf + QStringLiteral(" - ") + p.Towar : p.Towar;
        A.PiszKolumny(k,
                      {QString::number(i), nazwa, p.Jedn, UsunSep(p.Ilosc), UsunSep(p.Cena), UsunSep(p.Netto),
                       p.PrcVat, UsunSep(p.WarVat), UsunSep(p.Brutto)},
                      false, false);
    }
}

int TdrukujFakture::RysujPodsumowanie(const TlongKolFak &SzerKolumn, const TKolumny &kolumny)
{
    QList<TrodzajVat> rodzaje;
    for (int r = vatSum; r <= vatA; ++r)
        if (Fpusta || r == vatSum || Niepusty(Fzentora.SumyFaktury[r].Brutto))
            rodzaje.append(TrodzajVat(r));
    const int n = int(rodzaje.size());
    SprawdzWysStrony((n + 1) * Fgwarant);
    int j = 0;
    for (TrodzajVat rv : rodzaje) {
        ++j;
        const QString koment = j == 1 ? QStringLiteral("Razem: ") : j == 2 ? QStringLiteral("W tym: ") : QString();
        if (j == 2)
            RysujZaplataGotowka();
        if (Fzentora.RodzajFak != rZwykly || j == 1)
            WierszPodsumow(rv, SzerKolumn, kolumny, koment);
    }
    return n;
}

void TdrukujFakture::WierszPodsumow(TrodzajVat rv, const TlongKolFak &SzerKolumn, const TKolumny &kolumny,
                                    const QString &Koment)
{
    TKolumny k = kolumny;
    const bool suma = rv == vatSum;
    A.InicjujKolumny(Fzapas, Fgwarant, NaListe(SzerKolumn), Fodstep, suma ? Framka3 : Framka2,
                     suma ? Flinia3 : Flinia2, NaListe(FjustKolumn), suma ? FontWierB : FontWier, k, kBialy);
    if (k.size() > 4) {
        k[4].GrubLin = {-1, -1, -1, -1};
        k[4].Justuj = just_PD;
        k[4].Czcionka = suma ? A.Ar10b : A.Ar10;
    }
    const TrekordVat &s = Fzentora.SumyFaktury[rv];
    const QString malpa = QStringLiteral("@");
    A.PiszKolumny(k,
                  {malpa, malpa, malpa, malpa, Koment, UsunSep(s.Netto), OpisStawki(rv, s.PrcVat), UsunSep(s.WarVat),
                   UsunSep(s.Brutto)},
                  false, false);
}

void TdrukujFakture::RysujZaplataGotowka()
{
    if (Fzentora.RodzZaplaty != zGotowka || Fzentora.Ratalnie)
        return;
    const qint32 y = A.Ydruk;
    const Tczcionka stara = A.UstawCzcionke(QStringLiteral("Arial"), 12, fsBold | fsUnderline, kCzarny);
    A.WierszL(Fzentora.RodzajFak == rFakKoryg ? QStringLiteral("ZWRÓCONO GOTÓWKĘ") : QStringLiteral("ZAPŁACONO GOTÓWKĄ"),
              80);
    // the stamp stands on the line of the next summary row, to its left
    if (A.Ydruk > y)
        A.Ydruk = y;
    A.UstawCzcionke(stara);
}

qint32 TdrukujFakture::RysujKodKsef()
{
    if (FlinkKsef.isEmpty())
        return 0;
    const TkodQr kod = KodujQr(FlinkKsef);
    if (kod.Rozmiar == 0)
        return 0;
    // whole tenths of a millimetre per module, at least 22 mm for the code without its margin
    const qint32 modul = (220 + kod.Rozmiar - 1) / kod.Rozmiar;
    const qint32 bok = modul * kod.Rozmiar;
    const qint32 prawa = Fzapas + Fszerok - 1000 - kOdstepStempla;   // left edge of the dates box, less the gap
    const qint32 srodek = prawa - kSzerokoscKsef / 2;
    const qint32 x0 = srodek - bok / 2, y0 = A.Ydruk + 4 * modul;   // the quiet zone above stays white
    for (int y = 0; y < kod.Rozmiar; ++y)
        for (int x = 0; x < kod.Rozmiar; ++x) {
            if (!kod.Ciemny(x, y))
                continue;
            int k = x;
            while (k + 1 < kod.Rozmiar && kod.Ciemny(k + 1, y))
                ++k;
            A.ZamalujProstokat(TRect{x0 + x * modul, y0 + y * modul, x0 + (k + 1) * modul - 1, y0 + (y + 1) * modul - 1},
                               kCzarny);
            x = k;
        }
    const QString podpis = Niepusty(Fzentora.KsefNumer) ? Fzentora.KsefNumer : QStringLiteral("OFFLINE");
    const Tczcionka stara = A.UstawCzcionke(A.Ar7);
    const qint32 yTekstu = y0 + bok + 2 * modul;
    const qint32 h = A.WysAfisza(kSzerokoscKsef, 100, just_CG, podpis);
    A.Wpisz(TPoint{prawa - kSzerokoscKsef, yTekstu}, kSzerokoscKsef, h, just_CG, podpis);
    A.UstawCzcionke(stara);
    return yTekstu + h - A.Ydruk;
}

void TdrukujFakture::RysujPodstaweZwolnienia()
{
    const QString podstawa = Trim(FiniFakt.iniKsefPodstawa);
    bool zwolniona = false;
    for (int i = 1; i <= LiczbaPozycji(Fzentora); ++i)
        zwolniona = zwolniona || (!Fzentora.Pozycja(i).PozJestPusta() && Pusty(Fzentora.Pozycja(i).PrcVat));
    if (podstawa.isEmpty() || !zwolniona)
        return;
    A.UstawCzcionke(A.Ar10);
    A.Ydruk += 10;
    A.WierszL(QStringLiteral("Podstawa zwolnienia: ") + podstawa, Fzapas);
}

void TdrukujFakture::RysujDoZaplaty()
{
    A.UstawCzcionke(A.Ar12b);
    QString t = Fzentora.RodzajFak == rFakKoryg ? QStringLiteral("Do zwrotu:   ") : QStringLiteral("Do zapłaty:  ");
    t += Fpusta ? Spacje(25) : Fzentora.SumyFaktury[vatSum].Brutto + QStringLiteral("  ");
    A.Ydruk += 10;
    A.WierszP(t, 0);
}

void TdrukujFakture::RysujSlownie()
{
    const QString t = (Fzentora.RodzajFak == rFakKoryg ? QStringLiteral("DO ZWROTU SŁOWNIE:  ")
                                                        : QStringLiteral("SŁOWNIE ZŁOTYCH:  ")) +
                      KwotaSlownie(TekstNaFloat(Fzentora.SumyFaktury[vatSum].Brutto, 0));
    A.UstawCzcionke(A.Ar10);
    const qint32 h = A.WysAfisza(Fszerok, 100, just_B, t);
    A.Ydruk += 20;
    SprawdzWysStrony(h + 10);
    A.Wpisz(TPoint{Fzapas, A.Ydruk}, Fszerok, h, just_B, t);
    A.Ydruk += h;
}

void TdrukujFakture::RysujUwagi()
{
    if (Fzentora.RodzajFak == rProForma)
        Fzentora.UwagiDodatk = kZdanieProForma + QStringLiteral("\r\n") + Fzentora.UwagiDodatk;
    if (Fzentora.UwagiDodatk.isEmpty())
        return;
    A.Ydruk += 40;
    const qint32 w = Fszerok - 40;
    A.UstawCzcionke(A.Ar10);
    const qint32 h = A.WysAfisza(w, 1000, just_B, Fzentora.UwagiDodatk);
    const qint32 b = qMax(h + 2, qint32(60));
    const qint32 hb = b + 30;
    SprawdzWysStrony(hb);
    A.Wpisz(TPoint{Fzapas + 20, A.Ydruk + 15}, w, b, just_B, Fzentora.UwagiDodatk);
    A.UstawGrubosc(2);
    A.Rama(TPoint{Fzapas, A.Ydruk}, Fszerok, hb, kCzarny, psSolid);
    A.Ydruk += hb;
}

void TdrukujFakture::RysujPodpisy()
{
    A.Ydruk += 40;
    SprawdzWysStrony(510);
    A.UstawGrubosc(1);
    const qint32 y = A.Ydruk;
    const qint32 L = (Fszerok - 50) / 2;
    const QString s = NazwaBezVat(NazwyFakturDop[Fzentora.RodzajFak]);

    A.Rama(TPoint{Fzapas, y}, L, 500, kCzarny, psDash);
    if (Fzentora.RodzajFak != rProForma) {
        A.UstawCzcionke(A.Ar10);
        A.Wpisz(TPoint{Fzapas, y + 10}, L, 500, just_CB, QStringLiteral("Osoba upoważniona do odbioru") + kCR + s);
        A.UstawCzcionke(A.Ar11);
        A.Wpisz(TPoint{Fzapas, y}, L, 480, just_CD, Fzentora.KupOsoba);
    }

    const qint32 xp = Fzapas + L + 50;
    A.Rama(TPoint{xp, y}, L, 500, kCzarny, psDash);
    A.UstawCzcionke(A.Ar10);
    A.Wpisz(TPoint{xp, y + 10}, L, 500, just_CB, QStringLiteral("Osoba upoważniona do wystawienia") + kCR + s);
    A.UstawCzcionke(A.Ar11);
    A.Wpisz(TPoint{xp, y}, L, 480, just_CD, Fzentora.SprzedOsoba);

    // No file chosen means no picture; only a chosen file that is missing or unreadable
    // is worth a warning, and the copy is printed without the picture either way.
    if (!DrukujPodpis || Pusty(PlikPodpisu))
        return;
    if (!QFileInfo::exists(PlikPodpisu)) {
        Sprawdz(false, QStringLiteral("!Nie znaleziono pliku rysunku podpisu:|") + PlikPodpisu +
                           QStringLiteral("|Podpis nie zostanie wydrukowany"));
        return;
    }
    QImageReader czytnik(PlikPodpisu);
    const QImage obraz = czytnik.read();
    if (obraz.isNull()) {
        Sprawdz(false, QStringLiteral("!Nie można odczytać rysunku podpisu:|") + PlikPodpisu +
                           QStringLiteral("|Podpis nie zostanie wydrukowany"));
        return;
    }
    A.RysujSkalujBMP(obraz, 0, 0, 750, 360, xp + (L - 635) / 2, y + 100, 635, 305);
}

// ---- entry points ----

void DrukujEgzemplarz(TARKUSZ &arkusz, bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak)
{
    TdrukujFakture wydruk(arkusz);
    wydruk.RysujEgzemplarz(Oryg, Fakt, iniFak);
}

void DrukujEgzemplarz(bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak)
{
    if (!AktDrukarka)
        throw EMojeBledy(QStringLiteral("Brak zadania wydruku."));
    DrukujEgzemplarz(*AktDrukarka, Oryg, Fakt, iniFak);
}

bool OstrzezenieKsef(const TzentoraVat &Fakt)
{
    if (Pusty(Fakt.KsefSkrot) || EksportAktualny(Fakt))
        return false;
    Komunikat(QStringLiteral("!Faktura różni się od faktury wysłanej do KSeF.|Kod weryfikacyjny KSeF nie zostanie "
                             "wydrukowany; wyeksportuj fakturę ponownie."));
    return true;
}

int DrukujFakture(const TzentoraVat &Fakt, const TiniZentora &iniFak, QWidget *Wlasciciel, int &Kopie)
{
    OstrzezenieKsef(Fakt);
    if (Wlasciciel && ProcOpcjeDruku && !ProcOpcjeDruku(Wlasciciel, Fakt, iniFak, Kopie))
        return 0;
    const QString tytul = TytulDokumentu(Fakt);
    bool dalej = true;
    int wyslane = 0;
    for (int i = 0; i < Kopie; ++i) {
        if (!dalej || !UtworzDrukarke())
            continue;
        try {
            AktDrukarka->STARTDOKUMENTU(tytul, 12, QString(), 0, {}, {}, true);
            DrukujEgzemplarz(false, Fakt, iniFak);
            dalej = !AktDrukarka->ABORT_DRUK();
        } catch (...) {
            ZakonczDrukarke();
            throw;
        }
        ZakonczDrukarke();
        if (dalej)
            ++wyslane;
    }
    return wyslane;
}

void RysujPodglad(QPrinter *drukarka, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    try {
        Tdrukarka podglad(drukarka, true);
        podglad.STARTDOKUMENTU(TytulDokumentu(Fakt), 12, QString(), 0, {}, {}, false);
        for (int i = 0; i < qMax(1, kopie); ++i) {
            if (i > 0)
                podglad.NowaStrona();
            DrukujEgzemplarz(podglad, false, Fakt, iniFak);
        }
        podglad.ZakonczDokument();
    } catch (const std::exception &e) {
        // called from the preview's signal: nothing may leave it
        PokazBlad(e);
    }
}

void PokazPodglad(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    QPrintPreviewDialog dialog(DrukarkaAplikacji(), wlasciciel);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *p) { RysujPodglad(p, Fakt, iniFak, kopie); });
    dialog.exec();
}

bool DrukujDoPdf(const QString &plik, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie, bool pokazPostep)
{
    if (kopie < 1)
        return false;
    OstrzezenieKsef(Fakt);
    QPrinter drukarka(QPrinter::HighResolution);
    UstawWydrukPdf(drukarka, plik);
    if (!UtworzDrukarke(&drukarka))
        throw ECichyAbort();
    try {
        AktDrukarka->STARTDOKUMENTU(TytulDokumentu(Fakt), 12, QString(), 0, {}, {}, pokazPostep);
        for (int i = 0; i < kopie; ++i) {
            if (i > 0)
                AktDrukarka->NowaStrona();
            DrukujEgzemplarz(false, Fakt, iniFak);
        }
        AktDrukarka->ZakonczDokument();
    } catch (...) {
        ZakonczDrukarke();
        throw;
    }
    ZakonczDrukarke();
    return true;
}

bool ZapiszPdfJako(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    QString folder = iniFak.iniFolder;
    if (Pusty(folder) || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString plik = QFileDialog::getSaveFileName(
        wlasciciel, QStringLiteral("Zapisz fakturę jako PDF"),
        QDir(folder).filePath(TytulDokumentu(Fakt) + QStringLiteral(".pdf")), QStringLiteral("Pliki PDF (*.pdf)"));
    if (plik.isEmpty())
        return false;
    try {
        return DrukujDoPdf(plik, Fakt, iniFak, qMax(1, kopie), true);
    } catch (const std::exception &e) {
        PokazBlad(e);   // nothing for a cancelled print: its message has been shown
        return false;
    }
}
