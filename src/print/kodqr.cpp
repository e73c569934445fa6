#include "kodqr.h"

#include <qrencode.h>

#include <memory>

TkodQr KodujQr(const QString &tekst)
{
    TkodQr k;
    const QByteArray dane = tekst.toUtf8();
    std::unique_ptr<QRcode, void (*)(QRcode *)> kod(
        QRcode_encodeData(int(dane.size()), reinterpret_cast<const unsigned char *>(dane.constData()), 0, QR_ECLEVEL_M),
        QRcode_free);
    if (!kod)
        return k;
    k.Rozmiar = kod->width;
    k.Moduly.resize(k.Rozmiar * k.Rozmiar);
    for (int i = 0; i < k.Moduly.size(); ++i)
        k.Moduly[i] = char(kod->data[i] & 1);
    return k;
}
