#pragma once
// The drop-down pick list: a borderless two-column list under an edit field (or centred on
// the screen), picked by mouse or keyboard with a search by typed prefix. WybierzZListy
// opens it and waits in a loop of its own until it closes. The rows, the search and the
// sizes come from TlistaWyboru; this window shows them and passes it the keys.

#include "listawyboru.h"
#include "okienka.h"

#include <QColor>
class TjustGrid;

class TdlgKontekst : public TMaleOkno {
    Q_OBJECT
public:
    explicit TdlgKontekst(QWidget *forma = nullptr, Qt::WindowFlags flagi = Qt::Tool | Qt::FramelessWindowHint);
    ~TdlgKontekst() override;

    // The pick list that is open now (at most one), or nullptr.
    static TdlgKontekst *Otwarty();

    TjustGrid *Grid() const { return m_grid; }
    const TlistaWyboru &Lista() const { return m_lista; }
    QColor FclKoment() const { return m_klKoment; }
    int Lkodu() const { return m_Lkodu; }
    int Lopis() const { return m_Lopis; }
    int FlenKodu() const { return m_lista.LenKodu(); }
    bool FjestKod() const { return m_lista.JestKod(); }
    QWidget *Fkontrol() const { return m_kontrol; }
    // The rows shown at once and whether the list scrolls.
    int Widoczne() const { return m_rozmiar.widoczne; }
    bool MaPasek() const { return m_rozmiar.pasek; }

    // The search prefix typed so far.
    QString Fszukany() const { return m_lista.Szukany(); }
    void UstawSzukany(const QString &s) { m_lista.UstawSzukany(s); }

    bool FSUKCES() const { return Przyjete(); }
    bool FKONIEC() const { return Zamkniete(); }
    QString FwynikParam() const { return m_wynikParam; }
    QString FwynikOpis() const { return m_wynikOpis; }

    // Fills the grid from the lines (code length 0: plain lines) in the font of the style code.
    void WypelnijListe(const QString &linie, int lenKodu, int kodCzcionki);
    // Sizes the window for `wiersze` visible rows (negative: exactly that many) and the
    // given width in 96-dpi pixels (0: as wide as the texts), then places it under the
    // field, or centred on the screen without one.
    void UstawRozmiar(int wiersze, int szerokosc, QWidget *pole);
    // Selects the first row that begins with the prefix; see TlistaWyboru::Szukaj.
    void Szukaj(bool naPoczatek);
    // Takes the selected row; closes unless it is a comment row.
    void Zatwierdz();
    void Przypisz_ContextPopUpOknomEdycji();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // True when the key was the list's (the grid must not see it).
    bool FormKeyDown(QKeyEvent *e);
    void GridDblClick();
    void GridDrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan);
    void PokazWybrany();

    TjustGrid *m_grid = nullptr;
    TlistaWyboru m_lista;
    TrozmiarListy m_rozmiar;
    QColor m_klKoment;
    int m_Lkodu = 0;
    int m_Lopis = 0;
    int m_wysWiersza = 19;
    QPointer<QWidget> m_kontrol;
    QString m_wynikParam;
    QString m_wynikOpis;
    bool m_synchronizacja = false;
};

// Shows the lines (one item a line; with dlugoscKodu > 0 each line is a code of that many
// characters and a description) under `pole`, or centred on the screen without a field,
// and waits until the user picks a row or leaves. `param` is the initial search prefix on
// entry and the chosen code (or line) on return; `opis` gets the description (empty for
// plain lines). `szerokosc` 0 means as wide as the texts; `wiersze` is the number of
// visible rows (negative: exactly that many even for fewer lines); `kodCzcionki` chooses
// the font and the comment colour. False at once while another pick list is open or when
// there are no lines; false when nothing was chosen (then `param` is unchanged).
bool WybierzZListy(QWidget *forma, const QString &linie, int dlugoscKodu, int szerokosc, int wiersze, int kodCzcionki,
                   QWidget *pole, QString &opis, QString &param);
