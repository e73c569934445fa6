#include "poswiadczenia.h"

#include "podpisxades.h"

void ZalogujKsef(KlientKsef &klient, const QString &nip, const TposwiadczeniaKsef &p)
{
    if (p.Certyfikatem()) {
        const CertyfikatKsef c(p.Certyfikat, p.Klucz, p.Haslo,
                               p.NazwaCertyfikatu.isEmpty() ? QStringLiteral("certyfikat KSeF") : p.NazwaCertyfikatu);
        klient.ZalogujCertyfikatem(nip, c);
        return;
    }
    if (p.Token.isEmpty())
        throw EMojeBledy(QStringLiteral("Brak tokena ani certyfikatu KSeF.|Wpisz je na stronie „KSeF” parametrów."));
    klient.ZalogujTokenem(nip, QString::fromUtf8(p.Token));
}
