#pragma once
// The access to KSeF on the "KSeF" page of the parameters: the environment (written to
// Faktury.ini) and, for each environment, the token and the certificate, which go only to
// the system keychain, and only when the dialog is accepted.

#include "invoice/rekord.h"
#include "ksef/poswiadczenia.h"

#include <QGroupBox>
#include <QMap>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TdostepKsef : public QGroupBox {
    Q_OBJECT
public:
    explicit TdostepKsef(QWidget *rodzic = nullptr);
    void IniNaEkran(const TiniZentora &ini);
    void EkranNaIni(TiniZentora &ini) const;
    // Writes what changed to the keychain; false (after telling the user why) when it could not.
    bool ZapiszSejf(QWidget *okno);

    // The environment shown: test, demo or prod.
    QString Srodowisko() const;
    // Reads the files and checks that the password opens them; false after a message.
    bool ImportujCertyfikat(const QString &plik, const QString &plikKlucza, const QByteArray &haslo);

    QComboBox *CbSrodowisko = nullptr;
    QLineEdit *EdyToken = nullptr;
    QLabel *LabToken = nullptr;
    QPushButton *BtnUsunToken = nullptr;
    QLabel *LabCertyfikat = nullptr;
    QPushButton *BtnCertyfikat = nullptr;
    QPushButton *BtnUsunCertyfikat = nullptr;

private:
    // What one environment has in the keychain and what the user changed in it so far.
    struct Tstan {
        QString BladSejfu;
        bool TokenZapisany = false;
        bool CertyfikatZapisany = false;
        QString NowyToken;   // as typed
        bool UsunToken = false;
        QString OpisCertyfikatu;                            // of the saved one, or of the new one; empty: none
        std::optional<TposwiadczeniaKsef> NowyCertyfikat;   // an empty one: remove
        bool Wczytany = false;
    };
    Tstan &Stan(const QString &srodowisko);
    void ZmianaSrodowiska();
    void Wczytaj();
    void Pokaz();
    void BtnCertyfikatClick();
    void showEvent(QShowEvent *e) override;

    QMap<QString, Tstan> m_stany;
    QString m_pokazane;
    int m_indeksZPliku = 0;
    bool m_wczytanie = false;
};

// The platform dialogs of the import, replaceable (tests put their own answers here): the
// certificate file (and, for a .crt, its .key), then the password. Empty paths or nullopt
// when the user gave up.
struct TplikiCertyfikatu {
    QString Certyfikat, Klucz;
};
extern std::function<TplikiCertyfikatu(QWidget *rodzic)> ProcWybierzCertyfikatKsef;
extern std::function<std::optional<QByteArray>(QWidget *rodzic, const QString &plik)> ProcHasloCertyfikatuKsef;
