#pragma once
// The editor's commands that talk to KSeF: the open invoice sent, the purchase invoices of a
// date range received, and the windows they show meanwhile and afterwards.

#include "ksef/poswiadczenia.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// What the editor signs in to KSeF with: the secrets saved for the environment, unless a
// host (or a test) supplies its own.
extern std::function<TposwiadczeniaKsef(const TsrodowiskoKsef &srodowisko)> PoswiadczeniaEdytora;

// The window that stays while KSeF works: what is being done, and Cancel (also Esc and the
// close button). Modal; the work goes on in the event loop, which keeps it alive.
class TPostepKsef : public QDialog {
    Q_OBJECT
public:
    TPostepKsef(QWidget *wlasciciel, const QString &tytul);
    void Etap(const QString &tekst);
    // True once the user cancelled: the work stops at its next wait.
    bool Przerwano() const { return m_przerwano; }
    void reject() override;

private:
    QLabel *m_etap = nullptr;
    QPushButton *m_anuluj = nullptr;
    bool m_przerwano = false;
};

// One invoice the receiving brought, as the list shows it.
struct TpobranaFaktura {
    QString Numer, Plik;
    QString Sprzedawca, Data, Brutto;   // empty when the file is no FA(3) invoice
    bool Byla = false;                  // the file was there already and was left as it was
    QString Blad;                       // why it was not saved
};
// The row of the list for what receiving reported: the file read for its seller, date and gross.
TpobranaFaktura OpiszPobrana(const QString &numer, const QString &plik, bool byla, const QString &blad);

// The date range and the folder of the receiving; false when the user gave up.
bool PytajOZakresOdbioru(QWidget *wlasciciel, QDate &od, QDate &doDnia, QString &katalog);

// What came, one row each; Enter or a double click opens the row's file.
class TListaPobranych : public QDialog {
    Q_OBJECT
public:
    TListaPobranych(const QList<TpobranaFaktura> &lista, const QString &naglowek, QWidget *rodzic);
    // The file chosen to open (its full path), empty for none.
    QString Wybrany() const { return m_wybrany; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Otworz();
    QList<TpobranaFaktura> m_lista;
    QTableWidget *m_tabela = nullptr;
    QString m_wybrany;
};
QString PokazPobrane(QWidget *wlasciciel, const QList<TpobranaFaktura> &lista, const QString &naglowek);

// The open dialog for an FA(3) file, starting in `folder`; empty when the user gave up.
QString NazwaPlikuXmlZDialogu(QWidget *wlasciciel, const QString &folder);

// The KSeF number a downloaded invoice's file is named after; empty for any other name.
QString NumerKsefZNazwy(const QString &plik);
