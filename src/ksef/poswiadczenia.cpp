#include "poswiadczenia.h"

void ZalogujKsef(KlientKsef &klient, const QString &nip, const TposwiadczeniaKsef &p)
{
    if (p.Certyfikatem())
        throw EMojeBledy(QStringLiteral("Logowanie certyfikatem KSeF nie jest jeszcze dostępne.|Użyj tokena KSeF."));
    if (p.Token.isEmpty())
        throw EMojeBledy(QStringLiteral("Brak tokena ani certyfikatu KSeF.|Wpisz je na stronie „KSeF” parametrów."));
    klient.ZalogujTokenem(nip, QString::fromUtf8(p.Token));
}
