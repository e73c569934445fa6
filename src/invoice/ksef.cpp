#include "ksef.h"

#include "ksefsrodowisko.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"
#include "dokument.h"
#include "konfiguracja.h"
#include "plikfaktury.h"

#include <QCryptographicHash>

#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

const QString kPrzestrzen = QStringLiteral("http://crd.gov.pl/wzor/2025/06/25/13775/");

// Ranges of the schema's date types: invoice dates, and the dates of payment.
const double kOdDatyFaktury = KodujDate(2006, 1, 1, 0);
const double kOdDatyPlatnosci = KodujDate(2016, 7, 1, 0);
const double kDoDaty = KodujDate(2050, 1, 1, 0);

[[noreturn]] void Odmowa(const QString &tekst) { throw EOdmowaKsef(tekst); }

// Text as the schema's token types take it: no control characters, single spaces.
QString Znaki(const QString &s)
{
    QString t = s;
    for (QChar &c : t)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return t.simplified();
}

QString Pole(const QString &nazwa, const QString &wartosc, int max)
{
    QString t = Znaki(wartosc);
    if (t.size() > max)
        Odmowa(QStringLiteral("Tekst pola „%1” jest za długi dla KSeF: %2 znaków, dopuszczalne %3.")
                   .arg(nazwa)
                   .arg(t.size())
                   .arg(max));
    return t;
}

double Liczba(const QString &nazwa, const QString &tekst)
{
    const double x = TekstNaFloat(tekst, qQNaN());
    if (!std::isfinite(x))
        Odmowa(QStringLiteral("Nieczytelna liczba „%1” w polu „%2”.").arg(Trim(tekst), nazwa));
    return x == 0 ? 0.0 : x;   // no "-0.00"
}

// A decimal with "." and exactly two decimals (money).
QString Kwota(const QString &nazwa, const QString &tekst)
{
    return FormatStaly(Liczba(nazwa, tekst), 2, false).replace(QLatin1Char(','), QLatin1Char('.'));
}

// A decimal with "." and at most `miejsca` decimals, trailing zeros left out down to `najmniej`.
QString Dziesietna(const QString &nazwa, const QString &tekst, int miejsca, int najmniej)
{
    QString s = FormatStaly(Liczba(nazwa, tekst), miejsca, false).replace(QLatin1Char(','), QLatin1Char('.'));
    const int kropka = s.indexOf(QLatin1Char('.'));
    if (kropka >= 0) {
        while (s.size() - kropka - 1 > najmniej && s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

bool MaKwoty(const TrekordVat &s)
{
    return TekstNaFloat(s.Netto, 0) != 0 || TekstNaFloat(s.WarVat, 0) != 0 || TekstNaFloat(s.Brutto, 0) != 0;
}

bool DataPusta(const QString &s) { return Pusty(ZamienZnak(s, QLatin1Char('.'), QChar())); }

// A date of the record as YYYY-MM-DD, refused when unreadable or outside the schema's range.
QString Data(const QString &nazwa, const QString &tekst, double od)
{
    const double d = TekstNaDate(tekst, 0);
    if (d == 0)
        Odmowa(QStringLiteral("Wpisz poprawną datę w polu „%1” (jest „%2”).").arg(nazwa, Trim(tekst)));
    if (d < od || d > kDoDaty)
        Odmowa(QStringLiteral("%1 %2 jest poza zakresem dat przyjmowanym przez KSeF (%3 – %4).")
                   .arg(nazwa, Trim(tekst), DataNaTekst(QString(), od), DataNaTekst(QString(), kDoDaty)));
    int r = 0, m = 0, dz = 0;
    RozkodujDate(d, r, m, dz);
    return QString::asprintf("%04d-%02d-%02d", r, m, dz);
}

// The NIP pattern of the schema: ten digits, the first not 0, the second and third not both 0.
bool WzorNip(const QString &c)
{
    static const QRegularExpression wzor(QStringLiteral("^[1-9]((\\d[1-9])|([1-9]\\d))\\d{7}$"));
    return wzor.match(c).hasMatch();
}

QString StawkaWiersza(const QString &prc)
{
    QString t = Trim(prc);
    if (t.isEmpty())
        return QStringLiteral("zw");
    if (t == QLatin1String("0"))
        return QStringLiteral("0 KR");
    return t;
}

void Element(QXmlStreamWriter &w, const QString &nazwa, const QString &tekst) { w.writeTextElement(nazwa, tekst); }

}   // namespace

QString CyfryTekstu(const QString &s)
{
    QString c;
    for (QChar z : s)
        if (z >= QLatin1Char('0') && z <= QLatin1Char('9'))
            c += z;
    return c;
}

bool NipPoprawny(const QString &cyfry)
{
    static const int wagi[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    if (cyfry.size() != 10 || CyfryTekstu(cyfry) != cyfry)
        return false;
    int suma = 0;
    for (int i = 0; i < 9; ++i)
        suma += wagi[i] * cyfry.at(i).digitValue();
    const int k = suma % 11;
    return k != 10 && k == cyfry.at(9).digitValue();
}

quint8 Crc8Ksef(const QByteArray &dane)
{
    quint8 crc = 0;
    for (char b : dane) {
        crc ^= quint8(b);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x07) : quint8(crc << 1);
    }
    return crc;
}

QString BladNumeruKsef(const QString &numer, const QString &nipSprzedawcy)
{
    static const QRegularExpression wzor(
        QStringLiteral("^(\\d{10})-(\\d{4})(\\d{2})(\\d{2})-[0-9A-F]{12}-([0-9A-F]{2})$"));
    const QString n = Trim(numer);
    const QRegularExpressionMatch m = wzor.match(n);
    if (n.size() != 35 || !m.hasMatch())
        return QStringLiteral("Numer KSeF „%1” ma niepoprawną postać.|Oczekiwano 35 znaków: NIP-RRRRMMDD-"
                              "12 znaków szesnastkowych-2 znaki kontrolne,|np. 5265877635-20250826-0100001AF629-AF.")
            .arg(n);
    if (!WzorNip(m.captured(1)))
        return QStringLiteral("Numer KSeF „%1” nie zaczyna się od poprawnego NIP.").arg(n);
    // KSeF numbers exist from 2020 on
    if (m.captured(2).toInt() < 2020
        || KodujDate(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), 0) == 0)
        return QStringLiteral("Numer KSeF „%1” zawiera niepoprawną datę.").arg(n);
    const QString suma = QStringLiteral("%1").arg(Crc8Ksef(n.left(32).toLatin1()), 2, 16, QLatin1Char('0')).toUpper();
    if (suma != m.captured(5))
        return QStringLiteral("Numer KSeF „%1” ma błędną sumę kontrolną (powinna być %2).|Sprawdź, czy numer "
                              "przepisano bez pomyłki.")
            .arg(n, suma);
    if (!nipSprzedawcy.isEmpty() && m.captured(1) != nipSprzedawcy)
        return QStringLiteral("Numer KSeF „%1” należy do NIP %2, a NIP sprzedawcy to %3.")
            .arg(n, m.captured(1), nipSprzedawcy);
    return QString();
}

TsprzedawcaKsef SprzedawcaKsef(const TzentoraVat &f, const TiniZentora &ini)
{
    QStringList linie;
    for (const QString &l : MemoZTekstu(f.SprzedRamka))
        if (Niepusty(l))
            linie.append(Znaki(l));
    QString nipRamki;
    for (int i = 0; i < linie.size(); ++i)
        if (linie.at(i).contains(QLatin1String("NIP"), Qt::CaseInsensitive)) {
            nipRamki = CyfryTekstu(linie.takeAt(i));
            break;
        }
    TsprzedawcaKsef s;
    s.Nip = Niepusty(ini.iniKsefNip) ? CyfryTekstu(ini.iniKsefNip) : nipRamki;
    s.Nazwa = Niepusty(ini.iniKsefNazwa) ? Znaki(ini.iniKsefNazwa) : linie.value(0);
    s.AdresL1 = Niepusty(ini.iniKsefAdresL1) ? Znaki(ini.iniKsefAdresL1) : linie.value(1);
    s.AdresL2 = Niepusty(ini.iniKsefAdresL2) ? Znaki(ini.iniKsefAdresL2) : linie.mid(2).join(QStringLiteral(", "));
    return s;
}

QString NipObcegoSprzedawcy(const TzentoraVat &f, const TiniZentora &ini)
{
    if (Pusty(f.KsefNumer) || Pusty(f.KsefNip))
        return {};
    TzentoraVat wlasna;
    wlasna.SprzedRamka = ini.iniTabFirm;
    const QString nasz = SprzedawcaKsef(wlasna, ini).Nip;
    const QString jego = CyfryTekstu(f.KsefNip);
    return nasz.isEmpty() || jego == nasz ? QString() : jego;
}

bool RodzajDoKsef(TrodzajFaktury r) { return r != rZwykly && r != rProForma; }

TeksportKsef EksportujKsef(const TzentoraVat &f, const TiniZentora &ini, const TopcjeKsef &opcje)
{
    TeksportKsef wynik;
    if (FakturaOstateczna(f))
        Odmowa(QStringLiteral("Faktura %1 ma już numer KSeF %2.|Nie eksportuje się jej ponownie; zmianę wprowadza "
                              "faktura korygująca (Plik → Wystaw korektę…).")
                   .arg(f.DajOznaczenieFaktury(), Trim(f.KsefNumer)));
    if (!RodzajDoKsef(f.RodzajFak))
        Odmowa(QStringLiteral("Dokument „%1” nie jest fakturą VAT i nie trafia do KSeF.|Eksportować można fakturę VAT, "
                              "fakturę korygującą, fakturę VAT - MP i rachunek uproszczony.")
                   .arg(NazwyFaktur[f.RodzajFak]));

    const QString niekompletna = OdmowaKorekty(f);
    if (!niekompletna.isEmpty())
        Odmowa(niekompletna.mid(1));

    const TsprzedawcaKsef sp = SprzedawcaKsef(f, ini);
    if (sp.Nip.isEmpty())
        Odmowa(QStringLiteral("Brak NIP sprzedawcy.|Wpisz go na stronie „KSeF” parametrów albo w ramce sprzedawcy "
                              "(w wierszu ze słowem „NIP”)."));
    if (!WzorNip(sp.Nip))
        Odmowa(QStringLiteral("NIP sprzedawcy „%1” nie jest 10-cyfrowym numerem NIP.|Popraw go na stronie „KSeF” "
                              "parametrów albo w ramce sprzedawcy.")
                   .arg(sp.Nip));
    if (!NipPoprawny(sp.Nip))
        wynik.Ostrzezenia.append(QStringLiteral("NIP sprzedawcy %1 ma błędną cyfrę kontrolną.").arg(sp.Nip));
    if (sp.Nazwa.isEmpty())
        Odmowa(QStringLiteral(
            "Brak nazwy sprzedawcy.|Wpisz ją na stronie „KSeF” parametrów albo w pierwszym wierszu ramki."));
    if (sp.AdresL1.isEmpty())
        Odmowa(
            QStringLiteral("Brak adresu sprzedawcy.|Wpisz go na stronie „KSeF” parametrów albo w ramce sprzedawcy."));

    QString nipNabywcy;
    if (Niepusty(f.KupNip)) {
        nipNabywcy = CyfryTekstu(f.KupNip);
        if (!WzorNip(nipNabywcy))
            Odmowa(QStringLiteral("NIP nabywcy „%1” nie jest 10-cyfrowym numerem NIP.|Popraw go albo usuń, "
                                  "jeśli nabywca nie ma NIP.")
                       .arg(Trim(f.KupNip)));
        if (!NipPoprawny(nipNabywcy))
            wynik.Ostrzezenia.append(QStringLiteral("NIP nabywcy %1 ma błędną cyfrę kontrolną.").arg(nipNabywcy));
    }

    const QString dataWystawienia = Data(QStringLiteral("Data wystawienia"), f.DataWystaw, kOdDatyFaktury);
    QString dataSprzedazy;
    if (!DataPusta(f.DataSprzed)) {
        dataSprzedazy = Data(QStringLiteral("Data sprzedaży"), f.DataSprzed, kOdDatyFaktury);
        if (dataSprzedazy == dataWystawienia)
            dataSprzedazy.clear();
    }
    // What the paper says "ZAPŁACONO GOTÓWKĄ" goes as paid on its due day (the issue day
    // when that is not given), not as owed.
    const bool zaplacono = f.RodzZaplaty == zGotowka && !f.Ratalnie && !KorektaUjemna(f);
    QString terminZaplaty, dataZaplaty;
    if (zaplacono)
        dataZaplaty = Data(QStringLiteral("Data zapłaty"), DataPusta(f.DataZaplaty) ? f.DataWystaw : f.DataZaplaty,
                           kOdDatyPlatnosci);
    else if (!DataPusta(f.DataZaplaty))
        terminZaplaty = Data(QStringLiteral("Termin zapłaty"), f.DataZaplaty, kOdDatyPlatnosci);

    // description lines carry no amounts and are no rows of the document
    QList<int> wiersze;
    for (int i = 1; i <= qMin(f.IlePozyc, kMaxPozycji); ++i)
        if (!f.Pozycja(i).PozJestPusta() && !WierszOpisowy(f.Pozycja(i)))
            wiersze.append(i);
    if (wiersze.isEmpty())
        Odmowa(QStringLiteral("Faktura nie ma żadnej pozycji."));
    const bool zwolniony = MaWierszZwolniony(f);
    const QString podstawa = Pole(QStringLiteral("Podstawa zwolnienia"), PodstawaZwolnieniaFaktury(f, ini), 256);
    if (zwolniony && podstawa.isEmpty())
        Odmowa(QStringLiteral("Faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia.|Wpisz ją w "
                              "fakturze albo na stronie „KSeF” parametrów, np. „art. 113 ust. 1 ustawy o VAT”."));

    QString dataKorygowanej, numerKorygowanej, przyczyna;
    if (f.RodzajFak == rFakKoryg) {
        dataKorygowanej =
            Data(QStringLiteral("Data wystawienia faktury korygowanej"), f.DataKorygowanej, kOdDatyFaktury);
        numerKorygowanej = Trim(f.KsefKorygowanej);
        if (!numerKorygowanej.isEmpty()) {
            const QString blad = BladNumeruKsef(numerKorygowanej, sp.Nip);
            if (!blad.isEmpty())
                Odmowa(QStringLiteral("Numer KSeF faktury korygowanej: ") + blad);
        }
        przyczyna = Pole(QStringLiteral("Przyczyna korekty"), f.PrzyczynaKorekty, 256);
    }
    // A simplified invoice is one only up to 450 zł with the buyer's NIP; otherwise the
    // document goes as an ordinary VAT invoice with all its data.
    const bool uproszczona =
        f.RodzajFak == rUprosz && !nipNabywcy.isEmpty() && TekstNaFloat(f.SumyFaktury[vatSum].Brutto, 0) <= 450.0;

    QString konto;
    if (f.RodzZaplaty == zPrzelew) {
        konto = CyfryTekstu(f.SprzedKonto);
        if (!konto.isEmpty() && (konto.size() < 10 || konto.size() > 34))
            Odmowa(QStringLiteral("Numer rachunku „%1” ma %2 cyfr; KSeF przyjmuje od 10 do 34.")
                       .arg(Trim(f.SprzedKonto))
                       .arg(konto.size()));
    }

    QDateTime teraz = opcje.Wytworzono.isValid() ? opcje.Wytworzono.toUTC() : QDateTime::currentDateTimeUtc();
    teraz.setTime(QTime(teraz.time().hour(), teraz.time().minute(), teraz.time().second()));
    wynik.Wytworzono = teraz.toString(Qt::ISODate);
    wynik.Nip = sp.Nip;

    QXmlStreamWriter w(&wynik.Xml);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeDefaultNamespace(kPrzestrzen);
    w.writeStartElement(kPrzestrzen, QStringLiteral("Faktura"));

    w.writeStartElement(QStringLiteral("Naglowek"));
    w.writeStartElement(QStringLiteral("KodFormularza"));
    w.writeAttribute(QStringLiteral("kodSystemowy"), QStringLiteral("FA (3)"));
    w.writeAttribute(QStringLiteral("wersjaSchemy"), QStringLiteral("1-0E"));
    w.writeCharacters(QStringLiteral("FA"));
    w.writeEndElement();
    Element(w, QStringLiteral("WariantFormularza"), QStringLiteral("3"));
    Element(w, QStringLiteral("DataWytworzeniaFa"), wynik.Wytworzono);
    Element(w, QStringLiteral("SystemInfo"), QStringLiteral("Zentora"));
    w.writeEndElement();

    auto adres = [&](const QString &l1, const QString &l2, const QString &kto) {
        w.writeStartElement(QStringLiteral("Adres"));
        Element(w, QStringLiteral("KodKraju"), QStringLiteral("PL"));
        Element(w, QStringLiteral("AdresL1"), Pole(QStringLiteral("Adres ") + kto, l1, 512));
        if (!l2.isEmpty())
            Element(w, QStringLiteral("AdresL2"), Pole(QStringLiteral("Adres ") + kto, l2, 512));
        w.writeEndElement();
    };

    w.writeStartElement(QStringLiteral("Podmiot1"));
    w.writeStartElement(QStringLiteral("DaneIdentyfikacyjne"));
    Element(w, QStringLiteral("NIP"), sp.Nip);
    Element(w, QStringLiteral("Nazwa"), Pole(QStringLiteral("Nazwa sprzedawcy"), sp.Nazwa, 512));
    w.writeEndElement();
    adres(sp.AdresL1, sp.AdresL2, QStringLiteral("sprzedawcy"));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Podmiot2"));
    w.writeStartElement(QStringLiteral("DaneIdentyfikacyjne"));
    if (nipNabywcy.isEmpty())
        Element(w, QStringLiteral("BrakID"), QStringLiteral("1"));
    else
        Element(w, QStringLiteral("NIP"), nipNabywcy);
    const QString nabywca = Pole(QStringLiteral("Firma kupującego"), f.KupFirma, 512);
    if (!nabywca.isEmpty())
        Element(w, QStringLiteral("Nazwa"), nabywca);
    w.writeEndElement();
    {
        const QString ulica = Znaki(f.KupUlica);
        const QString kod = Znaki(f.KupKod) == QLatin1String("-") ? QString() : Znaki(f.KupKod);
        const QString miasto = Znaki(kod + QLatin1Char(' ') + Znaki(f.KupMiasto));
        if (!ulica.isEmpty())
            adres(ulica, miasto, QStringLiteral("nabywcy"));
        else if (!miasto.isEmpty())
            adres(miasto, QString(), QStringLiteral("nabywcy"));
    }
    Element(w, QStringLiteral("JST"), QStringLiteral("2"));
    Element(w, QStringLiteral("GV"), QStringLiteral("2"));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Fa"));
    Element(w, QStringLiteral("KodWaluty"), QStringLiteral("PLN"));
    Element(w, QStringLiteral("P_1"), dataWystawienia);
    Element(w, QStringLiteral("P_2"), Pole(QStringLiteral("Numer faktury"), f.DajOznaczenieFaktury(), 256));
    if (!dataSprzedazy.isEmpty())
        Element(w, QStringLiteral("P_6"), dataSprzedazy);
    const struct {
        TrodzajVat r;
        const char *netto, *vat;
    } stawki[] = {{vat22, "P_13_1", "P_14_1"},
                  {vat7, "P_13_2", "P_14_2"},
                  {vatA, "P_13_3", "P_14_3"},
                  {vat0, "P_13_6_1", nullptr},
                  {vatZw, "P_13_7", nullptr}};
    for (const auto &s : stawki) {
        const TrekordVat &suma = f.SumyFaktury[s.r];
        if (!MaKwoty(suma))
            continue;
        Element(w, QLatin1String(s.netto), Kwota(QStringLiteral("Netto ") + KluczeSum[s.r], suma.Netto));
        if (s.vat)
            Element(w, QLatin1String(s.vat), Kwota(QStringLiteral("VAT ") + KluczeSum[s.r], suma.WarVat));
    }
    Element(w, QStringLiteral("P_15"), Kwota(QStringLiteral("Do zapłaty"), f.SumyFaktury[vatSum].Brutto));

    w.writeStartElement(QStringLiteral("Adnotacje"));
    Element(w, QStringLiteral("P_16"), f.RodzajFak == rZentoraMP ? QStringLiteral("1") : QStringLiteral("2"));
    Element(w, QStringLiteral("P_17"), QStringLiteral("2"));
    Element(w, QStringLiteral("P_18"), QStringLiteral("2"));
    Element(w, QStringLiteral("P_18A"), f.MPP ? QStringLiteral("1") : QStringLiteral("2"));
    w.writeStartElement(QStringLiteral("Zwolnienie"));
    if (zwolniony) {
        Element(w, QStringLiteral("P_19"), QStringLiteral("1"));
        Element(w, QStringLiteral("P_19A"), podstawa);
    } else {
        Element(w, QStringLiteral("P_19N"), QStringLiteral("1"));
    }
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("NoweSrodkiTransportu"));
    Element(w, QStringLiteral("P_22N"), QStringLiteral("1"));
    w.writeEndElement();
    Element(w, QStringLiteral("P_23"), QStringLiteral("2"));
    w.writeStartElement(QStringLiteral("PMarzy"));
    Element(w, QStringLiteral("P_PMarzyN"), QStringLiteral("1"));
    w.writeEndElement();
    w.writeEndElement();

    Element(w, QStringLiteral("RodzajFaktury"),
            f.RodzajFak == rFakKoryg ? QStringLiteral("KOR")
            : uproszczona            ? QStringLiteral("UPR")
                                     : QStringLiteral("VAT"));
    if (f.RodzajFak == rFakKoryg) {
        Element(w, QStringLiteral("PrzyczynaKorekty"), przyczyna);
        w.writeStartElement(QStringLiteral("DaneFaKorygowanej"));
        Element(w, QStringLiteral("DataWystFaKorygowanej"), dataKorygowanej);
        Element(w, QStringLiteral("NrFaKorygowanej"), Pole(QStringLiteral("do faktury"), f.DoKorekty, 256));
        if (numerKorygowanej.isEmpty()) {
            Element(w, QStringLiteral("NrKSeFN"), QStringLiteral("1"));
        } else {
            Element(w, QStringLiteral("NrKSeF"), QStringLiteral("1"));
            Element(w, QStringLiteral("NrKSeFFaKorygowanej"), numerKorygowanej);
        }
        w.writeEndElement();
    }

    for (int n = 0; n < wiersze.size(); ++n) {
        const TpozFaktury &p = f.Pozycja(wiersze.at(n));
        const QString lp = QStringLiteral(" (pozycja %1)").arg(wiersze.at(n));
        w.writeStartElement(QStringLiteral("FaWiersz"));
        Element(w, QStringLiteral("NrWierszaFa"), QString::number(n + 1));
        const QString towar = Pole(QStringLiteral("Nazwa towaru / usługi") + lp, p.Towar, 512);
        if (!towar.isEmpty())
            Element(w, QStringLiteral("P_7"), towar);
        const QString klasyf = Pole(QStringLiteral("Klasyfik.") + lp, p.Klasyf, 50);
        if (!klasyf.isEmpty())
            Element(w, QStringLiteral("PKWiU"), klasyf);
        const QString jedn = Pole(QStringLiteral("Jedn.") + lp, p.Jedn, 256);
        if (!jedn.isEmpty())
            Element(w, QStringLiteral("P_8A"), jedn);
        if (Niepusty(p.Ilosc))
            Element(w, QStringLiteral("P_8B"), Dziesietna(QStringLiteral("Ilość") + lp, p.Ilosc, 6, 0));
        if (Niepusty(p.Cena))
            Element(w, QStringLiteral("P_9A"), Dziesietna(QStringLiteral("Cena") + lp, p.Cena, 8, 2));
        Element(w, QStringLiteral("P_11"), Kwota(QStringLiteral("Netto") + lp, p.Netto));
        Element(w, QStringLiteral("P_12"), StawkaWiersza(p.PrcVat));
        w.writeEndElement();
    }

    w.writeStartElement(QStringLiteral("Platnosc"));
    if (zaplacono) {
        Element(w, QStringLiteral("Zaplacono"), QStringLiteral("1"));
        Element(w, QStringLiteral("DataZaplaty"), dataZaplaty);
    }
    if (!terminZaplaty.isEmpty()) {
        w.writeStartElement(QStringLiteral("TerminPlatnosci"));
        Element(w, QStringLiteral("Termin"), terminZaplaty);
        w.writeEndElement();
    }
    switch (f.RodzZaplaty) {
    case zGotowka: Element(w, QStringLiteral("FormaPlatnosci"), QStringLiteral("1")); break;
    case zKarta: Element(w, QStringLiteral("FormaPlatnosci"), QStringLiteral("2")); break;
    case zPrzelew: Element(w, QStringLiteral("FormaPlatnosci"), QStringLiteral("6")); break;
    case zZaliczPocz:
        Element(w, QStringLiteral("PlatnoscInna"), QStringLiteral("1"));
        Element(w, QStringLiteral("OpisPlatnosci"), NazwyZaplat[zZaliczPocz]);
        break;
    }
    if (!konto.isEmpty()) {
        w.writeStartElement(QStringLiteral("RachunekBankowy"));
        Element(w, QStringLiteral("NrRB"), konto);
        const QString bank = Pole(QStringLiteral("Bank"), f.SprzedBank, 256);
        if (!bank.isEmpty())
            Element(w, QStringLiteral("NazwaBanku"), bank);
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();   // Fa

    // The remarks are printed under the invoice; in KSeF they belong to the footer.
    const QString uwagi = Pole(QStringLiteral("Uwagi"), f.UwagiDodatk, 3500);
    if (!uwagi.isEmpty()) {
        w.writeStartElement(QStringLiteral("Stopka"));
        w.writeStartElement(QStringLiteral("Informacje"));
        Element(w, QStringLiteral("StopkaFaktury"), uwagi);
        w.writeEndElement();
        w.writeEndElement();
    }

    w.writeEndElement();   // Faktura
    w.writeEndDocument();
    wynik.Xml += '\n';
    return wynik;
}

void ZapiszPlikKsef(const QString &plik, const QByteArray &xml)
{
    QSaveFile p(plik);
    if (!p.open(QIODevice::WriteOnly) || p.write(xml) != xml.size() || !p.commit())
        throw EMojeBledy(
            QStringLiteral("Nie można zapisać pliku \"%1\".|%2").arg(plik, BladSystemu(p.errorString(), true)));
}

QString SkrotKsef(const QByteArray &dane)
{
    return QString::fromLatin1(QCryptographicHash::hash(dane, QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString OdciskFaktury(const TzentoraVat &f)
{
    TzentoraVat bez = f;
    bez.KsefSkrot.clear();
    bez.KsefWytworzono.clear();
    bez.KsefOdcisk.clear();
    bez.KsefNumer.clear();
    bez.KsefNip.clear();
    bez.KsefStatus.clear();
    return SkrotKsef(TekstFaktury(bez).toUtf8());
}

namespace {
QString NipEksportu(const TzentoraVat &f, const TiniZentora &ini)
{
    return Niepusty(f.KsefNip) ? Trim(f.KsefNip) : SprzedawcaKsef(f, ini).Nip;
}
}   // namespace

void ZapamietajEksport(TzentoraVat &f, const TeksportKsef &e)
{
    f.KsefSkrot = SkrotKsef(e.Xml);
    f.KsefWytworzono = e.Wytworzono;
    f.KsefOdcisk = OdciskFaktury(f);
    f.KsefNumer.clear();
    f.KsefNip = e.Nip;
}

bool EksportAktualny(const TzentoraVat &f) { return Niepusty(f.KsefSkrot) && f.KsefOdcisk == OdciskFaktury(f); }

void UstawNumerKsef(TzentoraVat &f, const TiniZentora &ini, const QString &numer)
{
    if (Pusty(f.KsefSkrot))
        Odmowa(QStringLiteral(
            "Faktury nie eksportowano do KSeF.|Numer KSeF można wpisać po eksporcie i wysłaniu faktury."));
    const QString blad = BladNumeruKsef(numer, NipEksportu(f, ini));
    if (!blad.isEmpty())
        Odmowa(blad);
    f.KsefNumer = Trim(numer);
}

QString LinkWeryfikacjiKsef(const TzentoraVat &f, const TiniZentora &ini)
{
    int r = 0, m = 0, d = 0;
    RozkodujDate(TekstNaDate(f.DataWystaw, 0), r, m, d);
    return QStringLiteral("https://%1/invoice/%2/%3/%4")
        .arg(HostQrKsef(ini), NipEksportu(f, ini), QString::asprintf("%02d-%02d-%04d", d, m, r), f.KsefSkrot);
}

QString StanKsef(const TzentoraVat &f)
{
    // a received invoice has its number without an export of ours
    if (Niepusty(f.KsefNumer))
        return QStringLiteral("KSeF ") + f.KsefNumer;
    if (Pusty(f.KsefSkrot))
        return QStringLiteral("KSeF: nie eksportowano");
    return QStringLiteral("KSeF: eksportowano, bez numeru");
}
