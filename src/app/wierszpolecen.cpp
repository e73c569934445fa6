#include "wierszpolecen.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const char *const kKodyWyjscia =
    "Kody wyjścia: 0 poprawnie, 1 błędne wywołanie, 2 treść odrzucona (np. stawka VAT\n"
    "niezgodna z datą sprzedaży; wydruk przerwany), 3 pliku nie można odczytać lub zapisać,\n"
    "zła wersja pliku, nieznana drukarka lub drukarka nie przyjęła wydruku.\n";

QString Zapis(const QString &nazwa) { return (nazwa.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nazwa; }

QString LinieUzycia(const PolecenieCli &p)
{
    QString w;
    for (const QString &linia : p.uzycie.split(QLatin1Char('\n')))
        w += (linia.startsWith(QLatin1Char(' ')) ? QStringLiteral("  ") : QStringLiteral("  zentora-cli ")) + linia
             + QLatin1Char('\n');
    return w;
}

// QCommandLineParser would take "-5" for an option named 5, but amounts may be negative; such
// arguments pass the parser as stand-ins and come back afterwards.
const QChar kZastepca(0x1);

bool LiczbaUjemna(const QString &x)
{
    return x.size() > 1 && x.at(0) == QLatin1Char('-')
           && (x.at(1).isDigit() || x.at(1) == QLatin1Char(',') || x.at(1) == QLatin1Char('.'));
}

// "--config=x" -> "config"
QString NazwaOpcji(const QString &x)
{
    static const QRegularExpression kKreski(QStringLiteral("^--?"));
    return x.section(QLatin1Char('='), 0, 0).remove(kKreski);
}

// How an argument naming an option was written, for the message about it.
QString JakNapisano(const QStringList &a, const QString &nazwa)
{
    for (const QString &x : a) {
        QString bez = x.section(QLatin1Char('='), 0, 0);
        if (bez == QLatin1Char('-') + nazwa || bez == QStringLiteral("--") + nazwa)
            return bez;
    }
    return Zapis(nazwa);
}

[[noreturn]] void BladParsowania(const TabelaPolecen &t, const QCommandLineParser &p, const QStringList &a)
{
    if (!p.unknownOptionNames().isEmpty())
        throw BladUzycia(QStringLiteral("Nieznana opcja %1.").arg(JakNapisano(a, p.unknownOptionNames().first())));
    for (const QString &x : a) {
        if (!x.startsWith(QLatin1Char('-')))
            continue;
        const QString nazwa = NazwaOpcji(x);
        const OpcjaCli *o = t.Opcja(nazwa);
        if (o && o->wartosc.isEmpty() && x.contains(QLatin1Char('=')))
            throw BladUzycia(QStringLiteral("Opcja %1 nie przyjmuje wartości.").arg(Zapis(nazwa)));
    }
    const OpcjaCli *o = a.size() > 1 ? t.Opcja(NazwaOpcji(a.last())) : nullptr;
    if (o && !o->wartosc.isEmpty() && a.last().startsWith(QLatin1Char('-')))
        throw BladUzycia(QStringLiteral("Opcja %1 wymaga wartości.").arg(Zapis(o->nazwa)));
    throw BladUzycia(QStringLiteral("Błędne wywołanie: %1").arg(p.errorText()));
}

}   // namespace

const PolecenieCli *TabelaPolecen::Polecenie(const QString &nazwa) const
{
    for (const PolecenieCli &p : polecenia)
        if (p.nazwa == nazwa)
            return &p;
    return nullptr;
}

const OpcjaCli *TabelaPolecen::Opcja(const QString &nazwa) const
{
    for (const OpcjaCli &o : opcje)
        if (o.nazwa == nazwa)
            return &o;
    return nullptr;
}

QString PomocProgramu(const TabelaPolecen &t)
{
    QString w = QStringLiteral("Użycie:\n");
    for (const PolecenieCli &p : t.polecenia)
        w += LinieUzycia(p);
    w += QStringLiteral("  zentora-cli POLECENIE --help\n  zentora-cli --version\n\n");
    return w + QString::fromUtf8(kKodyWyjscia);
}

QString PomocPolecenia(const TabelaPolecen &t, const PolecenieCli &p)
{
    QString w =
        QStringLiteral("Użycie:\n") + LinieUzycia(p) + QLatin1Char('\n') + p.opis + QStringLiteral("\n\nOpcje:\n");
    QList<std::pair<QString, QString>> wiersze;
    for (const QString &n : p.opcje) {
        const OpcjaCli *o = t.Opcja(n);
        if (o)
            wiersze.append(
                {Zapis(o->nazwa) + (o->wartosc.isEmpty() ? QString() : QLatin1Char(' ') + o->wartosc), o->opis});
    }
    // the descriptions in one column, also past an option longer than usual
    qsizetype szerokosc = 24;
    for (const auto &r : wiersze)
        szerokosc = qMax(szerokosc, r.first.size());
    auto wiersz = [&w, szerokosc](const QString &lewa, const QString &prawa) {
        w += QStringLiteral("  ") + lewa.leftJustified(szerokosc) + QLatin1Char(' ') + prawa + QLatin1Char('\n');
    };
    for (const auto &r : wiersze)
        wiersz(r.first, r.second);
    wiersz(QStringLiteral("-h, --help"), QStringLiteral("Ta pomoc."));
    return w + QLatin1Char('\n') + QString::fromUtf8(kKodyWyjscia);
}

Wywolanie CzytajWywolanie(const TabelaPolecen &t, const QStringList &a)
{
    Wywolanie w;
    if (a.size() < 2)
        throw BladUzycia(QStringLiteral("Brak polecenia."));
    const QString &pierwszy = a.at(1);
    if (pierwszy == QLatin1String("--help") || pierwszy == QLatin1String("-h") || pierwszy == QLatin1String("help")) {
        const PolecenieCli *p = pierwszy == QLatin1String("help") ? t.Polecenie(a.value(2)) : nullptr;
        if (pierwszy == QLatin1String("help") && a.size() > 2 && !p)
            throw BladUzycia(QStringLiteral("Nieznane polecenie %1.").arg(a.at(2)));
        w.tekst = p ? PomocPolecenia(t, *p) : PomocProgramu(t);
        return w;
    }
    if (pierwszy == QLatin1String("--version") || pierwszy == QLatin1String("-v")) {
        w.tekst = QStringLiteral("zentora-cli %1\n").arg(t.wersja);
        return w;
    }
    const PolecenieCli *p = t.Polecenie(pierwszy);
    if (!p)
        throw BladUzycia(QStringLiteral("Nieznane polecenie %1.").arg(pierwszy));

    // Every option of the tool is known to the parser, so that one which belongs to another
    // command gets a message saying so.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption pomoc(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(pomoc);
    for (const OpcjaCli &o : t.opcje)
        parser.addOption(o.wartosc.isEmpty() ? QCommandLineOption(o.nazwa)
                                             : QCommandLineOption(o.nazwa, o.opis, o.wartosc));

    QStringList wejscie{a.at(0)};
    QStringList liczby;
    for (int i = 2; i < a.size(); ++i) {
        if (LiczbaUjemna(a.at(i))) {
            wejscie.append(kZastepca + QString::number(liczby.size()));
            liczby.append(a.at(i));
        } else {
            wejscie.append(a.at(i));
        }
    }
    const auto przywroc = [&liczby](const QString &x) {
        return x.startsWith(kZastepca) ? liczby.value(x.mid(1).toInt()) : x;
    };

    if (!parser.parse(wejscie))
        BladParsowania(t, parser, QStringList{a.at(0)} + a.mid(2));
    if (parser.isSet(pomoc)) {
        w.tekst = PomocPolecenia(t, *p);
        return w;
    }
    w.polecenie = p;
    w.argumenty.polecenie = p->nazwa;
    w.argumenty.surowe = a;
    for (const OpcjaCli &o : t.opcje) {
        if (!parser.isSet(o.nazwa))
            continue;
        if (!p->opcje.contains(o.nazwa))
            throw BladUzycia(QStringLiteral("Polecenie %1 nie przyjmuje opcji %2.").arg(p->nazwa, Zapis(o.nazwa)));
        w.argumenty.podane.append(o.nazwa);
        if (const auto pole = std::get_if<bool Argumenty::*>(&o.cel))
            w.argumenty.*(*pole) = true;
        else
            w.argumenty.*(std::get<QString Argumenty::*>(o.cel)) = przywroc(parser.value(o.nazwa));
    }
    for (const QString &x : parser.positionalArguments())
        w.argumenty.pliki.append(przywroc(x));
    return w;
}
