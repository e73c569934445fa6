#pragma once
// KSeF in the editor: the "KSeF" page of the parameters dialog, the reason of a new
// correction and the name of the XML file.

#include "invoice/rekord.h"

#include <QWidget>

class QLineEdit;
class TdostepKsef;

class TStronaKsef : public QWidget {
    Q_OBJECT
public:
    explicit TStronaKsef(QWidget *rodzic = nullptr);
    void IniNaEkran(const TiniZentora &ini);
    void EkranNaIni(TiniZentora &ini) const;

    QLineEdit *EdyKsefNip = nullptr;
    QLineEdit *EdyKsefNazwa = nullptr;
    QLineEdit *EdyKsefAdresL1 = nullptr;
    QLineEdit *EdyKsefAdresL2 = nullptr;
    QLineEdit *EdyKsefPodstawa = nullptr;
    TdostepKsef *DostepKsef = nullptr;
};

// Asks for the reason of a correction about to be issued (it may stay empty until the
// correction is saved); false when the user gives up.
bool PytajOPrzyczyneKorekty(QWidget *wlasciciel, QString &przyczyna);

// Asks for the KSeF number, starting with the current one; false when the user gives up.
bool PytajONumerKsef(QWidget *wlasciciel, QString &numer);

// The save dialog for the XML file, starting at `proponowana`; empty when the user gave up.
QString NazwaPlikuKsefZDialogu(QWidget *wlasciciel, const QString &proponowana);
