#include "dostepksef.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "common/teksty.h"
#include "ksef/certyfikatksef.h"
#include "ksef/sejfksef.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The values of [KSeF] Srodowisko, in the order of the list.
const char *const kSrodowiska[] = {"test", "demo", "prod"};

int IndeksSrodowiska(const QString &n)
{
    for (int k = 0; k < 3; ++k)
        if (n == QLatin1String(kSrodowiska[k]))
            return k;
    return 0;
}

TplikiCertyfikatu WybierzCertyfikatSystemowo(QWidget *rodzic)
{
    const QString plik = QFileDialog::getOpenFileName(
        rodzic, QStringLiteral(" Certyfikat KSeF "), QString(),
        QStringLiteral("Certyfikat KSeF ( *.p12 *.pfx *.crt *.cer *.pem );;Wszystkie pliki ( * )"));
    if (plik.isEmpty())
        return {};
    const QString rozszerzenie = QFileInfo(plik).suffix().toLower();
    if (rozszerzenie == QLatin1String("p12") || rozszerzenie == QLatin1String("pfx"))
        return {plik, QString()};
    // one PEM file may hold the key as well
    QFile f(plik);
    if (f.open(QIODevice::ReadOnly) && f.read(1024 * 1024).contains("PRIVATE KEY-----"))
        return {plik, QString()};
    // a certificate alone: its private key comes from its own file
    const QString klucz = QFileDialog::getOpenFileName(
        rodzic, QStringLiteral(" Klucz prywatny certyfikatu KSeF "), QFileInfo(plik).absolutePath(),
        QStringLiteral("Klucz prywatny ( *.key *.pem );;Wszystkie pliki ( * )"));
    if (klucz.isEmpty())
        return {};
    return {plik, klucz};
}

std::optional<QByteArray> HasloSystemowo(QWidget *rodzic, const QString &plik)
{
    bool ok = false;
    const QString h = QInputDialog::getText(rodzic, QStringLiteral("Certyfikat KSeF"),
                                            QStringLiteral("Hasło do pliku %1:").arg(QFileInfo(plik).fileName()),
                                            QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return h.toUtf8();
}

// A certificate or key file is a few kilobytes; anything far larger is the wrong file.
QByteArray CzytajPlikCertyfikatu(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        throw EMojeBledy(QStringLiteral("Nie można odczytać pliku %1:|%2").arg(plik, f.errorString()));
    if (f.size() > 1024 * 1024)
        throw EMojeBledy(QStringLiteral("Plik %1 jest za duży jak na certyfikat KSeF.").arg(plik));
    return f.readAll();
}

QLabel *Opis(QWidget *rodzic)
{
    auto *l = new QLabel(rodzic);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}   // namespace

std::function<TplikiCertyfikatu(QWidget *)> ProcWybierzCertyfikatKsef = WybierzCertyfikatSystemowo;
std::function<std::optional<QByteArray>(QWidget *, const QString &)> ProcHasloCertyfikatuKsef = HasloSystemowo;

TdostepKsef::TdostepKsef(QWidget *rodzic) : QGroupBox(QStringLiteral(" Dostęp do KSeF "), rodzic)
{
    auto *f = new QFormLayout(this);
    CbSrodowisko = new QComboBox(this);
    CbSrodowisko->setObjectName(QStringLiteral("CbSrodowiskoKsef"));
    CbSrodowisko->addItems({QStringLiteral("test"), QStringLiteral("demo"), QStringLiteral("produkcyjne")});
    f->addRow(QStringLiteral("Ś&rodowisko KSeF"), CbSrodowisko);

    EdyToken = new QLineEdit(this);
    EdyToken->setObjectName(QStringLiteral("EdyTokenKsef"));
    EdyToken->setEchoMode(QLineEdit::Password);
    EdyToken->setMaxLength(1000);
    BtnUsunToken = new QPushButton(QStringLiteral("&Usuń token"), this);
    auto *wToken = new QHBoxLayout;
    wToken->addWidget(EdyToken, 1);
    wToken->addWidget(BtnUsunToken);
    auto *etykietaTokena = new QLabel(QStringLiteral("&Token KSeF"), this);
    etykietaTokena->setBuddy(EdyToken);
    f->addRow(etykietaTokena, wToken);
    LabToken = Opis(this);
    f->addRow(QString(), LabToken);

    BtnCertyfikat = new QPushButton(QStringLiteral("&Importuj certyfikat…"), this);
    BtnUsunCertyfikat = new QPushButton(QStringLiteral("Usuń c&ertyfikat"), this);
    auto *wCert = new QHBoxLayout;
    wCert->addWidget(BtnCertyfikat);
    wCert->addWidget(BtnUsunCertyfikat);
    wCert->addStretch();
    auto *etykietaCert = new QLabel(QStringLiteral("&Certyfikat KSeF"), this);
    etykietaCert->setBuddy(BtnCertyfikat);
    f->addRow(etykietaCert, wCert);
    LabCertyfikat = Opis(this);
    f->addRow(QString(), LabCertyfikat);
    auto *uwaga = Opis(this);
    uwaga->setText(QStringLiteral("Token i certyfikat (plik .p12 albo .crt z kluczem .key) są zapisywane po "
                                  "naciśnięciu OK w systemowym sejfie haseł, osobno dla każdego środowiska; nie "
                                  "trafiają do pliku Faktury.ini."));
    f->addRow(uwaga);

    connect(CbSrodowisko, &QComboBox::currentIndexChanged, this, &TdostepKsef::ZmianaSrodowiska);
    connect(EdyToken, &QLineEdit::textEdited, this, [this](const QString &t) {
        Tstan &s = Stan(Srodowisko());
        s.NowyToken = t;
        if (!t.trimmed().isEmpty())
            s.UsunToken = false;
        Pokaz();
    });
    connect(BtnUsunToken, &QPushButton::clicked, this, [this] {
        Tstan &s = Stan(Srodowisko());
        s.NowyToken.clear();
        s.UsunToken = s.TokenZapisany;
        EdyToken->clear();
        Pokaz();
    });
    connect(BtnCertyfikat, &QPushButton::clicked, this, &TdostepKsef::BtnCertyfikatClick);
    connect(BtnUsunCertyfikat, &QPushButton::clicked, this, [this] {
        Tstan &s = Stan(Srodowisko());
        // one imported but never saved simply goes
        if (s.CertyfikatZapisany)
            s.NowyCertyfikat = TposwiadczeniaKsef{};
        else
            s.NowyCertyfikat.reset();
        s.OpisCertyfikatu.clear();
        Pokaz();
    });
    m_pokazane = Srodowisko();
}

QString TdostepKsef::Srodowisko() const
{
    return QLatin1String(kSrodowiska[std::clamp(CbSrodowisko->currentIndex(), 0, 2)]);
}

void TdostepKsef::IniNaEkran(const TiniZentora &ini)
{
    m_indeksZPliku = IndeksSrodowiska(Trim(ini.iniKsefSrodowisko).toLower());
    CbSrodowisko->setCurrentIndex(m_indeksZPliku);
    ZmianaSrodowiska();
}

void TdostepKsef::EkranNaIni(TiniZentora &ini) const
{
    // the file's value stays as it was written (empty means test) unless another was chosen
    if (CbSrodowisko->currentIndex() != m_indeksZPliku)
        ini.iniKsefSrodowisko = Srodowisko();
}

TdostepKsef::Tstan &TdostepKsef::Stan(const QString &srodowisko) { return m_stany[srodowisko]; }

void TdostepKsef::Wczytaj()
{
    m_wczytanie = false;
    if (!isVisible())
        return;
    Tstan &s = Stan(Srodowisko());
    if (s.Wczytany)
        return;
    s.Wczytany = true;
    try {
        const TposwiadczeniaKsef p = CzytajSejfKsef(Srodowisko());
        s.TokenZapisany = !p.Token.isEmpty();
        s.CertyfikatZapisany = p.Certyfikatem();
        // a certificate imported meanwhile stays the one shown
        if (p.Certyfikatem() && !s.NowyCertyfikat) {
            try {
                s.OpisCertyfikatu = OpisCertyfikatuKsef(OpiszCertyfikatKsef(p));
            } catch (const EMojeBledy &b) {
                s.OpisCertyfikatu = QStringLiteral("zapisany, ale nie daje się otworzyć: ")
                                    + QString(b.komunikat()).replace(QLatin1Char('|'), QLatin1Char(' '));
            }
        }
    } catch (const EMojeBledy &b) {
        s.BladSejfu = QString(b.komunikat()).replace(QLatin1Char('|'), QLatin1Char(' '));
    }
    Pokaz();
}

void TdostepKsef::ZmianaSrodowiska()
{
    // what was typed stays with the environment it was typed for
    if (m_pokazane != Srodowisko()) {
        m_pokazane = Srodowisko();
        EdyToken->setText(Stan(m_pokazane).NowyToken);
    }
    Pokaz();
}

void TdostepKsef::showEvent(QShowEvent *e)
{
    // the dialog's font comes after the buttons were made: their room follows their text in it
    for (QPushButton *b : {BtnUsunToken, BtnCertyfikat, BtnUsunCertyfikat})
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 2 * b->fontMetrics().averageCharWidth());
    QGroupBox::showEvent(e);
    Pokaz();
}

void TdostepKsef::Pokaz()
{
    if (!isVisible())
        return;
    const Tstan &s = Stan(Srodowisko());
    // the keychain is read once the page is on screen and the events that showed it are
    // done: a locked keychain may ask for its password, which no one opening the
    // parameters for the bank account expects, and the reading waits for its answer
    if (!s.Wczytany && !m_wczytanie) {
        m_wczytanie = true;
        QTimer::singleShot(0, this, &TdostepKsef::Wczytaj);
    }
    QString token, placeholder;
    if (!s.Wczytany)
        token = QStringLiteral("Sprawdzanie sejfu systemowego…");
    else if (!s.NowyToken.trimmed().isEmpty())
        token = QStringLiteral("Nowy token zostanie zapisany po naciśnięciu OK.");
    else if (s.UsunToken)
        token = QStringLiteral("Zapisany token zostanie usunięty po naciśnięciu OK.");
    else if (s.TokenZapisany) {
        token = QStringLiteral("Token jest zapisany w sejfie systemowym.");
        placeholder = QStringLiteral("zapisany — wpisz nowy, aby go zastąpić");
    } else
        token = QStringLiteral("Brak zapisanego tokena.");
    if (!s.BladSejfu.isEmpty())
        token = s.BladSejfu;
    LabToken->setText(token);
    EdyToken->setPlaceholderText(placeholder);
    BtnUsunToken->setEnabled((s.TokenZapisany && !s.UsunToken) || !s.NowyToken.isEmpty());

    QString cert;
    if (!s.Wczytany && !s.NowyCertyfikat)
        cert = QStringLiteral("Sprawdzanie sejfu systemowego…");
    else if (s.OpisCertyfikatu.isEmpty())
        cert = s.NowyCertyfikat ? QStringLiteral("Zapisany certyfikat zostanie usunięty po naciśnięciu OK.")
                                : QStringLiteral("Brak certyfikatu.");
    else
        cert = s.OpisCertyfikatu
               + (s.NowyCertyfikat ? QStringLiteral(" (zostanie zapisany po naciśnięciu OK)") : QString());
    LabCertyfikat->setText(s.BladSejfu.isEmpty() ? cert : QString());
    LabCertyfikat->setVisible(s.BladSejfu.isEmpty());
    BtnUsunCertyfikat->setEnabled(!s.OpisCertyfikatu.isEmpty());
}

void TdostepKsef::BtnCertyfikatClick()
{
    const TplikiCertyfikatu pliki = ProcWybierzCertyfikatKsef ? ProcWybierzCertyfikatKsef(this) : TplikiCertyfikatu{};
    if (pliki.Certyfikat.isEmpty())
        return;
    const QString chroniony = pliki.Klucz.isEmpty() ? pliki.Certyfikat : pliki.Klucz;
    const std::optional<QByteArray> haslo =
        ProcHasloCertyfikatuKsef ? ProcHasloCertyfikatuKsef(this, chroniony) : std::nullopt;
    if (haslo)
        ImportujCertyfikat(pliki.Certyfikat, pliki.Klucz, *haslo);
}

bool TdostepKsef::ImportujCertyfikat(const QString &plik, const QString &plikKlucza, const QByteArray &haslo)
{
    TposwiadczeniaKsef p;
    QString opis;
    try {
        p.Certyfikat = CzytajPlikCertyfikatu(plik);
        if (!plikKlucza.isEmpty())
            p.Klucz = CzytajPlikCertyfikatu(plikKlucza);
        p.Haslo = haslo;
        p.NazwaCertyfikatu = QFileInfo(plik).fileName();
        opis = OpisCertyfikatuKsef(OpiszCertyfikatKsef(p));
    } catch (const EMojeBledy &b) {
        KomunikatOkna(window(), QStringLiteral("X") + b.komunikat());
        return false;
    }
    Tstan &s = Stan(Srodowisko());
    s.NowyCertyfikat = p;
    s.OpisCertyfikatu = opis;
    Pokaz();
    return true;
}

bool TdostepKsef::ZapiszSejf(QWidget *okno)
{
    for (auto it = m_stany.begin(); it != m_stany.end(); ++it) {
        Tstan &s = it.value();
        const QByteArray token = s.NowyToken.trimmed().toUtf8();
        try {
            if (!token.isEmpty() || s.UsunToken) {
                ZapiszSekretKsef(it.key(), TsekretKsef::Token, token);
                s.TokenZapisany = !token.isEmpty();
                s.NowyToken.clear();
                s.UsunToken = false;
            }
            if (s.NowyCertyfikat) {
                const TposwiadczeniaKsef &p = *s.NowyCertyfikat;
                // the certificate is what marks a set as present: written last, removed first,
                // so a set half written is never taken for a whole one
                if (p.Certyfikat.isEmpty())
                    ZapiszSekretKsef(it.key(), TsekretKsef::Certyfikat, {});
                ZapiszSekretKsef(it.key(), TsekretKsef::Klucz, p.Klucz);
                ZapiszSekretKsef(it.key(), TsekretKsef::Haslo, p.Haslo);
                if (!p.Certyfikat.isEmpty())
                    ZapiszSekretKsef(it.key(), TsekretKsef::Certyfikat, p.Certyfikat);
                s.CertyfikatZapisany = !p.Certyfikat.isEmpty();
                s.NowyCertyfikat.reset();
            }
        } catch (const EMojeBledy &b) {
            CbSrodowisko->setCurrentIndex(IndeksSrodowiska(it.key()));
            KomunikatOkna(okno, QStringLiteral("X") + b.komunikat());
            return false;
        }
    }
    EdyToken->clear();
    Pokaz();
    return true;
}
