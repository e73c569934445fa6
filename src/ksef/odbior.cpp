#include "odbior.h"

#include "invoice/ksef.h"
#include "kryptografia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

namespace {

// KSeF allows 8 downloads a second; keeping under it spares the 429 and its wait.
constexpr int kOdstepPobieraniaMs = 130;

void Pauza(int ms)
{
    QEventLoop petla;
    QTimer::singleShot(ms, &petla, &QEventLoop::quit);
    petla.exec();
}

}   // namespace

void OdbierzZKsef(KlientKsef &klient, const QDate &od, const QDate &doDnia, const QString &katalog,
                  const std::function<void(const TodebranaKsef &)> &zglos)
{
    static const QRegularExpression wzor(QStringLiteral("^\\d{10}-\\d{8}-[0-9A-F]{12}-[0-9A-F]{2}$"));
    QString odKiedy = od.startOfDay().toOffsetFromUtc(od.startOfDay().offsetFromUtc()).toString(Qt::ISODateWithMs);
    const QString doKiedy =
        doDnia.endOfDay().toOffsetFromUtc(doDnia.endOfDay().offsetFromUtc()).toString(Qt::ISODateWithMs);
    QElapsedTimer ostatnie;
    QSet<QString> zgloszone;
    int strona = 0;
    for (;;) {
        const QJsonObject filtr{
            {QStringLiteral("subjectType"), QStringLiteral("Subject2")},
            {QStringLiteral("dateRange"), QJsonObject{{QStringLiteral("dateType"), QStringLiteral("PermanentStorage")},
                                                      {QStringLiteral("from"), odKiedy},
                                                      {QStringLiteral("to"), doKiedy}}}};
        const QJsonObject j = klient.ZapytajOFaktury(filtr, strona, 100);
        const QJsonArray faktury = j.value(QStringLiteral("invoices")).toArray();
        QString ostatniaData;
        for (const auto &v : faktury) {
            const QJsonObject m = v.toObject();
            ostatniaData = m.value(QStringLiteral("permanentStorageDate")).toString();
            TodebranaKsef o;
            o.Numer = m.value(QStringLiteral("ksefNumber")).toString();
            // a restarted range repeats the invoices of its first moment
            if (zgloszone.contains(o.Numer))
                continue;
            zgloszone.insert(o.Numer);
            // the number names the file: nothing else may reach the path
            if (!wzor.match(o.Numer).hasMatch()) {
                o.Blad = QStringLiteral("KSeF podał niepoprawny numer faktury „%1”.").arg(o.Numer.left(60));
                zglos(o);
                continue;
            }
            o.Plik = QDir(katalog).filePath(o.Numer + QStringLiteral(".xml"));
            if (QFileInfo::exists(o.Plik)) {
                o.Byla = true;
                zglos(o);
                continue;
            }
            if (ostatnie.isValid() && ostatnie.elapsed() < kOdstepPobieraniaMs)
                Pauza(int(kOdstepPobieraniaMs - ostatnie.elapsed()));
            ostatnie.start();
            try {
                const QByteArray xml = klient.PobierzFakture(o.Numer);
                const QString skrot = m.value(QStringLiteral("invoiceHash")).toString();
                if (!skrot.isEmpty() && QString::fromLatin1(Sha256Base64(xml)) != skrot)
                    o.Blad = QStringLiteral("Pobrana faktura %1 ma inny skrót niż podał KSeF; nie zapisano jej.")
                                 .arg(o.Numer);
                else
                    ZapiszPlikKsef(o.Plik, xml);
            } catch (const EKsefNiedostepny &) {
                throw;
            } catch (const EMojeBledy &e) {
                o.Blad = e.komunikat();
            }
            zglos(o);
        }
        if (!j.value(QStringLiteral("hasMore")).toBool() || faktury.isEmpty())
            return;
        if (j.value(QStringLiteral("isTruncated")).toBool()) {
            // the query holds at most 10 000: the range starts again from the last one
            odKiedy = ostatniaData;
            strona = 0;
        } else {
            ++strona;
        }
    }
}
