#include "wydrukfaktury.h"

#include "arkuszpomiarowy.h"
#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/slownie.h"
#include "drukarka.h"
#include "invoice/dokument.h"
#include "invoice/ksef.h"
#include "invoice/stawki.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cmath>

bool DrukujPodpis = true;
QString PlikPodpisu;
bool EkstraMarginesy = false;
bool DrukujDuplikat = false;
double DataDuplikatu = 0;
std::function<bool(QWidget *, const TzentoraVat &, const TiniZentora &, int &)> ProcOpcjeDruku;
std::function<void(int)> ProcPoKopii;

namespace {

const QChar kCR(13);

// Column tables of the three layouts: invoices (and the simplified bill, whose tables are
// the same) and the plain bill, which has no VAT columns.
const TstrgKolFak kTytulyFakt = {QStringLiteral("Lp."),   QStringLiteral("Nazwa towaru / usługi"),
                                 QStringLiteral("jedn."), QStringLiteral("ilość"),
                                 QStringLiteral("cena"),  QStringLiteral("netto"),
                                 QStringLiteral("%Vat"),  QStringLiteral("VAT zł"),
                                 QStringLiteral("brutto")};
const TstrgKolFak kTytulyZwyk = {QStringLiteral("Lp."),
                                 QStringLiteral("Nazwa towaru / usługi"),
                                 QStringLiteral("jedn."),
                                 QStringLiteral("ilość"),
                                 QStringLiteral("cena"),
                                 QStringLiteral("wartość,"),
                                 QString(),
                                 QString(),
                                 QString()};
const TlongKolFak kSzerokosciFakt = {80, 0, 90, 140, 190, 190, 110, 190, 190};
const TlongKolFak kSzerokosciZwyk = {80, 0, 150, 200, 300, 300, 0, 0, 0};
const TjustKolFak kJustyKolumn = {just_C, just_B, just_CD, just_CD, just_PD, just_PD, just_CD, just_PD, just_PD};

const QString kNaglowekKlasyfikacji = QStringLiteral("Klasyfikacja  -  ");
const QString kZdanieProForma =
    QStringLiteral("Niniejszy dokument nie jest fakturą w rozumieniu Ustawy o podatku od towarów i usług.");

// No text is drawn smaller than this, in points.
constexpr qint32 kNajmniejszyPunkt = 6;
// Room kept below the working area for the page line of a document of more pages, and
// the line's distance from the working area.
constexpr qint32 kMiejsceStopki = 50;
constexpr qint32 kOdstepStopki = 12;
// Amount cells of the item rows of the two table layouts and of the summary rows.
const QList<int> kKwotyFakt{3, 4, 5, 6, 7, 8};
const QList<int> kKwotyZwyk{3, 4, 5};
const QList<int> kKwotyPodsumowania{5, 6, 7, 8};

// The word-wrapped placement with the same horizontal side.
Tjustuj Blokiem(Tjustuj j)
{
    switch (JustPoziom(j)) {
    case pozPrawo: return just_PB;
    case pozSrodek: return just_CB;
    case pozLewo: break;
    }
    return just_B;
}

int DrukiWToku = 0;

QList<qint32> NaListe(const TlongKolFak &t) { return QList<qint32>(t.begin(), t.end()); }
QList<Tjustuj> NaListe(const TjustKolFak &t) { return QList<Tjustuj>(t.begin(), t.end()); }
QStringList NaListe(const TstrgKolFak &t) { return QStringList(t.begin(), t.end()); }

int LiczbaPozycji(const TzentoraVat &f) { return Ogranicz(f.IlePozyc, 0, kMaxPozycji); }

}   // namespace

bool WydrukTrwa() { return DrukiWToku > 0; }

TrwaWydruk::TrwaWydruk() { ++DrukiWToku; }
TrwaWydruk::~TrwaWydruk() { --DrukiWToku; }

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
    // A document of more pages says on every page which invoice and which page it is; the
    // pages are counted first, by laying the copy out on a sheet that only measures.
    if (!m_proba) {
        m_stron = 1;
        if (std::unique_ptr<TarkuszPomiarowy> miarka = TarkuszPomiarowy::Dla(A)) {
            TdrukujFakture proba(*miarka);
            proba.m_proba = true;
            proba.m_zeStopka = true;
            proba.RysujEgzemplarz(Oryg, Fakt, iniFak);
            m_stron = miarka->Strony();
        }
        m_zeStopka = m_stron > 1;
    }
    m_strona = 1;

    Fzentora = Fakt;
    FiniFakt = iniFak;
    Foryginal = Oryg;
    TRect marginesy = EkstraMarginesy ? TRect{70, 70, 70, 70} : TRect{0, 70, 0, 0};
    if (m_zeStopka)
        marginesy.Bottom = qMax(marginesy.Bottom, A.JednY(A.FofsetPix.Bottom) + kMiejsceStopki);
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

    A.PoNowejStronie = [this] { NaNowejStronie(); };
    struct Odlacz {
        TARKUSZ &a;
        ~Odlacz() { a.PoNowejStronie = nullptr; }
    } odlacz{A};
    if (m_zeStopka)
        RysujStopke();
    // The code goes only with a recorded export that is still this invoice.
    FlinkKsef = EksportAktualny(Fzentora) ? LinkWeryfikacjiKsef(Fzentora, FiniFakt) : QString();
    FmiejsceKsef = FlinkKsef.isEmpty() ? 0 : kSzerokoscKsef + kOdstepStempla;
    RysujKolejno();
}

void TdrukujFakture::NaNowejStronie()
{
    ++m_strona;
    if (m_zeStopka)
        RysujStopke();
    // a header that itself needs a new page does not start another one
    if (m_tytulyTabeli && !m_naStronie) {
        m_naStronie = true;
        try {
            RysujNaglowekTabeli();
        } catch (...) {
            m_naStronie = false;
            throw;
        }
        m_naStronie = false;
    }
}

void TdrukujFakture::RysujStopke()
{
    Tczcionka f = A.Ar8;
    const Tczcionka stara = A.UstawCzcionke(f);
    const QString t = NazwaBezVat(NazwyFaktur[Fzentora.RodzajFak]) + QStringLiteral("   numer:  ")
                      + Fzentora.DajOznaczenieFaktury()
                      + QStringLiteral("   -   strona %1 z %2").arg(m_strona).arg(m_stron);
    A.Wpisz(TPoint{0, A.AktRobocza.Y + kOdstepStopki}, A.AktRobocza.X, kMiejsceStopki - kOdstepStopki, just_CG, t);
    A.UstawCzcionke(stara);
}

void TdrukujFakture::RysujNaglowekTabeli()
{
    TKolumny k(m_kolumnTabeli);
    A.InicjujKolumny(Fzapas, -Fgwarant, NaListe(*m_szerTabeli), Fodstep, Framka2, Flinia2, {just_CB}, FontNagl, k,
                     kBialy);
    A.PiszKolumny(k, NaListe(*m_tytulyTabeli), false, false);
}

bool TdrukujFakture::Zmiesc(Tczcionka &f, const QString &s, qint32 szerokosc)
{
    for (;;) {
        A.UstawCzcionke(f);
        if (A.Lnapisu(s) <= szerokosc)
            return true;
        if (f.Rozmiar <= kNajmniejszyPunkt)
            return false;
        f.Rozmiar = qMax(kNajmniejszyPunkt, f.Rozmiar - 1);
    }
}

void TdrukujFakture::WpiszCaly(const Tczcionka &f, TPoint P, qint32 L, qint32 V, Tjustuj just, const QString &S)
{
    Tczcionka c = f;
    const bool miesci = Zmiesc(c, S, L);
    A.Wpisz(P, L, V, miesci ? just : Blokiem(just), S);
}

void TdrukujFakture::DopasujKomorki(TKolumny &k, QStringList &teksty, const QList<int> &kwoty)
{
    const Tczcionka stara = A.WydajCzcionke();
    for (int i = 0; i < k.size() && i < teksty.size(); ++i) {
        Tkolumna &c = k[i];
        const QString &t = teksty.at(i);
        if (t == QLatin1String("@") || Pusty(t) || JustPion(c.Justuj) == pionBlok)
            continue;
        // the text rectangle of the cell (the column engine narrows it the same way)
        const qint32 miejsce = c.Wymiary.X - (JustPoziom(c.Justuj) == pozSrodek ? 0 : c.OdRamki.X);
        Tczcionka f = c.Czcionka;
        if (Zmiesc(f, t, miejsce)) {
            c.Czcionka = f;
        } else if (kwoty.contains(i)) {
            // an amount is never shown cut: question marks across the cell instead
            A.UstawCzcionke(c.Czcionka);
            int n = qMax(1, miejsce / qMax(1, A.Lnapisu(QStringLiteral("?"))));
            while (n > 1 && A.Lnapisu(QString(n, QLatin1Char('?'))) > miejsce)
                --n;
            teksty[i] = QString(n, QLatin1Char('?'));
        } else {
            c.Czcionka = f;
            c.Justuj = Blokiem(c.Justuj);
        }
    }
    A.UstawCzcionke(stara);
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
    // from here to the end of the summary every new page begins with the table's header
    m_tytulyTabeli = tytuly;
    m_szerTabeli = szerokosci;
    m_kolumnTabeli = int(kolumny->size());
    RubrykiWartosci(*szerokosci, *kolumny);
    const int rodzaje = RysujPodsumowanie(*szerokosci, *kolumny);
    m_tytulyTabeli = nullptr;
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
        A.ZmienStrone();
}

void TdrukujFakture::RysujTytulNumerOryginal()
{
    const QString t =
        NazwaBezVat(NazwyFaktur[Fzentora.RodzajFak]) + QStringLiteral("   numer:  ") + Fzentora.DajOznaczenieFaktury();
    A.UstawCzcionke(A.Ar14);
    WierszTytulu(t);
    // the words the law asks for under the title of these kinds
    if (Fzentora.RodzajFak == rFakKoryg || Fzentora.RodzajFak == rZentoraMP) {
        A.UstawCzcionke(A.Ar12b);
        WierszTytulu(Fzentora.RodzajFak == rFakKoryg ? QStringLiteral("KOREKTA") : QStringLiteral("metoda kasowa"));
        A.UstawCzcionke(A.Ar14);
    }
    if (Fzentora.MPP) {
        A.UstawCzcionke(A.Ar12b);
        WierszTytulu(QStringLiteral("mechanizm podzielonej płatności"));
        A.UstawCzcionke(A.Ar14);
    }
    if (Fzentora.RodzajFak == rFakKoryg && Niepusty(Fzentora.DoKorekty))
        WierszTytulu(QStringLiteral("do faktury: ") + Fzentora.DoKorekty);
    if (Fzentora.RodzajFak == rFakKoryg) {
        // what the correction corrects, as the law asks it to say
        A.UstawCzcionke(A.Ar10);
        if (Niepusty(Fzentora.DataKorygowanej))
            WierszTytulu(QStringLiteral("z dnia ") + Trim(Fzentora.DataKorygowanej));
        if (Niepusty(Fzentora.KsefKorygowanej))
            WierszTytulu(QStringLiteral("Nr KSeF: ") + Trim(Fzentora.KsefKorygowanej));
        if (Niepusty(Fzentora.PrzyczynaKorekty))
            WierszTytulu(QStringLiteral("Przyczyna korekty: ") + Trim(Fzentora.PrzyczynaKorekty));
        A.UstawCzcionke(A.Ar14);
    }
    if (DrukujDuplikat) {
        A.WierszC(QStringLiteral("( Duplikat )"), 0);
        if (DataDuplikatu != 0) {
            A.UstawCzcionke(A.Ar10);
            A.WierszC(QStringLiteral("Data wystawienia duplikatu: ") + DataNaTekst(QString(), DataDuplikatu), 0);
        }
    }
}

void TdrukujFakture::WierszTytulu(const QString &t)
{
    if (A.Lnapisu(t) <= A.AktRobocza.X) {
        A.WierszC(t, 0);
        return;
    }
    const Tczcionka f = A.WydajCzcionke();
    const qint32 h = A.WysAfisza(A.AktRobocza.X, 1000, just_CB, t);
    A.Wpisz(TPoint{0, A.Ydruk}, A.AktRobocza.X, h, just_CB, t);
    A.Ydruk += h + f.Hexter - f.Hinter;
}

QString TdrukujFakture::TekstStempla() const
{
    // the seller's own NIP stays on every kind: the pro forma option concerns the buyers'
    return Fzentora.SprzedRamka.split(QLatin1Char(';')).join(kCR);
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

    const QString S = TekstStempla();
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
    if (KorektaUjemna(Fzentora)) {
        etykiety = {QStringLiteral("Data wystawienia:"), QStringLiteral("Towar zwrócono:"),
                    QStringLiteral("Zapłatę zwrócono:"), QStringLiteral("Zwrot zapłaty:"),
                    QStringLiteral("Bank, rachunek:")};
    } else {
        etykiety.append(QStringLiteral("Data wystawienia:"));
        if (zSprzedaza)
            etykiety.append(NazwyDatSprzedazy[FiniFakt.IniTypDatSprz] + QLatin1Char(':'));
        etykiety +=
            {QStringLiteral("Termin zapłaty:"), QStringLiteral("Sposób zapłaty:"), QStringLiteral("Bank, rachunek:")};
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
    WpiszCaly(A.Ar10b, TPoint{R - 500, y + 25 + 60 * i}, 500, 60, just_L, Fzentora.SprzedBank);
    ++i;
    WpiszCaly(A.Ar11b, TPoint{R - 800, y + 25 + 60 * i}, 850, 60, just_L, Fzentora.SprzedKonto);

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
    const QString adres = Fzentora.KupUlica + QStringLiteral("  ") + (kod == QLatin1String("-") ? Spacje(6) : kod)
                          + QLatin1Char(' ') + Fzentora.KupMiasto;
    const bool zNip = !(Fzentora.RodzajFak == rProForma && !FiniFakt.IniProForNip);
    const qint32 xNip = Fszerok - 440;
    // The address ends short of the tax number; a long one is made smaller rather than overprinted.
    const qint32 wAdres = zNip ? qMin(wv, xNip - 20 - xv) : wv;
    WpiszCaly(A.Ar10, TPoint{xv, y2}, wAdres, 60, just_G, adres);
    if (zNip)
        WpiszCaly(A.Ar10, TPoint{xNip, y2}, 440, 60, just_G, QStringLiteral("NIP:  ") + Fzentora.KupNip);
    A.UstawCzcionke(A.Ar10);

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
        // an exempt row says so; a description line shows no rate
        const QString stawka = WierszZwolniony(p) ? QStringLiteral("zw") : p.PrcVat;
        QStringList teksty{QString::number(i),
                           nazwa,
                           p.Jedn,
                           UsunSep(p.Ilosc),
                           UsunSep(p.Cena),
                           UsunSep(p.Netto),
                           stawka,
                           UsunSep(p.WarVat),
                           UsunSep(p.Brutto)};
        DopasujKomorki(k, teksty, Fzentora.RodzajFak == rZwykly ? kKwotyZwyk : kKwotyFakt);
        A.PiszKolumny(k, teksty, false, false);
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
    A.InicjujKolumny(Fzapas, Fgwarant, NaListe(SzerKolumn), Fodstep, suma ? Framka3 : Framka2, suma ? Flinia3 : Flinia2,
                     NaListe(FjustKolumn), suma ? FontWierB : FontWier, k, kBialy);
    if (k.size() > 4) {
        k[4].GrubLin = {-1, -1, -1, -1};
        k[4].Justuj = just_PD;
        k[4].Czcionka = suma ? A.Ar10b : A.Ar10;
    }
    const TrekordVat &s = Fzentora.SumyFaktury[rv];
    const QString malpa = QStringLiteral("@");
    QStringList teksty{malpa,
                       malpa,
                       malpa,
                       malpa,
                       Koment,
                       UsunSep(s.Netto),
                       OpisStawki(rv, s.PrcVat),
                       UsunSep(s.WarVat),
                       UsunSep(s.Brutto)};
    DopasujKomorki(k, teksty, kKwotyPodsumowania);
    A.PiszKolumny(k, teksty, false, false);
}

void TdrukujFakture::RysujZaplataGotowka()
{
    if (Fzentora.RodzZaplaty != zGotowka || Fzentora.Ratalnie)
        return;
    const qint32 y = A.Ydruk;
    const Tczcionka stara = A.UstawCzcionke(QStringLiteral("Arial"), 12, fsBold | fsUnderline, kCzarny);
    A.WierszL(JestZwrot() ? QStringLiteral("ZWRÓCONO GOTÓWKĘ") : QStringLiteral("ZAPŁACONO GOTÓWKĄ"), 80);
    // the stamp stands on the line of the next summary row, to its left
    if (A.Ydruk > y)
        A.Ydruk = y;
    A.UstawCzcionke(stara);
}

void TdrukujFakture::RysujPodstaweZwolnienia()
{
    const QString podstawa = PodstawaZwolnieniaFaktury(Fzentora, FiniFakt);
    if (podstawa.isEmpty() || !MaWierszZwolniony(Fzentora))
        return;
    A.UstawCzcionke(A.Ar10);
    A.Ydruk += 10;
    A.WierszL(QStringLiteral("Podstawa zwolnienia: ") + podstawa, Fzapas);
}

bool TdrukujFakture::JestZwrot() const
{
    // the sign decides, for a correction as for any other kind
    return TekstNaFloat(Fzentora.SumyFaktury[vatSum].Brutto, 0) < 0;
}

void TdrukujFakture::RysujDoZaplaty()
{
    A.UstawCzcionke(A.Ar12b);
    QString t = JestZwrot() ? QStringLiteral("Do zwrotu:   ") : QStringLiteral("Do zapłaty:  ");
    // money going back is said as its size: the label says which way it goes
    QString kwota = Trim(Fzentora.SumyFaktury[vatSum].Brutto);
    if (kwota.startsWith(QLatin1Char('-')))
        kwota = Trim(kwota.mid(1));
    t += Fpusta ? Spacje(25) : kwota + QStringLiteral("  ");
    A.Ydruk += 10;
    A.WierszP(t, 0);
}

void TdrukujFakture::RysujSlownie()
{
    const QString t = (JestZwrot() ? QStringLiteral("DO ZWROTU SŁOWNIE:  ") : QStringLiteral("SŁOWNIE ZŁOTYCH:  "))
                      + KwotaSlownie(std::fabs(TekstNaFloat(Fzentora.SumyFaktury[vatSum].Brutto, 0)));
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
    if (!DrukujPodpis || Pusty(PlikPodpisu) || m_proba)
        return;
    if (!QFileInfo::exists(PlikPodpisu)) {
        Sprawdz(false, QStringLiteral("!Nie znaleziono pliku rysunku podpisu:|") + PlikPodpisu
                           + QStringLiteral("|Podpis nie zostanie wydrukowany"));
        return;
    }
    QImageReader czytnik(PlikPodpisu);
    const QImage obraz = czytnik.read();
    if (obraz.isNull()) {
        Sprawdz(false, QStringLiteral("!Nie można odczytać rysunku podpisu:|") + PlikPodpisu
                           + QStringLiteral("|Podpis nie zostanie wydrukowany"));
        return;
    }
    const qint32 xo = xp + (L - 635) / 2, yo = y + 100;
    if (obraz.width() <= 750 && obraz.height() <= 360) {
        A.RysujSkalujBMP(obraz, 0, 0, 750, 360, xo, yo, 635, 305);
        return;
    }
    // a larger picture (a scan at a higher resolution) goes whole into the box, its
    // proportions kept, centred
    const double skala = std::min(635.0 / obraz.width(), 305.0 / obraz.height());
    const qint32 w = qMax(1, qint32(std::lround(obraz.width() * skala)));
    const qint32 h = qMax(1, qint32(std::lround(obraz.height() * skala)));
    A.RysujSkalujBMP(obraz, 0, 0, obraz.width(), obraz.height(), xo + (635 - w) / 2, yo + (305 - h) / 2, w, h);
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

void SprawdzDoWydruku(const TzentoraVat &Fakt)
{
    if (KorektaBezSekcjiDodatnia(Fakt))
        Komunikat(OstrzezenieKorektyDodatniej());
    const QString odmowa = OdmowaKorekty(Fakt);
    Wymagaj(odmowa.isEmpty(), odmowa);
    OstrzezenieKsef(Fakt);
}

bool DrukujDoPdf(const QString &plik, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie, bool pokazPostep)
{
    if (kopie < 1)
        return false;
    const TrwaWydruk trwa;
    SprawdzDoWydruku(Fakt);
    if (!UtworzDrukarkePdf(plik))
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
