#pragma once
// The date-picking window: a month grid with month and year arrows, a month menu and a
// button for today. Opened under a date field (or over a window) by KalendarzDlaPola,
// which waits until the user picks a date or leaves.

#include "okienka.h"

class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class TmojKalendarz;

class TDlgKalenUstaw : public TMaleOkno {
    Q_OBJECT
public:
    explicit TDlgKalenUstaw(QWidget *forma = nullptr, Qt::WindowFlags flagi = Qt::Window);
    ~TDlgKalenUstaw() override;

    // The window that is open now (at most one), or nullptr.
    static TDlgKalenUstaw *Otwarty();

    TmojKalendarz *Siatka() const { return m_siatka; }
    QToolButton *SpeedMiesiac() const { return m_speedMiesiac; }
    QToolButton *SpeedPredMsc() const { return m_speedPredMsc; }
    QToolButton *SpeedNextMsc() const { return m_speedNextMsc; }
    QToolButton *SpeedPredRok() const { return m_speedPredRok; }
    QToolButton *SpeedNextRok() const { return m_speedNextRok; }
    QPushButton *DzisiajBtn() const { return m_dzisiajBtn; }
    QLabel *LabelRok() const { return m_labelRok; }
    QMenu *PopupMiesiace() const { return m_popupMiesiace; }
    double Fdzisiaj() const { return m_dzisiaj; }

    // Whether a date was chosen, and which ("DD.MM.YYYY").
    bool Wybrano() const { return Przyjete(); }
    QString WybranaData() const { return m_data; }

    // Places the window under the field, or centred over the form without one.
    void UstawPolozenie(QWidget *forma, QWidget *pole);
    // Shows the date of the text; an empty or invalid text leaves today.
    void UstawTekst(const QString &tekst);
    void OdswiezNaglowek();
    void Przypisz_ContextPopUpOknomEdycji();

    // Today as the calendar sees it.
    static double Dzisiaj();

public slots:
    void MenuClick(int miesiac);
    void SpeedMiesiacClick();
    void SpeedPredMscClick();
    void SpeedNextMscClick();
    void SpeedNextRokClick();
    void SpeedPredRokClick();
    void DzisiajBtnClick();
    void SiatkaDblClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void UlozKontrolki();
    void Wybierz(double dzien);

    TmojKalendarz *m_siatka = nullptr;
    QWidget *m_pasekGorny = nullptr;
    QWidget *m_pasekDolny = nullptr;
    QWidget *m_podkladSiatki = nullptr;
    QToolButton *m_speedMiesiac = nullptr;
    QToolButton *m_speedPredMsc = nullptr;
    QToolButton *m_speedNextMsc = nullptr;
    QToolButton *m_speedPredRok = nullptr;
    QToolButton *m_speedNextRok = nullptr;
    QPushButton *m_dzisiajBtn = nullptr;
    QLabel *m_labelRok = nullptr;
    QMenu *m_popupMiesiace = nullptr;
    double m_dzisiaj = 0;
    QString m_data;
};

// Opens the calendar for a field (the window under it) or, without a field, over the form,
// starting at the date in `tekst`; waits until it closes. True when a date was chosen: it
// is then in `tekst` as "DD.MM.YYYY". False at once while another calendar is open.
bool KalendarzDlaPola(QWidget *forma, QWidget *pole, QString &tekst);

// Makes KalendarzDlaPola the program's calendar hook; called once at start-up.
void ZainstalujKalendarz();
