#include "komunikaty.h"

#include "bledy.h"
#include "program.h"

#include <cstdio>

namespace {

class PrezenterKonsoli : public PrezenterKomunikatow {
public:
    int Pokaz(const TparDlg &par) override
    {
        QString t = par.pInfo;
        t.replace(QChar(13), QLatin1Char('\n'));
        // UTF-8 everywhere: Windows' ANSI code page would drop or bend the Polish letters
        std::fputs(t.toUtf8().constData(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        return DomyslnyPrzycisk(par);
    }
};

PrezenterKonsoli g_konsola;
PrezenterKomunikatow *g_prezenter = &g_konsola;

const QString kKody = QStringLiteral("!X?Y");

}   // namespace

QList<int> PrzyciskiGrupy(TGrKlaw grupa)
{
    switch (grupa) {
    case grpOK: return {idOK};
    case grpYN: return {idYes, idNo};
    case grpKC: return {idOK, idCancel};
    case grpRC: return {idRetry, idCancel};
    case grpYNC: return {idYes, idNo, idCancel};
    case grpARI: return {idAbort, idRetry, idIgnore};
    }
    return {idOK};
}

int DomyslnyPrzycisk(const TparDlg &par)
{
    const QList<int> p = PrzyciskiGrupy(par.pGrKlaw);
    const int n = (par.pNumBut >= 1 && par.pNumBut <= p.size()) ? par.pNumBut : 1;
    return p.at(n - 1);
}

unsigned StylDialogu(const TparDlg &par)
{
    static const unsigned kIkony[] = {0x40, 0x30, 0x10, 0x20, 0};
    static const unsigned kGrupy[] = {0, 4, 1, 5, 3, 2};
    const unsigned dom = (par.pNumBut >= 2 && par.pNumBut <= 4) ? unsigned(par.pNumBut - 1) * 0x100 : 0;
    return kIkony[par.pIcoDlg] + kGrupy[par.pGrKlaw] + dom;
}

PrezenterKomunikatow *UstawPrezenter(PrezenterKomunikatow *p)
{
    PrezenterKomunikatow *stary = g_prezenter;
    g_prezenter = p ? p : &g_konsola;
    return stary == &g_konsola ? nullptr : stary;
}

PrezenterKomunikatow *Prezenter() { return g_prezenter; }

QString BezKodow(const QString &s, TicoDlg *ikona)
{
    if (s.isEmpty())
        return s;
    const int poz = kKody.indexOf(s.at(0).toUpper());
    if (poz >= 0 && ikona)
        *ikona = static_cast<TicoDlg>(icUwaga + poz);
    int i = 0;
    while (i < s.size() && kKody.contains(s.at(i).toUpper()))
        ++i;
    return s.mid(i);
}

int PokazDialog(QObject *okno, TicoDlg ikona, TGrKlaw klawisze, int domyslny, const QString &info,
                const QString &naglowek)
{
    TparDlg par;
    par.pIcoDlg = ikona;
    par.pNagl = BezKodow(naglowek, &par.pIcoDlg);
    par.pInfo = BezKodow(info, &par.pIcoDlg);
    if (par.pNagl.isEmpty())
        par.pNagl = TytulAplikacji();
    par.pInfo.replace(QLatin1Char('|'), QChar(13));
    par.pOkno = okno;
    par.pGrKlaw = klawisze;
    par.pNumBut = domyslny;
    return WykonajDialog(par);
}

int WykonajDialog(const TparDlg &par) { return g_prezenter->Pokaz(par); }

void Komunikat(const QString &info) { PokazDialog(nullptr, icInfo, grpOK, 1, info, QString()); }
void KomunikatOkna(QObject *okno, const QString &info) { PokazDialog(okno, icInfo, grpOK, 1, info, QString()); }
void KomunikatNagl(QObject *okno, const QString &naglowek, const QString &info)
{
    PokazDialog(okno, icInfo, grpOK, 1, info, naglowek);
}

bool Sprawdz(bool warunek, const QString &info)
{
    if (!warunek)
        Komunikat(info);
    return warunek;
}

void Wymagaj(bool warunek, const QString &info)
{
    if (warunek)
        return;
    if (!info.isEmpty())
        Komunikat(info);
    throw ECichyAbort();
}

void WymagajOkna(QObject *okno, bool warunek, const QString &info)
{
    if (warunek)
        return;
    if (!info.isEmpty())
        KomunikatOkna(okno, info);
    throw ECichyAbort();
}

bool PytanieTakNieOkna(QObject *okno, const QString &naglowek, const QString &info, int domyslny)
{
    return PokazDialog(okno, icPytaj, grpYN, domyslny == 2 ? 2 : 1, info, naglowek) == idYes;
}

bool PytanieTakNie(const QString &naglowek, const QString &info, int domyslny)
{
    return PytanieTakNieOkna(nullptr, naglowek, info, domyslny);
}

bool PytanieOkAnulujNagl(QObject *okno, const QString &naglowek, const QString &info, int domyslny)
{
    return PokazDialog(okno, icPytaj, grpKC, domyslny == 2 ? 2 : 1, info, naglowek) == idOK;
}

bool PytanieOkAnuluj(QObject *okno, const QString &info, int domyslny)
{
    return PytanieOkAnulujNagl(okno, QString(), info, domyslny);
}

const QString kNiepoprawnaWartosc = QStringLiteral("Niepoprawna wartość");

QString TekstNiepoprawnejWartosci(const QString &pole, const QString &wartosc)
{
    if (pole.trimmed().isEmpty())
        return kNiepoprawnaWartosc;
    const QString w = wartosc.trimmed();
    return QStringLiteral("%1: niepoprawna wartość").arg(pole.trimmed())
           + (w.isEmpty() ? QString() : QLatin1Char(' ') + w);
}

void KomunikatNiepoprawnejWartosci(QObject *okno, const QString &pole, const QString &wartosc)
{
    TparDlg par;
    par.pOkno = okno;
    par.pIcoDlg = icError;
    par.pGrKlaw = grpOK;
    par.pInfo = TekstNiepoprawnejWartosci(pole, wartosc);
    WykonajDialog(par);
}

QString TekstBledu(const std::exception &e)
{
    if (const auto *m = dynamic_cast<const EMojeBledy *>(&e))
        return m->komunikat();
    return QString::fromUtf8(e.what());
}

void PokazTekstBledu(const QString &tekst)
{
    // an error text is shown whole: its first letter is never taken for an icon code
    TparDlg par;
    par.pIcoDlg = icError;
    par.pGrKlaw = grpOK;
    par.pNagl = TytulAplikacji();
    par.pInfo = QString(tekst).replace(QLatin1Char('|'), QChar(13));
    WykonajDialog(par);
}

void PokazBlad(const std::exception &e)
{
    if (dynamic_cast<const ECichyAbort *>(&e))
        return;
    PokazTekstBledu(TekstBledu(e));
}
