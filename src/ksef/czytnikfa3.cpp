#include "czytnikfa3.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/sumy.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

namespace {

const QString kPrzestrzen = QStringLiteral("http://crd.gov.pl/wzor/2025/06/25/13775/");

// A small tree of the document; every element taken into the record is marked, so that what
// was not can be named afterwards.
struct Wezel {
    QString nazwa, tekst;
    std::vector<std::unique_ptr<Wezel>> dzieci;
    mutable bool uzyty = false;

    const Wezel *Dziecko(const QString &n) const
    {
        for (const auto &d : dzieci)
            if (d->nazwa == n)
                return d.get();
        return nullptr;
    }
    std::vector<const Wezel *> Dzieci(const QString &n) const
    {
        std::vector<const Wezel *> w;
        for (const auto &d : dzieci)
            if (d->nazwa == n)
                w.push_back(d.get());
        return w;
    }
    // The text of a path "A/B/C", marked as taken; empty when there is none.
    QString Tekst(const QString &sciezka) const
    {
        const Wezel *w = this;
        for (const QString &n : sciezka.split(QLatin1Char('/'))) {
            w = w->Dziecko(n);
            if (!w)
                return QString();
        }
        w->uzyty = true;
        return w->tekst.trimmed();
    }
    const Wezel *Sciezka(const QString &sciezka) const
    {
        const Wezel *w = this;
        for (const QString &n : sciezka.split(QLatin1Char('/'))) {
            w = w ? w->Dziecko(n) : nullptr;
        }
        return w;
    }
    // Marks the whole subtree as taken (its meaning is implied by what the record holds).
    void Uzyj() const
    {
        uzyty = true;
        for (const auto &d : dzieci)
            d->Uzyj();
    }
    void Nieuzyte(const QString &przed, QStringList &lista) const
    {
        const QString s = przed.isEmpty() ? nazwa : przed + QLatin1Char('/') + nazwa;
        if (dzieci.empty()) {
            if (!uzyty && !lista.contains(s))
                lista.append(s);
            return;
        }
        for (const auto &d : dzieci)
            d->Nieuzyte(s, lista);
    }
};

std::unique_ptr<Wezel> Drzewo(const QByteArray &xml)
{
    QXmlStreamReader r(xml);
    std::unique_ptr<Wezel> korzen;
    std::vector<Wezel *> stos;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            auto w = std::make_unique<Wezel>();
            w->nazwa = r.name().toString();
            Wezel *p = w.get();
            if (stos.empty()) {
                if (r.namespaceUri() != kPrzestrzen || w->nazwa != QLatin1String("Faktura"))
                    throw EMojeBledy(QStringLiteral("To nie jest faktura FA(3): element główny %1 w przestrzeni „%2”.")
                                         .arg(w->nazwa, r.namespaceUri().toString()));
                korzen = std::move(w);
            } else {
                stos.back()->dzieci.push_back(std::move(w));
            }
            stos.push_back(p);
        } else if (r.isCharacters() && !stos.empty()) {
            stos.back()->tekst += r.text();
        } else if (r.isEndElement()) {
            stos.pop_back();
        }
    }
    if (r.hasError())
        throw EMojeBledy(
            QStringLiteral("Plik XML jest uszkodzony (wiersz %1): %2").arg(r.lineNumber()).arg(r.errorString()));
    if (!korzen)
        throw EMojeBledy(QStringLiteral("Plik nie zawiera faktury."));
    return korzen;
}

// "2026-03-05" as "05.03.2026"; empty when it is not a date.
QString Data(const QString &iso)
{
    static const QRegularExpression wzor(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})"));
    const QRegularExpressionMatch m = wzor.match(iso);
    if (!m.hasMatch() || KodujDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), 0) == 0)
        return QString();
    return m.captured(3) + QLatin1Char('.') + m.captured(2) + QLatin1Char('.') + m.captured(1);
}

// "1234.5" as the record writes amounts, "1234,5".
QString Liczba(const QString &s) { return QString(s).replace(QLatin1Char('.'), QLatin1Char(',')); }

}   // namespace

TodczytFa3 CzytajFa3(const QByteArray &xml, const QString &numerKsef)
{
    const std::unique_ptr<Wezel> doc = Drzewo(xml);
    const Wezel *fa = doc->Dziecko(QStringLiteral("Fa"));
    if (!fa)
        throw EMojeBledy(QStringLiteral("Faktura FA(3) bez części „Fa”."));
    TodczytFa3 w;
    TzentoraVat &f = w.Faktura;
    f.WersjaFak = 2;
    // the header says what made the file, nothing the invoice needs
    if (const Wezel *n = doc->Dziecko(QStringLiteral("Naglowek")))
        n->Uzyj();

    // kind
    const QString rodzaj = fa->Tekst(QStringLiteral("RodzajFaktury"));
    if (rodzaj == QLatin1String("KOR"))
        f.RodzajFak = rFakKoryg;
    else if (rodzaj == QLatin1String("UPR"))
        f.RodzajFak = rUprosz;
    else {
        f.RodzajFak = fa->Tekst(QStringLiteral("Adnotacje/P_16")) == QLatin1String("1") ? rZentoraMP : rZentora;
        if (rodzaj != QLatin1String("VAT"))
            w.Uwagi.append(
                QStringLiteral("Rodzaj faktury „%1” (np. zaliczkowa, rozliczeniowa) zapisano jako fakturę VAT.")
                    .arg(rodzaj));
    }
    const QString waluta = fa->Tekst(QStringLiteral("KodWaluty"));
    if (waluta != QLatin1String("PLN"))
        w.Uwagi.append(
            QStringLiteral("Faktura jest w walucie %1; kwoty przeniesiono bez przeliczenia na złote.").arg(waluta));

    // dates and number
    f.DataWystaw = Data(fa->Tekst(QStringLiteral("P_1")));
    if (f.DataWystaw.isEmpty())
        throw EMojeBledy(QStringLiteral("Faktura FA(3) bez poprawnej daty wystawienia (P_1)."));
    const QString sprzedano = Data(fa->Tekst(QStringLiteral("P_6")));
    f.DataSprzed = sprzedano.isEmpty() ? f.DataWystaw : sprzedano;
    int rok = 0, msc = 0, dz = 0;
    RozkodujDate(TekstNaDate(f.DataWystaw, 0), rok, msc, dz);
    f.RokPrzych = rok;
    f.MscPrzych = msc;
    f.DayPrzych = dz;
    const QString numer = fa->Tekst(QStringLiteral("P_2"));
    {
        // the four numberings of the program, tried against the issue date's month and year
        static const QRegularExpression wzor(QStringLiteral("^(\\d{1,9})(?:/([^/]+))?(?:/(\\d{1,2}))?/(\\d{4})$"));
        const QRegularExpressionMatch m = wzor.match(numer);
        bool ok = false;
        if (m.hasMatch()) {
            f.NumerFak = m.captured(1).toInt();
            f.SymbolFak = m.captured(2);
            const bool zMiesiacem = !m.captured(3).isEmpty();
            const bool zSymbolem = !f.SymbolFak.isEmpty();
            f.RodzajNum = zSymbolem ? (zMiesiacem ? numerNSMR : numerNSR) : (zMiesiacem ? numerNMR : numerNR);
            ok = f.DajOznaczenieFaktury() == numer;
        }
        if (!ok) {
            // e.g. "12/2026" with a symbol that is a month: tried above; anything else is kept in the remarks
            f.RodzajNum = numerNSR;
            f.SymbolFak.clear();
            f.NumerFak = 0;
            f.UwagiDodatk = QStringLiteral("Numer faktury: ") + numer;
            w.Uwagi.append(QStringLiteral("Numer faktury „%1” nie pasuje do numeracji programu; zapisano go w uwagach.")
                               .arg(numer));
        }
    }
    const QString termin = Data(fa->Tekst(QStringLiteral("Platnosc/TerminPlatnosci/Termin")));
    f.DataZaplaty = termin;

    // parties
    const Wezel *p1 = doc->Dziecko(QStringLiteral("Podmiot1"));
    if (!p1)
        throw EMojeBledy(QStringLiteral("Faktura FA(3) bez sprzedawcy (Podmiot1)."));
    QStringList ramka{p1->Tekst(QStringLiteral("DaneIdentyfikacyjne/Nazwa")),
                      p1->Tekst(QStringLiteral("Adres/AdresL1")), p1->Tekst(QStringLiteral("Adres/AdresL2"))};
    ramka.removeAll(QString());
    const QString nipSprzedawcy = p1->Tekst(QStringLiteral("DaneIdentyfikacyjne/NIP"));
    ramka.append(QStringLiteral("NIP ") + nipSprzedawcy);
    f.SprzedRamka = TekstZMemo(ramka);
    f.KsefNip = QString();
    if (p1->Tekst(QStringLiteral("Adres/KodKraju")) != QLatin1String("PL"))
        w.Uwagi.append(QStringLiteral("Adres sprzedawcy jest poza Polską (kod kraju %1).")
                           .arg(p1->Tekst(QStringLiteral("Adres/KodKraju"))));
    const Wezel *p2 = doc->Dziecko(QStringLiteral("Podmiot2"));
    if (p2) {
        f.KupNip = p2->Tekst(QStringLiteral("DaneIdentyfikacyjne/NIP"));
        p2->Tekst(QStringLiteral("DaneIdentyfikacyjne/BrakID"));
        f.KupFirma = p2->Tekst(QStringLiteral("DaneIdentyfikacyjne/Nazwa"));
        const QString l1 = p2->Tekst(QStringLiteral("Adres/AdresL1"));
        const QString l2 = p2->Tekst(QStringLiteral("Adres/AdresL2"));
        const QString kraj = p2->Tekst(QStringLiteral("Adres/KodKraju"));
        if (!kraj.isEmpty() && kraj != QLatin1String("PL"))
            w.Uwagi.append(QStringLiteral("Adres nabywcy jest poza Polską (kod kraju %1).").arg(kraj));
        static const QRegularExpression kodMiasto(QStringLiteral("^(\\d{2}-\\d{3})\\s+(.+)$"));
        const QString miasto = l2.isEmpty() ? l1 : l2;
        const QRegularExpressionMatch m = kodMiasto.match(miasto);
        if (!l2.isEmpty() || m.hasMatch())
            f.KupUlica = l2.isEmpty() ? QString() : l1;
        else
            f.KupUlica = l1;
        if (m.hasMatch()) {
            f.KupKod = m.captured(1);
            f.KupMiasto = m.captured(2);
        } else if (!l2.isEmpty()) {
            f.KupMiasto = l2;
        }
        // the flags of a local-government unit and a VAT group: "2" (no) is what the record implies
        for (const QString &n : {QStringLiteral("JST"), QStringLiteral("GV")})
            if (p2->Tekst(n) == QLatin1String("1"))
                w.Uwagi.append(QStringLiteral("Nabywca jest oznaczony jako %1; program tego nie zapisuje.").arg(n));
    }

    // rows
    const auto wiersze = fa->Dzieci(QStringLiteral("FaWiersz"));
    if (int(wiersze.size()) > kMaxPozycji)
        w.Uwagi.append(QStringLiteral("Faktura ma %1 pozycji; faktura programu mieści %2, pozostałe pominięto.")
                           .arg(wiersze.size())
                           .arg(kMaxPozycji));
    int lp = 0;
    for (const Wezel *x : wiersze) {
        if (lp == kMaxPozycji)
            break;
        ++lp;
        f.IlePozyc = lp;
        TpozFaktury &p = f.Pozycja(lp);
        x->Tekst(QStringLiteral("NrWierszaFa"));
        p.Towar = x->Tekst(QStringLiteral("P_7"));
        p.Klasyf = x->Tekst(QStringLiteral("PKWiU"));
        if (p.Klasyf.isEmpty())
            p.Klasyf = x->Tekst(QStringLiteral("CN"));
        p.Jedn = x->Tekst(QStringLiteral("P_8A"));
        p.Ilosc = Liczba(x->Tekst(QStringLiteral("P_8B")));
        p.Cena = Liczba(x->Tekst(QStringLiteral("P_9A")));
        p.Netto = Liczba(x->Tekst(QStringLiteral("P_11")));
        if (p.Netto.isEmpty() && x->Sciezka(QStringLiteral("P_11A")))
            w.Uwagi.append(
                QStringLiteral("Pozycja %1 ma tylko wartość brutto (P_11A); program liczy od netto.").arg(lp));
        const QString stawka = x->Tekst(QStringLiteral("P_12"));
        static const QStringList zwykle{QStringLiteral("23"), QStringLiteral("22"), QStringLiteral("8"),
                                        QStringLiteral("7"),  QStringLiteral("5"),  QStringLiteral("3")};
        if (zwykle.contains(stawka))
            p.PrcVat = stawka;
        else if (stawka.startsWith(QLatin1String("0")))
            p.PrcVat = QStringLiteral("0");
        else if (stawka == QLatin1String("zw"))
            p.PrcVat.clear();
        else if (stawka.isEmpty()) {
            p.PrcVat.clear();
            w.Uwagi.append(QStringLiteral("Pozycja %1 nie ma stawki VAT (P_12); zapisano ją jako zwolnioną.").arg(lp));
        } else {
            p.PrcVat.clear();
            w.Uwagi.append(
                QStringLiteral("Pozycja %1 ma stawkę „%2”, której program nie zna; zapisano ją jako zwolnioną.")
                    .arg(lp)
                    .arg(stawka));
        }
        if (stawka.startsWith(QLatin1String("0 ")) && stawka != QLatin1String("0 KR"))
            w.Uwagi.append(QStringLiteral("Pozycja %1: stawka „%2” zapisana jako 0 %.").arg(lp).arg(stawka));
    }

    // the totals are the program's own, computed from the rows; a different amount due is told
    for (const auto &d : fa->dzieci)
        if (d->nazwa.startsWith(QLatin1String("P_13_")) || d->nazwa.startsWith(QLatin1String("P_14_")))
            d->uzyty = true;
    const QString doZaplaty = fa->Tekst(QStringLiteral("P_15"));

    // annotations implied by the record, others named
    if (const Wezel *a = fa->Dziecko(QStringLiteral("Adnotacje"))) {
        a->Tekst(QStringLiteral("P_16"));
        f.MPP = a->Tekst(QStringLiteral("P_18A")) == QLatin1String("1");
        for (const QString &n : {QStringLiteral("P_17"), QStringLiteral("P_18"), QStringLiteral("P_23")})
            if (a->Tekst(n) == QLatin1String("1"))
                w.Uwagi.append(QStringLiteral("Adnotacja %1 (samofakturowanie, odwrotne obciążenie lub procedura "
                                              "trójstronna) nie jest zapisywana w fakturze programu.")
                                   .arg(n));
        a->Tekst(QStringLiteral("Zwolnienie/P_19N"));
        a->Tekst(QStringLiteral("Zwolnienie/P_19"));
        for (const QString &n : {QStringLiteral("P_19A"), QStringLiteral("P_19B"), QStringLiteral("P_19C")}) {
            const QString t = a->Tekst(QStringLiteral("Zwolnienie/") + n);
            if (!t.isEmpty())
                f.PodstawaZwolnienia = t;
        }
        a->Tekst(QStringLiteral("NoweSrodkiTransportu/P_22N"));
        a->Tekst(QStringLiteral("PMarzy/P_PMarzyN"));
    }

    // correction
    if (const Wezel *k = fa->Dziecko(QStringLiteral("DaneFaKorygowanej"))) {
        f.DataKorygowanej = Data(k->Tekst(QStringLiteral("DataWystFaKorygowanej")));
        f.DoKorekty = k->Tekst(QStringLiteral("NrFaKorygowanej"));
        f.KsefKorygowanej = k->Tekst(QStringLiteral("NrKSeFFaKorygowanej"));
        k->Tekst(QStringLiteral("NrKSeF"));
        k->Tekst(QStringLiteral("NrKSeFN"));
    }
    f.PrzyczynaKorekty = fa->Tekst(QStringLiteral("PrzyczynaKorekty"));
    fa->Tekst(QStringLiteral("TypKorekty"));

    // payment
    if (const Wezel *pl = fa->Dziecko(QStringLiteral("Platnosc"))) {
        const QString forma = pl->Tekst(QStringLiteral("FormaPlatnosci"));
        const QString opis = pl->Tekst(QStringLiteral("OpisPlatnosci"));
        pl->Tekst(QStringLiteral("PlatnoscInna"));
        if (forma == QLatin1String("1"))
            f.RodzZaplaty = zGotowka;
        else if (forma == QLatin1String("2"))
            f.RodzZaplaty = zKarta;
        else if (forma == QLatin1String("6") || forma.isEmpty()) {
            f.RodzZaplaty = opis == NazwyZaplat[zZaliczPocz] ? zZaliczPocz : zPrzelew;
            if (forma.isEmpty() && !opis.isEmpty() && f.RodzZaplaty != zZaliczPocz)
                w.Uwagi.append(QStringLiteral("Forma płatności „%1” zapisana jako przelew.").arg(opis));
        } else {
            f.RodzZaplaty = zPrzelew;
            w.Uwagi.append(
                QStringLiteral("Forma płatności %1 (bon, czek, kredyt lub mobilna) zapisana jako przelew.").arg(forma));
        }
        const auto rachunki = pl->Dzieci(QStringLiteral("RachunekBankowy"));
        if (!rachunki.empty()) {
            f.SprzedKonto = rachunki.front()->Tekst(QStringLiteral("NrRB"));
            f.SprzedBank = rachunki.front()->Tekst(QStringLiteral("NazwaBanku"));
            if (rachunki.size() > 1)
                w.Uwagi.append(QStringLiteral("Faktura podaje %1 rachunki; zapisano pierwszy.").arg(rachunki.size()));
        }
        if (pl->Dzieci(QStringLiteral("TerminPlatnosci")).size() > 1)
            w.Uwagi.append(QStringLiteral("Faktura ma kilka terminów płatności; zapisano pierwszy."));
        // paid in cash: the day of payment stands where a term would
        const QString zaplacono = Data(pl->Tekst(QStringLiteral("DataZaplaty")));
        if (pl->Tekst(QStringLiteral("Zaplacono")) == QLatin1String("1") && f.DataZaplaty.isEmpty())
            f.DataZaplaty = zaplacono;
    }

    // the footer holds the remarks
    const QString stopka = doc->Sciezka(QStringLiteral("Stopka/Informacje/StopkaFaktury"))
                               ? doc->Tekst(QStringLiteral("Stopka/Informacje/StopkaFaktury"))
                               : QString();
    if (!stopka.isEmpty())
        f.UwagiDodatk = f.UwagiDodatk.isEmpty() ? stopka : f.UwagiDodatk + QLatin1Char(' ') + stopka;

    if (!numerKsef.isEmpty()) {
        const QString blad = BladNumeruKsef(numerKsef, nipSprzedawcy);
        if (blad.isEmpty())
            f.KsefNumer = numerKsef;
        else
            w.Uwagi.append(blad);
    }

    // the rows valued and the totals taken exactly as saving does
    const QString policzone = PrzeliczRekord(f);
    if (!doZaplaty.isEmpty() && std::abs(TekstNaFloat(policzone, 0) - doZaplaty.toDouble()) > 0.005)
        w.Uwagi.append(QStringLiteral("Kwota należności w pliku (%1) różni się od policzonej z pozycji (%2).")
                           .arg(Liczba(doZaplaty), policzone.isEmpty() ? QStringLiteral("brak") : policzone));

    // A numbered invoice is this very XML in KSeF: its hash and seller make the printout's
    // verification code, as for an invoice exported here.
    if (Niepusty(f.KsefNumer)) {
        TeksportKsef e;
        e.Xml = xml;
        e.Nip = nipSprzedawcy;
        e.Wytworzono = doc->Tekst(QStringLiteral("Naglowek/DataWytworzeniaFa"));
        const QString nadany = f.KsefNumer;
        ZapamietajEksport(f, e);
        f.KsefNumer = nadany;
    }

    QStringList pominiete;
    doc->Nieuzyte(QString(), pominiete);
    if (!pominiete.isEmpty())
        w.Uwagi.append(QStringLiteral("Pominięto dane, których faktura programu nie przechowuje: %1.")
                           .arg(pominiete.join(QStringLiteral(", "))));
    return w;
}
