#pragma once
// The sectioned text store: an in-memory image of a text of [sections] and key=value
// lines, read and changed by section and key, written back when released.
// Comments, unknown entries and the order of sections and keys survive a rewrite;
// names are compared without regard to case.

#include "indeksnazw.h"
#include "kodowanie.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TvirIni {
public:
    // Called with Pisz false it fills Lista with the lines to load; with Pisz true it
    // receives the lines to store.
    using TpiszCzytIni = std::function<void(bool Pisz, QStringList &Lista)>;
    struct ZTekstu {};

    // A store on a file, loaded when the file exists (EMojeBledy when it cannot be read).
    explicit TvirIni(const QString &Plik);
    // A store on a text; never saved.
    TvirIni(ZTekstu, const QString &StrIni);
    // A store whose lines come from and go to a callback.
    explicit TvirIni(TpiszCzytIni PiszCzytIni);
    // Saves a pending change; an error is shown, not thrown. Call Zwolnij() to learn of it.
    virtual ~TvirIni();
    TvirIni(const TvirIni &) = delete;
    TvirIni &operator=(const TvirIni &) = delete;

    // Saves a pending change now and lets an error reach the caller (EMojeBledy);
    // after it the destructor has nothing left to save.
    void Zwolnij();
    void UpdateFile();

    QString ReadString(const QString &Section, const QString &Ident, const QString &Default) const;
    // The value ReadString gives for an entry that has one (empty otherwise) without a copy:
    // valid until the store changes.
    QStringView ReadView(const QString &Section, const QString &Ident) const;
    int ReadInteger(const QString &Section, const QString &Ident, int Default) const;
    double ReadFloat(const QString &Section, const QString &Ident, double Default) const;
    double ReadDate(const QString &Section, const QString &Ident, double Default) const;
    bool ReadBool(const QString &Section, const QString &Ident, bool Default) const;

    void WriteString(const QString &Section, const QString &Ident, const QString &Value);
    void WriteInteger(const QString &Section, const QString &Ident, int Value);
    void WriteFloat(const QString &Section, const QString &Ident, double Value);
    void WriteDate(const QString &Section, const QString &Ident, double Value);
    void WriteBool(const QString &Section, const QString &Ident, bool Value);

    bool SectionExists(const QString &Section) const;
    bool ValueExists(const QString &Section, const QString &Ident) const;
    void ReadSections(QStringList &Strings) const;
    void ReadSection(const QString &Section, QStringList &Strings) const;
    void ReadSectionValues(const QString &Section, QStringList &Strings) const;
    void NowaSekcja(const QString &Section, const QStringList &strings);
    void MowaTrescIni(const QString &StrIni);
    void Czysc();
    void EraseSection(const QString &Section);
    void DeleteKey(const QString &Section, const QString &Ident);

    bool XautoZapis() const { return FautoZapis; }
    void setXautoZapis(bool v) { FautoZapis = v; }
    bool XbezZapisu() const { return FbezZapisu; }
    void setXbezZapisu(bool v) { FbezZapisu = v; }
    bool Xzmieniono() const { return Fzmieniono; }
    bool Xzapisano() const { return Fzapisano; }
    QString FileName() const { return Fplik; }
    QString XtrescIni() const;
    // The encoding the file was read in and will be written in.
    Kodowanie XKodowanie() const { return FKodowanie; }

    static const QString kBezNazwy;    // the nameless section
    static const QString kKomentarz;   // key through which a line is appended as it is

private:
    struct Sekcja {
        QString nazwa;
        std::vector<QString> linie;
        IndeksNazw klucze;                  // key text -> first line with that key
        std::vector<QStringView> zalegle;   // parts of the loaded text not parsed yet
        QStringView KluczLinii(int i) const;
        int Szukaj(QStringView klucz) const { return Szukaj(klucz, SkrotNazwy(klucz)); }
        int Szukaj(QStringView klucz, quint32 skrot) const;
        void Indeksuj(int i);
        void PrzebudujIndeks();
    };

    void Wczytaj();
    void Parsuj(QStringView tekst);
    void Parsuj(const QStringList &linie);
    void ParsujLinie(Sekcja *&biezaca, QStringView surowa);
    Sekcja *Rozwin(Sekcja *s) const;
    QStringList Serializuj() const;
    void Zmiana();
    Sekcja *Znajdz(const QString &Section) const;   // with its lines parsed
    Sekcja *ZnajdzSekcje(const QString &Section) const;
    Sekcja *ZnajdzLubUtworz(QStringView Section);
    void IndeksujSekcje();
    int ZnajdzLinie(const Sekcja *s, const QString &Ident) const;
    void UstawWpis(const QString &Section, const QString &Ident, const QString &Value);
    // dziel: a line kept as it was read points into the loaded text
    static void ParsujWpis(Sekcja *s, QStringView l, bool dziel);
    // linia: the line the entry was read from, when it was
    static void DodajWpis(Sekcja *s, QStringView Ident, QStringView Value, QStringView linia, bool dziel);

    int FNcreate = 1;
    TpiszCzytIni FprocOutIn;
    QString Fplik;
    // The text the store was loaded from: the lines kept as they were read point into it
    // instead of being copied, and are copied when handed out.
    QString Ftekst;
    std::vector<std::unique_ptr<Sekcja>> Fsekcje;
    IndeksNazw FindeksSekcji;              // section name -> place in Fsekcje
    mutable Sekcja *Fostatnia = nullptr;   // the section found last
    bool Fzmieniono = false;
    bool Fzapisano = false;
    bool FautoZapis = false;
    bool FbezZapisu = false;
    Kodowanie FKodowanie = Kodowanie::Ansi;
};
