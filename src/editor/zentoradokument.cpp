// What makes the window's invoice a legal document: the fields of a correction, the lock of
// an invoice with a KSeF number, the questions about split payment and an exemption, the
// KSeF record kept in the file at once, and the correction issued from an invoice.

#include "zentoraedyt.h"

#include "poleedycji.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "invoice/dokument.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"
#include "siatkifaktury.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

int TZentoraForma::WierszeDodatkowe() const
{
    return (cboZentora->currentIndex() == rFakKoryg ? 2 : 0) + (m_tylkoDoOdczytu ? 1 : 0);
}

void TZentoraForma::PokazPolaKorekty()
{
    const bool korekta = cboZentora->currentIndex() == rFakKoryg;
    for (QWidget *w : {static_cast<QWidget *>(EdyDataKoryg), static_cast<QWidget *>(SpeedData4),
                       static_cast<QWidget *>(EdyKsefKoryg), static_cast<QWidget *>(EdyPrzyczyna)})
        w->setVisible(korekta);
    for (const char *t : {"Do faktury", "z dnia", "Nr KSeF", "Przyczyna"})
        m_etykiety.value(QLatin1String(t))->setVisible(korekta);
    m_etykiety.value(QStringLiteral("Dla faktury korygującej - symbol faktury korygowanej"))->setVisible(!korekta);
    if (korekta) {
        setTabOrder(EdyPodstawa, EdyFakKoryg);
        setTabOrder(EdyFakKoryg, EdyDataKoryg);
    } else {
        setTabOrder(SumGrid, EdyFakKoryg);
        setTabOrder(EdyFakKoryg, CbRatalnie);
    }
    UlozKontrolki();
}

void TZentoraForma::UstawTylkoDoOdczytu(bool tak)
{
    m_tylkoDoOdczytu = tak;
    for (QLineEdit *e :
         {static_cast<QLineEdit *>(EdyNumRach), static_cast<QLineEdit *>(EdyFirma), static_cast<QLineEdit *>(EdyUlica),
          static_cast<QLineEdit *>(EdyKod), static_cast<QLineEdit *>(EdyMiasto), static_cast<QLineEdit *>(EdyNip),
          static_cast<QLineEdit *>(EdyOsoba), static_cast<QLineEdit *>(EdyDatWyst),
          static_cast<QLineEdit *>(EdyDatSprz), static_cast<QLineEdit *>(EdyDatZapl),
          static_cast<QLineEdit *>(EdyUwagi), static_cast<QLineEdit *>(EdyFakKoryg),
          static_cast<QLineEdit *>(EdyPodstawa), static_cast<QLineEdit *>(EdyDataKoryg),
          static_cast<QLineEdit *>(EdyKsefKoryg), static_cast<QLineEdit *>(EdyPrzyczyna)})
        e->setReadOnly(tak);
    for (QWidget *w :
         {static_cast<QWidget *>(cboZentora), static_cast<QWidget *>(cboJakPlaci), static_cast<QWidget *>(CbRatalnie),
          static_cast<QWidget *>(CbMPP), static_cast<QWidget *>(SpeedData1), static_cast<QWidget *>(SpeedData2),
          static_cast<QWidget *>(SpeedData3), static_cast<QWidget *>(SpeedData4), static_cast<QWidget *>(BtnSpFirma),
          static_cast<QWidget *>(BtnSprzedal)})
        w->setEnabled(!tak);
    for (QAction *a : {UsuWiersz, WsawWiersz, AcAktNumer})
        a->setEnabled(!tak);
    if (tak)
        Grid->PrzerwijEdycje();
    Grid->setXkolReOnly(tak ? QStringLiteral("1111111111") : KolumnyTylkoDoOdczytu());
    // why the invoice cannot be changed, and what to do instead
    QString powod;
    if (m_plikZajety)
        powod = QStringLiteral("  Plik jest otwarty w innym oknie programu Zentora: tylko do odczytu. "
                               "Kopia: Plik → Zapisz jako…");
    else if (!m_plikXml.isEmpty())
        powod = QStringLiteral("  Faktura z pliku KSeF (XML): tylko do odczytu. "
                               "Zapis jako nowy plik .FAK: Plik → Zapisz jako…");
    else if (const QString nip = NipObcegoSprzedawcy(Zentora, IniZentora); !nip.isEmpty())
        powod = QStringLiteral("  Faktura sprzedawcy o NIP %1 z KSeF: tylko do odczytu.").arg(nip);
    else
        powod = QStringLiteral("  Faktura ma numer KSeF i nie może być zmieniana. "
                               "Zmiany: faktura korygująca, Plik → Wystaw korektę…");
    LabTylkoOdczyt->setText(powod);
    LabTylkoOdczyt->setVisible(tak);
    UlozKontrolki();
}

void TZentoraForma::SprawdzKorekte()
{
    const QString odmowa = OdmowaKorekty(Zentora);
    if (odmowa.isEmpty() || m_tylkoDoOdczytu)
        return;
    KomunikatOkna(this, odmowa);
    if (Pusty(Zentora.DoKorekty))
        EdyFakKoryg->setFocus(Qt::OtherFocusReason);
    else if (TekstNaDate(Zentora.DataKorygowanej, 0) <= 0)
        EdyDataKoryg->setFocus(Qt::OtherFocusReason);
    else
        EdyPrzyczyna->setFocus(Qt::OtherFocusReason);
    Wymagaj(false, QString());
}

void TZentoraForma::PytajOMpp()
{
    if (m_tylkoDoOdczytu || m_mppZapytano || Zentora.MPP
        || TekstNaFloat(Zentora.SumyFaktury[vatSum].Brutto, 0) < kProgMpp)
        return;
    m_mppZapytano = true;
    if (!PytanieTakNieOkna(this, QStringLiteral("Mechanizm podzielonej płatności"),
                           QStringLiteral("?Kwota należności wynosi co najmniej 15 000,00 zł.|Czy faktura obejmuje "
                                          "towary lub usługi z załącznika nr 15 do ustawy o VAT ?||Tak: faktura "
                                          "dostanie oznaczenie „mechanizm podzielonej płatności”."),
                           2))
        return;
    CbMPP->setChecked(true);
    Zentora.MPP = true;
}

void TZentoraForma::PytajOPodstaweZwolnienia()
{
    if (!BrakPodstawyZwolnienia(Zentora, IniZentora))
        return;
    const bool drukuj = PytanieTakNieOkna(
        this, TytulAplikacji(),
        QStringLiteral("!Faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia (przepisu ustawy lub "
                       "dyrektywy).|Wpisz ją w polu „Podstawa zwolnienia” albo na stronie „KSeF” parametrów.||"
                       "Czy mimo to drukować ?"),
        2);
    if (!drukuj) {
        EdyPodstawa->setFocus(Qt::OtherFocusReason);
        Wymagaj(false, QString());
    }
}

bool TZentoraForma::ZapisanaPrzedKsef()
{
    if (m_plikZajety) {
        // the record would go into a file another window holds
        KomunikatOkna(this, QStringLiteral("XPlik  %1  jest otwarty w innym oknie programu Zentora.|"
                                           "Zapis KSeF trafia do pliku faktury: użyj tamtego okna.")
                                .arg(NazwaPliku()));
        return false;
    }
    EkranNaRekord(false);
    if (!NazwaRobo.isEmpty() && FakturyRowne(Zentora, FaktRobo))
        return true;
    if (!PytanieOkAnuluj(this,
                         QStringLiteral("?Faktura %1 ma niezapisane zmiany.|Zapis KSeF trafia do pliku faktury, więc "
                                        "najpierw trzeba ją zapisać.||Czy zapisać fakturę teraz ?")
                             .arg(NazwaPliku()),
                         1))
        return false;
    PrzygotujDoWydania(true);
    SprawdzKorekte();
    PytajOMpp();
    return ZapiszPlik(false);
}

void TZentoraForma::ZapiszRekordKsef()
{
    // The file held the invoice as it is (ZapisanaPrzedKsef): only the KSeF record is new.
    try {
        ZapiszFakture(SciezkaRobo, Zentora);
        FaktRobo = Zentora;
    } catch (const EMojeBledy &e) {
        KomunikatOkna(this, QStringLiteral("XZapisu KSeF nie udało się dopisać do pliku faktury %1:|%2")
                                .arg(NazwaPliku(), e.komunikat()));
    }
    PokazStanKsef();
    UstawTylkoDoOdczytu(FakturaOstateczna(Zentora));
}

void TZentoraForma::AcWystawKorekteExecute()
{
    ZatwierdzKomorke();
    if (NazwaRobo.isEmpty()) {
        KomunikatOkna(this, QStringLiteral("XKorektę wystawia się do zapisanej faktury.|Najpierw zapisz fakturę albo "
                                           "otwórz ją z dysku."));
        return;
    }
    if (FaktRobo.RodzajFak == rProForma) {
        KomunikatOkna(this, QStringLiteral("XDo faktury pro forma nie wystawia się faktury korygującej."));
        return;
    }
    // a supplier's invoice is corrected by the supplier; the user may still have two NIPs
    if (const QString nip = NipObcegoSprzedawcy(FaktRobo, IniZentora); !nip.isEmpty()) {
        if (!PytanieTakNieOkna(this, QStringLiteral("Wystaw korektę"),
                               QStringLiteral("?Tę fakturę wystawił sprzedawca o NIP %1, a w parametrach jest inny "
                                              "NIP.|Korektę faktury zakupu wystawia jej sprzedawca.||Czy mimo to "
                                              "wystawić korektę jako sprzedawca ?")
                                   .arg(nip),
                               2))
            return;
    }
    // the correction corrects the invoice as saved: unsaved changes are given up first
    if (!CzyPorzucicZmiany())
        return;
    QString przyczyna;
    if (Dialogi.PrzyczynaKorekty && !Dialogi.PrzyczynaKorekty(this, przyczyna))
        return;
    Grid->PrzerwijEdycje();
    Zentora = WystawKorekte(FaktRobo, IniZentora, DataDzis(), przyczyna);
    // the next number of the corrections in the working folder
    if (IniZentora.iniAutoNum)
        Zentora.NumerFak = NastepnyNumer(Indeks().Wpisy(), Zentora);
    // a new document: never saved over the original, and unsaved until it is saved
    NazwaRobo.clear();
    SciezkaRobo.clear();
    FaktRobo = TzentoraVat();
    m_mppZapytano = false;
    m_sprzedawcaZKonfiguracji = false;
    UstawPodpis();
    RekordNaEkran();
    EkranNaRekord(false);
    (Pusty(przyczyna) ? static_cast<QWidget *>(EdyPrzyczyna) : static_cast<QWidget *>(Grid))
        ->setFocus(Qt::OtherFocusReason);
}
