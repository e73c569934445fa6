#include "indeksfolderu.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"
#include "konfiguracja.h"
#include "plikfaktury.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif
#include <thread>

namespace {
// Changed whenever an entry gains or loses a field: an older cache is then read anew.
constexpr quint32 kZnakPamieci = 0x5a49'4458;   // "ZIDX"
constexpr quint32 kWersjaPamieci = 3;

void Pisz(QDataStream &s, const WpisIndeksu &w)
{
    s << w.plik << w.rozmiar << w.zmieniono << w.blad << quint8(w.rodzaj) << quint8(w.numeracja) << w.numer << w.symbol
      << w.wystawiono << w.sprzedano << w.firma << w.ulica << w.kod << w.miasto << w.nip;
    s << w.suma.Netto << w.suma.PrcVat << w.suma.WarVat << w.suma.Brutto << w.sumyTekst << w.doZaplaty << w.ksefNumer
      << w.wyeksportowano << w.towaryTekst;
}

// The cache as QDataStream writes it in little-endian order, read straight from memory: for
// hundreds of thousands of short texts the stream's device machinery costs more than the
// data itself.
class CzytnikPamieci {
public:
    explicit CzytnikPamieci(const QByteArray &b) : m_p(b.constData()), m_k(b.constData() + b.size()) {}
    bool Dobry() const { return m_dobry; }
    void Uszkodzony() { m_dobry = false; }

    template <typename T>
    requires std::is_integral_v<T> CzytnikPamieci &operator>>(T &x)
    {
        x = 0;
        if (!m_dobry || m_k - m_p < qsizetype(sizeof(T))) {
            m_dobry = false;
            return *this;
        }
        x = qFromLittleEndian<T>(m_p);
        m_p += sizeof(T);
        return *this;
    }
    CzytnikPamieci &operator>>(bool &x)
    {
        qint8 v = 0;
        *this >> v;
        x = v != 0;
        return *this;
    }
    CzytnikPamieci &operator>>(QString &t)
    {
        quint32 n = 0;
        *this >> n;
        t = QString();
        if (!m_dobry || n == 0 || n == 0xffff'ffffu)   // empty or null: nothing to allocate
            return *this;
        if (n % 2 != 0 || m_k - m_p < qsizetype(n)) {
            m_dobry = false;
            return *this;
        }
        t = QString(qsizetype(n / 2), Qt::Uninitialized);
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
            std::memcpy(t.data(), m_p, n);
        else
            for (qsizetype i = 0; i < t.size(); ++i)
                t[i] = QChar(qFromLittleEndian<quint16>(m_p + 2 * i));
        m_p += n;
        return *this;
    }

private:
    const char *m_p, *m_k;
    bool m_dobry = true;
};

void Czytaj(CzytnikPamieci &s, WpisIndeksu &w)
{
    quint8 rodzaj = 0, numeracja = 0;
    s >> w.plik >> w.rozmiar >> w.zmieniono >> w.blad >> rodzaj >> numeracja >> w.numer >> w.symbol >> w.wystawiono
        >> w.sprzedano >> w.firma >> w.ulica >> w.kod >> w.miasto >> w.nip;
    w.rodzaj = TrodzajFaktury(std::min<int>(rodzaj, rProForma));
    w.numeracja = TrodzajNumerac(std::min<int>(numeracja, numerNSMR));
    s >> w.suma.Netto >> w.suma.PrcVat >> w.suma.WarVat >> w.suma.Brutto >> w.sumyTekst >> w.doZaplaty >> w.ksefNumer
        >> w.wyeksportowano >> w.towaryTekst;
}

// The state of a file on disk: entries whose size and time match it are not read again.
struct StanPliku {
    QString nazwa;
    qint64 rozmiar = 0, zmieniono = 0;
};

// One file's state, as the look at the whole folder takes it.
StanPliku StanJednego(const QFileInfo &i)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(i.absoluteFilePath()).constData(), &st) == 0)
        return {i.fileName(), qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1'000'000};
#endif
    return {i.fileName(), i.size(), i.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
}

QList<StanPliku> PlikiFolderu(const QString &folder)
{
    QList<StanPliku> pliki;
#ifdef Q_OS_UNIX
    // A look at a folder of thousands of invoices is mostly this loop: the system's own calls,
    // without a QFileInfo and a local-time QDateTime for every file.
    if (DIR *d = ::opendir(QFile::encodeName(folder).constData())) {
        const int fd = ::dirfd(d);
        while (const dirent *e = ::readdir(d)) {
            const size_t n = std::strlen(e->d_name);
            if (n < 5 || qstrnicmp(e->d_name + n - 4, ".fak", 4) != 0)
                continue;
            struct stat st {};
            if (::fstatat(fd, e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
            pliki.append({QFile::decodeName(e->d_name), qint64(st.st_size),
                          qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1'000'000});
        }
        ::closedir(d);
    }
#else
    const QFileInfoList lista = QDir(folder).entryInfoList({QStringLiteral("*.FAK")}, QDir::Files, QDir::NoSort);
    pliki.reserve(lista.size());
    for (const QFileInfo &i : lista)
        pliki.append(StanJednego(i));
#endif
    return pliki;
}

// The files in the order the entries are kept in (plain code-unit order, unlike a directory
// sort). Mostly they are the very files of the cache, some changed: then the cache's order is
// taken by name, which spares sorting thousands of names at every look.
void UporzadkujJakWpisy(QList<StanPliku> &pliki, const QList<WpisIndeksu> &wpisy)
{
    if (pliki.size() == wpisy.size()) {
        QHash<QStringView, qsizetype> miejsca;
        miejsca.reserve(wpisy.size());
        for (qsizetype i = 0; i < wpisy.size(); ++i)
            miejsca.insert(QStringView(wpisy.at(i).plik), i);
        QList<StanPliku> wKolejnosci(pliki.size());
        bool wszystkie = true;
        for (const StanPliku &p : std::as_const(pliki)) {
            const auto m = miejsca.constFind(QStringView(p.nazwa));
            if (m == miejsca.cend()) {
                wszystkie = false;
                break;
            }
            wKolejnosci[*m] = p;
        }
        // names are unique in a folder: the same count, each one found, is the same set
        if (wszystkie) {
            pliki = std::move(wKolejnosci);
            return;
        }
    }
    std::sort(pliki.begin(), pliki.end(), [](const StanPliku &a, const StanPliku &b) { return a.nazwa < b.nazwa; });
}

WpisIndeksu CzytajWpis(const QString &folder, const StanPliku &s)
{
    WpisIndeksu w;
    try {
        TzentoraVat f;
        CzytajFakture(QDir(folder).filePath(s.nazwa), f);
        w = WpisZFaktury(f);
    } catch (const EMojeBledy &e) {
        w.blad = e.komunikat();
    } catch (const std::exception &e) {
        w.blad = QString::fromUtf8(e.what());
    }
    w.plik = s.nazwa;
    w.rozmiar = s.rozmiar;
    w.zmieniono = s.zmieniono;
    return w;
}

bool MaMiesiac(TrodzajNumerac n) { return n == numerNMR || n == numerNSMR; }

// The year and, for the formats with a month, the month of an issue date.
std::pair<int, int> OkresSerii(TrodzajNumerac n, const QString &wystawiono)
{
    int r = 0, m = 0, d = 0;
    const double data = TekstNaDate(wystawiono, 0);
    if (data > 0)
        RozkodujDate(data, r, m, d);
    return {r, MaMiesiac(n) ? m : 0};
}

bool TaSamaSeria(TrodzajFaktury r1, TrodzajNumerac n1, const QString &s1, const QString &d1, TrodzajFaktury r2,
                 TrodzajNumerac n2, const QString &s2, const QString &d2)
{
    return GrupaSerii(r1) == GrupaSerii(r2) && n1 == n2 && s1 == s2 && OkresSerii(n1, d1) == OkresSerii(n2, d2);
}
}   // namespace

QString WpisIndeksu::Oznaczenie() const
{
    TzentoraVat f;
    f.RodzajNum = numeracja;
    f.NumerFak = numer;
    f.SymbolFak = symbol;
    f.DataWystaw = wystawiono;
    return f.DajOznaczenieFaktury();
}

WpisIndeksu WpisZFaktury(const TzentoraVat &f)
{
    WpisIndeksu w;
    w.rodzaj = f.RodzajFak;
    w.numeracja = f.RodzajNum;
    w.numer = f.NumerFak;
    w.symbol = f.SymbolFak;
    w.wystawiono = f.DataWystaw;
    w.sprzedano = f.DataSprzed;
    w.firma = f.KupFirma;
    w.ulica = f.KupUlica;
    w.kod = f.KupKod;
    w.miasto = f.KupMiasto;
    w.nip = f.KupNip;
    w.UstawSumy(f.SumyFaktury);
    w.doZaplaty = f.SumyFaktury[vatSum].Brutto;
    w.ksefNumer = f.KsefNumer;
    w.wyeksportowano = Niepusty(f.KsefSkrot);
    QList<TowarIndeksu> towary;
    for (int i = 1; i <= std::min(f.IlePozyc, kMaxPozycji); ++i) {
        const TpozFaktury &p = f.Pozycja(i);
        if (Niepusty(p.Towar))
            towary.append({p.Towar.trimmed(), p.Klasyf, p.Jedn, p.Cena, p.PrcVat});
    }
    w.UstawTowary(towary);
    return w;
}

// Texts of an invoice file hold neither "|" (the row's field separator) nor line breaks, so
// the two join the fields and the rows.
TsumyRodzVat WpisIndeksu::Sumy() const
{
    TsumyRodzVat s;
    const QList<QStringView> wiersze = QStringView(sumyTekst).split(QLatin1Char('\n'));
    for (int r = vatSum; r <= vatA && r < wiersze.size(); ++r)
        s[r].ladujStr(wiersze.at(r).toString());
    return s;
}

QList<TowarIndeksu> WpisIndeksu::Towary() const
{
    QList<TowarIndeksu> t;
    if (towaryTekst.isEmpty())
        return t;
    for (QStringView wiersz : QStringView(towaryTekst).split(QLatin1Char('\n'))) {
        const QList<QStringView> p = wiersz.split(QLatin1Char('|'));
        t.append({p.value(0).toString(), p.value(1).toString(), p.value(2).toString(), p.value(3).toString(),
                  p.value(4).toString()});
    }
    return t;
}

void WpisIndeksu::UstawSumy(const TsumyRodzVat &s)
{
    suma = s[vatSum];
    QStringList w;
    for (const TrekordVat &r : s)
        w.append(r.WydajStr());
    sumyTekst = w.join(QLatin1Char('\n'));
}

void WpisIndeksu::UstawTowary(const QList<TowarIndeksu> &t)
{
    QStringList w;
    for (const TowarIndeksu &x : t)
        w.append(QStringList{x.nazwa, x.klasyf, x.jedn, x.cena, x.stawka}.join(QLatin1Char('|')));
    towaryTekst = w.join(QLatin1Char('\n'));
}

bool PlikWFolderze(const QString &plik, const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(QFileInfo(plik).absolutePath()) == QFileInfo(folder);
}

IndeksFolderu::IndeksFolderu(const QString &folder, const QString &katalogPamieci)
    : m_folder(QFileInfo(folder).absoluteFilePath())
{
    const QString katalog =
        katalogPamieci.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) : katalogPamieci;
    const QString klucz = QString::fromLatin1(
        QCryptographicHash::hash(QDir(m_folder).canonicalPath().toUtf8(), QCryptographicHash::Sha1).toHex());
    if (!katalog.isEmpty())
        m_pamiec = QDir(katalog).filePath(QStringLiteral("indeks-%1.bin").arg(klucz));
    CzytajPamiec();
    Odswiez();
}

void IndeksFolderu::CzytajPamiec()
{
    QFile f(m_pamiec);
    if (m_pamiec.isEmpty() || !f.open(QIODevice::ReadOnly))
        return;
    // mapped, not copied: the texts are taken out of it anyway
    const qint64 rozmiar = f.size();
    const uchar *mapa = rozmiar > 0 ? f.map(0, rozmiar) : nullptr;
    const QByteArray bajty =
        mapa ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapa), rozmiar) : f.readAll();
    CzytnikPamieci s(bajty);
    quint32 znak = 0, wersja = 0;
    QString folder;
    s >> znak >> wersja >> folder;
    if (znak != kZnakPamieci || wersja != kWersjaPamieci || folder != m_folder)
        return;
    quint32 ile = 0;
    s >> ile;
    QList<WpisIndeksu> wpisy;
    wpisy.reserve(std::min<quint32>(ile, 1'000'000));
    for (quint32 i = 0; i < ile && s.Dobry(); ++i)
        Czytaj(s, wpisy.emplace_back());
    if (s.Dobry())
        m_wpisy = std::move(wpisy);
}

void IndeksFolderu::ZapiszPamiec() const
{
    if (m_pamiec.isEmpty() || !QDir().mkpath(QFileInfo(m_pamiec).absolutePath()))
        return;
    QSaveFile f(m_pamiec);
    if (!f.open(QIODevice::WriteOnly))
        return;
    QDataStream s(&f);
    s.setVersion(QDataStream::Qt_6_4);
    s.setByteOrder(QDataStream::LittleEndian);   // as CzytnikPamieci reads it
    s << kZnakPamieci << kWersjaPamieci << m_folder << quint32(m_wpisy.size());
    for (const WpisIndeksu &w : m_wpisy)
        Pisz(s, w);
    f.commit();
}

void IndeksFolderu::Odswiez()
{
    QList<StanPliku> pliki = PlikiFolderu(m_folder);
    UporzadkujJakWpisy(pliki, m_wpisy);
    QList<WpisIndeksu> nowe(pliki.size());
    QList<qsizetype> doCzytania;
    // both lists are sorted by name: one pass pairs the files with their cached entries
    auto stary = m_wpisy.cbegin();
    for (qsizetype i = 0; i < pliki.size(); ++i) {
        const StanPliku &p = pliki.at(i);
        while (stary != m_wpisy.cend() && stary->plik < p.nazwa)
            ++stary;
        if (stary != m_wpisy.cend() && stary->plik == p.nazwa && stary->rozmiar == p.rozmiar
            && stary->zmieniono == p.zmieniono)
            nowe[i] = *stary;
        else
            doCzytania.append(i);
    }
    // Reading is the slow part of a first look at a large folder; the files are
    // independent, so every core takes its share.
    const qsizetype watki = std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8);
    WpisIndeksu *const dane = nowe.data();   // detached once here, not from the threads
    const auto czytaj = [&](qsizetype od) {
        for (qsizetype k = od; k < doCzytania.size(); k += watki)
            dane[doCzytania.at(k)] = CzytajWpis(m_folder, pliki.at(doCzytania.at(k)));
    };
    if (doCzytania.size() < 64 || watki == 1) {
        for (qsizetype k = 0; k < doCzytania.size(); ++k)
            dane[doCzytania.at(k)] = CzytajWpis(m_folder, pliki.at(doCzytania.at(k)));
    } else {
        std::vector<std::thread> w;
        for (qsizetype t = 1; t < watki; ++t)
            w.emplace_back(czytaj, t);
        czytaj(0);
        for (std::thread &t : w)
            t.join();
    }
    m_przeczytane = int(doCzytania.size());
    const bool zmiana = !doCzytania.isEmpty() || nowe.size() != m_wpisy.size();
    m_wpisy = std::move(nowe);
    if (zmiana)
        ZapiszPamiec();
}

void IndeksFolderu::Aktualizuj(const QString &sciezka)
{
    if (!PlikWFolderze(sciezka, m_folder))
        return;
    const QFileInfo i(sciezka);
    const QString nazwa = i.fileName();
    const auto miejsce = std::lower_bound(m_wpisy.begin(), m_wpisy.end(), nazwa,
                                          [](const WpisIndeksu &w, const QString &n) { return w.plik < n; });
    const bool jest = miejsce != m_wpisy.end() && miejsce->plik == nazwa;
    if (!i.isFile()) {
        if (jest)
            m_wpisy.erase(miejsce);
    } else {
        WpisIndeksu w = CzytajWpis(m_folder, StanJednego(i));
        if (jest)
            *miejsce = std::move(w);
        else
            m_wpisy.insert(miejsce, std::move(w));
    }
    ZapiszPamiec();
}

bool TaSamaSeria(const WpisIndeksu &w, const TzentoraVat &f)
{
    return !w.Uszkodzony()
           && TaSamaSeria(w.rodzaj, w.numeracja, w.symbol, w.wystawiono, f.RodzajFak, f.RodzajNum, f.SymbolFak,
                          f.DataWystaw);
}

int NastepnyNumer(const QList<WpisIndeksu> &wpisy, const TzentoraVat &f, const QString &pomin)
{
    int najwyzszy = 0;
    for (const WpisIndeksu &w : wpisy)
        if (w.plik != pomin && TaSamaSeria(w, f))
            najwyzszy = std::max(najwyzszy, w.numer);
    // the number field takes 1..99999
    return std::clamp(najwyzszy + 1, 1, 99999);
}

const WpisIndeksu *TenSamNumer(const QList<WpisIndeksu> &wpisy, const TzentoraVat &f, const QString &wlasnyPlik)
{
    for (const WpisIndeksu &w : wpisy)
        if (w.plik != wlasnyPlik && w.numer == f.NumerFak && TaSamaSeria(w, f))
            return &w;
    return nullptr;
}

void NumerujWFolderze(TzentoraVat &f, const TiniZentora &ini, const QString &folder, const QString &wlasnyPlik)
{
    f.NumerFak = 1;
    if (!ini.iniAutoNum || folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    const IndeksFolderu indeks(folder);
    f.NumerFak = NastepnyNumer(indeks.Wpisy(), f, wlasnyPlik);
}

QString StanKsefWpisu(const WpisIndeksu &w)
{
    if (Niepusty(w.ksefNumer))
        return w.ksefNumer;
    return w.wyeksportowano ? QStringLiteral("wyeksportowana") : QString();
}

double DataWpisu(const WpisIndeksu &w) { return TekstNaDate(w.wystawiono, 0); }

QList<SumaStawki> SumyWgStawek(const QList<const WpisIndeksu *> &wpisy)
{
    QList<SumaStawki> sumy;
    SumaStawki razem{QStringLiteral("Razem")};
    const auto dodaj = [](SumaStawki &s, const TrekordVat &r) {
        s.netto += TekstNaFloat(r.Netto, 0);
        s.vat += TekstNaFloat(r.WarVat, 0);
        s.brutto += TekstNaFloat(r.Brutto, 0);
    };
    QList<TsumyRodzVat> sumyWpisow;
    sumyWpisow.reserve(wpisy.size());
    for (const WpisIndeksu *w : wpisy)
        sumyWpisow.append(w->Uszkodzony() ? TsumyRodzVat() : w->Sumy());
    for (int r = vatZw; r <= vatA; ++r) {
        for (const TsumyRodzVat &sw : sumyWpisow) {
            const TrekordVat &k = sw[r];
            if (Pusty(k.Netto) && Pusty(k.WarVat) && Pusty(k.Brutto))
                continue;
            // the same kind may hold different rates over the years ("22 %" and "23 %")
            const QString stawka = r == vatZw ? QStringLiteral("zw.") : Trim(k.PrcVat) + QStringLiteral(" %");
            auto s = std::find_if(sumy.begin(), sumy.end(), [&](const SumaStawki &x) { return x.stawka == stawka; });
            if (s == sumy.end())
                s = sumy.insert(sumy.end(), SumaStawki{stawka});
            dodaj(*s, k);
        }
    }
    for (const WpisIndeksu *w : wpisy)
        if (!w->Uszkodzony())
            dodaj(razem, w->suma);
    for (SumaStawki &s : sumy) {
        s.netto = ZaokraglijGr(s.netto);
        s.vat = ZaokraglijGr(s.vat);
        s.brutto = ZaokraglijGr(s.brutto);
    }
    razem.netto = ZaokraglijGr(razem.netto);
    razem.vat = ZaokraglijGr(razem.vat);
    razem.brutto = ZaokraglijGr(razem.brutto);
    sumy.append(razem);
    return sumy;
}

QString TekstDoPorownania(const QString &t)
{
    QString w = t.toLower();
    for (QChar &c : w) {
        // one character for one, so positions in the folded text are positions in the text
        if (c == QChar(0x0142))   // ł has no decomposition
            c = QLatin1Char('l');
        else if (c.decompositionTag() == QChar::Canonical)
            c = c.decomposition().at(0);
    }
    return w;
}

QList<const WpisIndeksu *> NajnowszeNajpierw(const QList<WpisIndeksu> &wpisy)
{
    QList<const WpisIndeksu *> w;
    for (const WpisIndeksu &x : wpisy)
        if (!x.Uszkodzony())
            w.append(&x);
    std::stable_sort(w.begin(), w.end(), [](const WpisIndeksu *a, const WpisIndeksu *b) {
        const double da = DataWpisu(*a), db = DataWpisu(*b);
        return da != db ? da > db : a->zmieniono > b->zmieniono;
    });
    return w;
}

QList<const WpisIndeksu *> Nabywcy(const QList<WpisIndeksu> &wpisy)
{
    QList<const WpisIndeksu *> w;
    QSet<QString> byli;
    for (const WpisIndeksu *x : NajnowszeNajpierw(wpisy))
        if (Niepusty(x->firma) && !byli.contains(TekstDoPorownania(Trim(x->firma)))) {
            byli.insert(TekstDoPorownania(Trim(x->firma)));
            w.append(x);
        }
    return w;
}

QList<TowarIndeksu> Towary(const QList<WpisIndeksu> &wpisy)
{
    QList<TowarIndeksu> w;
    QSet<QString> byly;
    for (const WpisIndeksu *x : NajnowszeNajpierw(wpisy))
        for (const TowarIndeksu &t : x->Towary())
            if (!byly.contains(TekstDoPorownania(t.nazwa))) {
                byly.insert(TekstDoPorownania(t.nazwa));
                w.append(t);
            }
    return w;
}

bool WpisPasuje(const WpisIndeksu &w, int rok, int miesiac, int rodzaj, const QString &szukany)
{
    if (w.Uszkodzony())
        return rok == 0 && rodzaj < 0
               && (szukany.isEmpty() || TekstDoPorownania(w.plik + QLatin1Char(' ') + w.blad).contains(szukany));
    if (rodzaj >= 0 && int(w.rodzaj) != rodzaj)
        return false;
    if (rok != 0) {
        int r = 0, m = 0, d = 0;
        RozkodujDate(DataWpisu(w), r, m, d);
        if (r != rok || m != miesiac)
            return false;
    }
    return szukany.isEmpty()
           || TekstDoPorownania(QStringList{w.firma, w.nip, w.Oznaczenie(), w.miasto, w.plik}.join(QLatin1Char(' ')))
                  .contains(szukany);
}
