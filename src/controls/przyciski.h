#pragma once
// Image buttons: the glyph is a picture of an image list (the application's lists of
// ikonyapli.h, or a window's own), drawn with a transparent colour; a two-state glyph also
// gets its disabled picture at half opacity.

#include "common/paleta.h"
#include "ikonyapli.h"

#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

// The glyph and its list, shared by both buttons; every setter redraws.
class TGlifPrzycisku {
public:
    int XnrObrazka() const { return m_nr; }
    const TListaObrazow *XimageList() const { return m_lista; }
    TKolor XmaskKolor() const { return m_maska; }
    int NumGlyphs() const { return m_stany; }

    void setXnrObrazka(int nr);
    // The button follows the list: when the list is destroyed, the glyph goes with it.
    void setXimageList(const TListaObrazow *lista);
    void setXmaskKolor(TKolor c);
    void setNumGlyphs(int n);

protected:
    explicit TGlifPrzycisku(QAbstractButton *przycisk) : m_przycisk(przycisk) {}
    virtual ~TGlifPrzycisku() = default;
    TGlifPrzycisku(const TGlifPrzycisku &) = delete;
    TGlifPrzycisku &operator=(const TGlifPrzycisku &) = delete;

    // Whether the button shows a picture of its own (an action's) instead of the glyph.
    virtual bool ObrazekWlasny() const = 0;
    void Przerysuj();

private:
    template <typename T> void UstawGlif(T &pole, T wartosc)
    {
        pole = wartosc;
        Przerysuj();
    }

    QAbstractButton *m_przycisk;
    QPointer<const TListaObrazow> m_lista;
    QMetaObject::Connection m_sledzenie;
    int m_nr = -1;
    TKolor m_maska = RGB(212, 208, 200);
    int m_stany = 1;
};

class TExBitBtn : public QPushButton, public TGlifPrzycisku {
    Q_OBJECT
public:
    explicit TExBitBtn(QWidget *rodzic = nullptr);
    TExBitBtn(const QString &tekst, QWidget *rodzic);
    // A button driven by an action shows the action's text, state and picture, not a glyph of
    // the list.
    void setAction(QAction *a);
    QAction *Action() const { return m_akcja; }

protected:
    bool ObrazekWlasny() const override { return m_akcja; }

private:
    QPointer<QAction> m_akcja;
};

class TExSpeedButton : public QToolButton, public TGlifPrzycisku {
    Q_OBJECT
public:
    explicit TExSpeedButton(QWidget *rodzic = nullptr);
    void setDefaultAction(QAction *a);

protected:
    bool ObrazekWlasny() const override { return defaultAction(); }
};

// The picture with the mask colour made transparent, and its half-transparent disabled form.
QPixmap ObrazekZMaska(const QPixmap &obrazek, TKolor maska);
QPixmap ObrazekZakazany(const QPixmap &obrazek);
