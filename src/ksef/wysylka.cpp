#include "wysylka.h"

#include "invoice/plikfaktury.h"
#include "kryptografia.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace {

QString OpisStatusu(const QJsonObject &st)
{
    QString t = QStringLiteral("%1 %2")
                    .arg(st.value(QStringLiteral("code")).toInt())
                    .arg(st.value(QStringLiteral("description")).toString());
    QStringList szczegoly;
    for (const auto &d : st.value(QStringLiteral("details")).toArray())
        szczegoly.append(d.toString());
    if (!szczegoly.isEmpty())
        t += QStringLiteral(": ") + szczegoly.join(u' ');
    return t;
}

// The refusal goes into the file as it is stored; nothing else of it changes.
void ZapiszOdmowe(const QString &plik, const QString &status)
{
    TzentoraVat f;
    CzytajFakture(plik, f);
    f.KsefStatus = status;
    ZapiszFakture(plik, f);
}

}   // namespace

QString PlikUpo(const QString &plikFaktury)
{
    const QFileInfo i(plikFaktury);
    return i.dir().filePath(i.completeBaseName() + QStringLiteral(".upo.xml"));
}

void WyslijDoKsef(KlientKsef &klient, const QList<TfakturaDoKsef> &faktury, const TiniZentora &ini,
                  const std::function<void(const TwynikKsef &)> &zglos)
{
    klient.OtworzSesje();
    // all invoices first, then their outcomes: KSeF works on them meanwhile
    QStringList referencje;
    for (const TfakturaDoKsef &d : faktury) {
        TwynikKsef w;
        w.Plik = d.Plik;
        const OdpowiedzKsef o = klient.WyslijFakture(d.Eksport.Xml);
        QString ref = o.Json().value(QStringLiteral("referenceNumber")).toString();
        if (o.http == 0 || o.http >= 500) {
            // no answer: KSeF may have taken it, so it is looked for rather than sent again
            ref = klient.ZnajdzWSesji(Sha256Base64(d.Eksport.Xml));
            if (ref.isEmpty()) {
                w.Opis =
                    QStringLiteral("KSeF nie przyjął faktury (%1); nie ma jej w sesji %2, można ją wysłać ponownie.")
                        .arg(o.OpisBledu(), klient.NumerSesji());
                zglos(w);
            }
        } else if (o.http != 202 || ref.isEmpty()) {
            w.Wynik = TwynikKsef::Odrzucona;
            w.Opis = o.OpisBledu();
            ZapiszOdmowe(d.Plik, w.Opis);
            zglos(w);
            ref.clear();
        }
        referencje.append(ref);
    }
    for (int i = 0; i < faktury.size(); ++i) {
        if (referencje.at(i).isEmpty())
            continue;
        const TfakturaDoKsef &d = faktury.at(i);
        TwynikKsef w;
        w.Plik = d.Plik;
        try {
            const QJsonObject j = klient.StanFaktury(referencje.at(i));
            const QJsonObject st = j.value(QStringLiteral("status")).toObject();
            const int kod = st.value(QStringLiteral("code")).toInt();
            if (kod == 200) {
                TzentoraVat f = d.Faktura;
                ZapamietajEksport(f, d.Eksport);
                UstawNumerKsef(f, ini, j.value(QStringLiteral("ksefNumber")).toString());
                f.KsefStatus.clear();
                try {
                    ZapiszFakture(d.Plik, f);
                } catch (const EMojeBledy &e) {
                    // the number must not be lost with the file: the user records it by hand
                    throw EMojeBledy(QStringLiteral("KSeF przyjął fakturę jako %1, ale pliku nie zapisano: %2|"
                                                    "Wpisz numer poleceniem Numer KSeF.")
                                         .arg(f.KsefNumer, e.komunikat()));
                }
                w.Wynik = TwynikKsef::Przyjeta;
                w.Numer = f.KsefNumer;
                try {
                    ZapiszPlikKsef(PlikUpo(d.Plik), klient.Upo(referencje.at(i)));
                } catch (const EMojeBledy &e) {
                    w.Ostrzezenie = QStringLiteral("nie zapisano UPO: ") + e.komunikat();
                }
            } else {
                w.Wynik = TwynikKsef::Odrzucona;
                w.Opis = OpisStatusu(st);
                if (kod == 440) {
                    const QString pierwotny = st.value(QStringLiteral("extensions"))
                                                  .toObject()
                                                  .value(QStringLiteral("originalKsefNumber"))
                                                  .toString();
                    w.Opis = QStringLiteral("duplikat – faktura o tym numerze jest już w KSeF")
                             + (pierwotny.isEmpty() ? QString() : QStringLiteral(" jako ") + pierwotny)
                             + QStringLiteral(" (") + OpisStatusu(st) + QLatin1Char(')');
                }
                ZapiszOdmowe(d.Plik, OpisStatusu(st));
            }
        } catch (const EKsefNiedostepny &e) {
            w.Wynik = TwynikKsef::Nieznany;
            w.Opis = e.komunikat();
        } catch (const EMojeBledy &e) {
            // a number that cannot belong to this invoice is not recorded; a file not written
            w.Wynik = TwynikKsef::Nieznany;
            w.Opis = e.komunikat();
        }
        zglos(w);
    }
    try {
        klient.ZamknijSesje();
    } catch (const EKsefNiedostepny &) {
        // every outcome is known and recorded; KSeF closes a forgotten session itself
    }
}
