#include "listawyboru.h"

#include "polozenie.h"

#include "common/teksty.h"

#include <algorithm>

TczcionkaListy CzcionkaListy(int kod, bool jestConsolas, bool jestLucidaConsole)
{
    const TczcionkaListy consolas10{QStringLiteral("Consolas"), 10, 19};
    const TczcionkaListy consolas9{QStringLiteral("Consolas"), 9, 18};
    const TczcionkaListy lucida{QStringLiteral("Lucida Console"), 9, 17};
    const TczcionkaListy courier{QStringLiteral("Courier New"), 10, 20};
    switch (kod % 100) {
    case 8: return {QStringLiteral("Tahoma"), 8, 17};
    case 10: return {QStringLiteral("Arial"), 10, 20};
    case 25: return jestConsolas ? consolas10 : jestLucidaConsole ? lucida : courier;
    case 26: return jestConsolas ? consolas9 : jestLucidaConsole ? lucida : courier;
    case 27: return jestLucidaConsole ? lucida : jestConsolas ? consolas9 : courier;
    default: return {QStringLiteral("Arial"), 9, 19};
    }
}

TKolor KolorKomentarzaListy(int kod)
{
    if (kod < 100)
        return RGB(250, 243, 210);
    if (kod < 200)
        return KolorStylu(39);
    return RGB(246, 241, 211);
}

TrozmiarListy RozmiarListy(int Lkodu, int Lopis, int wysWiersza, int liczbaWierszy, int wiersze, int szerokosc,
                           int szerPola, int dpi)
{
    auto sk = [dpi](int n) { return SkalujDoDpi(n, dpi); };
    TrozmiarListy r;
    Lkodu = std::max(Lkodu, 0) + sk(10);
    Lopis = std::max(Lopis, 0) + sk(10);
    liczbaWierszy = std::max(liczbaWierszy, 2);

    int n = std::max(std::abs(wiersze), 2);
    if (wiersze >= 0)
        n = std::min(n, liczbaWierszy);
    r.widoczne = n;
    r.wysokosc = sk(12) + n * wysWiersza;
    r.pasek = n < liczbaWierszy;
    r.margines = sk(r.pasek ? 35 : 15);

    int minimum = sk(100);
    if (szerPola > 0)
        minimum = std::min(minimum, szerPola);
    const int maksimum = sk(500);
    if (szerokosc > 0)
        r.szerokosc = sk(szerokosc);
    else
        r.szerokosc = std::clamp(Lkodu + Lopis + r.margines, minimum, maksimum);

    r.szerKodu = Lkodu;
    // A narrow window (a given width, or one clamped to the maximum) leaves the
    // description what is left, never a negative width.
    r.szerOpisu = std::max(0, r.szerokosc - Lkodu - r.margines);
    return r;
}

bool TlistaWyboru::SaLinie(const QString &linie) { return Niepusty(linie); }

void TlistaWyboru::WypelnijListe(const QString &linie, int lenKodu)
{
    m_lenKodu = std::max(lenKodu, 0);
    m_kody.clear();
    m_opisy.clear();

    QString t = linie;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList wiersze = t.split(QLatin1Char('\n'));
    if (wiersze.size() > 1 && wiersze.last().isEmpty())
        wiersze.removeLast();   // the line break that ends the last line

    for (QString w : std::as_const(wiersze)) {
        // Tabs and other control characters would show as boxes in a cell.
        for (QChar &c : w)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = QLatin1Char(' ');
        if (m_lenKodu > 0) {
            m_kody.append(TrimPrawy(w.left(m_lenKodu)));
            m_opisy.append(Trim(w.mid(m_lenKodu)));
        } else {
            m_kody.append(Trim(w));
            m_opisy.append(QString());
        }
    }
    while (m_kody.size() < 2) {
        m_kody.append(QString());
        m_opisy.append(QString());
    }
    m_wybrany = 0;
    m_gorny = 0;
}

bool TlistaWyboru::JestKomentarzem(int wiersz) const
{
    return JestKod() && wiersz > 0 && wiersz < LiczbaWierszy() && Pusty(m_kody.at(wiersz));
}

bool TlistaWyboru::JestDodajNowa(int wiersz) const
{
    return m_kody.value(wiersz) == kDodajNowaPozycje || m_opisy.value(wiersz) == kDodajNowaPozycje;
}

void TlistaWyboru::Najszersze(const std::function<int(const QString &)> &miara, int &Lkodu, int &Lopis) const
{
    Lkodu = Lopis = 0;
    for (int i = 0; i < LiczbaWierszy(); ++i) {
        if (Niepusty(m_kody.at(i)))
            Lkodu = std::max(Lkodu, miara(m_kody.at(i)));
        if (Niepusty(m_opisy.at(i)))
            Lopis = std::max(Lopis, miara(m_opisy.at(i)));
    }
}

void TlistaWyboru::UstawWybrany(int wiersz) { m_wybrany = Ogranicz(wiersz, 0, LiczbaWierszy() - 1); }

void TlistaWyboru::UstawGornyWiersz(int wiersz)
{
    m_gorny = Ogranicz(wiersz, 0, std::max(0, LiczbaWierszy() - m_widoczne));
}

void TlistaWyboru::UstawWidoczne(int n)
{
    m_widoczne = std::max(n, 1);
    UstawGornyWiersz(m_gorny);
}

void TlistaWyboru::UstawSzukany(const QString &s) { m_szukany = TrimPrawy(s); }

bool TlistaWyboru::Szukaj(bool naPoczatek)
{
    if (JestKod() && m_szukany.size() > m_lenKodu)
        m_szukany.truncate(m_lenKodu);
    if (Niepusty(m_szukany)) {
        for (int i = 0; i < LiczbaWierszy(); ++i) {
            if (ZaczynaOd(m_kody.at(i), m_szukany)) {
                m_wybrany = i;
                if (i < m_gorny || i >= m_gorny + m_widoczne)
                    UstawGornyWiersz(i);
                return true;
            }
        }
    }
    if (naPoczatek) {
        m_wybrany = 0;
        m_gorny = 0;
    }
    return false;
}

TlistaWyboru::Reakcja TlistaWyboru::Klawisz(int klawisz, const QString &tekst)
{
    switch (klawisz) {
    case Qt::Key_Escape: return rkZamknij;
    case Qt::Key_Return:
    case Qt::Key_Enter: return rkZatwierdz;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        m_szukany.chop(1);
        Szukaj(false);
        return rkSzukano;
    default: break;
    }
    QString dopisz;
    for (QChar c : tekst)
        if ((c.unicode() >= 32 && c.unicode() <= 126) || JestLitera(c))
            dopisz.append(c);
    if (dopisz.isEmpty())
        return rkBrak;
    m_szukany.append(dopisz);
    Szukaj(false);
    return rkSzukano;
}

bool TlistaWyboru::Zatwierdz(QString &param, QString &opis) const
{
    if (JestKomentarzem(m_wybrany))
        return false;
    param = Kod(m_wybrany);
    opis = Opis(m_wybrany);
    return true;
}
