#pragma once
// Image buttons: the glyph is a picture of one of the application's image lists, drawn with a
// transparent colour; a two-state glyph also gets its disabled picture at half opacity.

#include "common/paleta.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

// A list of same-sized pictures addressed by index.
class TListaObrazkow : public QObject {
    Q_OBJECT
public:
    explicit TListaObrazkow(QObject *rodzic = nullptr) : QObject(rodzic) {}
    int Dodaj(const QPixmap &obrazek);
    int Liczba() const { return int(m_obrazki.size()); }
    QPixmap Obrazek(int nr) const { return nr >= 0 && nr < Liczba() ? m_obrazki.at(nr) : QPixmap(); }

private:
    QList<QPixmap> m_obrazki;
};

// What both buttons share; `Odswiez` builds the icon of the button it is given.
class TGlifPrzycisku {
public:
    int XnrObrazka() const { return m_nr; }
    TListaObrazkow *XimageList() const { return m_lista; }
    TKolor XmaskKolor() const { return m_maska; }
    int NumGlyphs() const { return m_stany; }

protected:
    void Odswiez(QAbstractButton *b);
    QPointer<TListaObrazkow> m_lista;
    int m_nr = -1;
    TKolor m_maska = RGB(212, 208, 200);
    int m_stany = 1;
};

class TExBitBtn : public QPushButton, public TGlifPrzycisku {
    Q_OBJECT
public:
    explicit TExBitBtn(QWidget *rodzic = nullptr);
    void setXnrObrazka(int nr);
    void setXimageList(TListaObrazkow *lista);
    void setXmaskKolor(TKolor c);
    void setNumGlyphs(int n);
    // A button driven by an action shows the action's picture, not a glyph of the list.
    void setAction(QAction *a);
    QAction *Action() const { return m_akcja; }

private:
    void Przerysuj();
    QPointer<QAction> m_akcja;
};

class TExSpeedButton : public QToolButton, public TGlifPrzycisku {
    Q_OBJECT
public:
    explicit TExSpeedButton(QWidget *rodzic = nullptr);
    void setXnrObrazka(int nr);
    void setXimageList(TListaObrazkow *lista);
    void setXmaskKolor(TKolor c);
    void setNumGlyphs(int n);
    void setDefaultAction(QAction *a);

private:
    void Przerysuj();
};

// The picture with the mask colour made transparent, and its half-transparent disabled form.
QPixmap ObrazekZMaska(const QPixmap &obrazek, TKolor maska);
QPixmap ObrazekZakazany(const QPixmap &obrazek);
