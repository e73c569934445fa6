#pragma once
// The canvas that writes a PDF document itself, in the printout's own sans-serif faces.
// Qt's PDF engine starts the font system, matches fonts and walks every code point of a
// face whenever it embeds it; an invoice needs two faces known at build time, so this
// canvas reads their tables once per process and writes pages, text, lines and images
// straight into PDF objects. It needs QtCore and QImage only: no window system, no fonts
// of the system. Text is measured exactly as the QPainter canvas measures it in the same
// faces, so a sheet breaks its lines and pages the same on either.

#include "kanwa.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class TKrojPdf;

class TKanwaPdf : public TKanwa {
public:
    // A page of `szerokoscPt` x `wysokoscPt` points; the device is `dpi` pixels per inch
    // and its pixel (0, 0) lies `lewyPt`, `gornyPt` points from the page's top-left corner.
    TKanwaPdf(double szerokoscPt, double wysokoscPt, double lewyPt, double gornyPt, int dpi);
    ~TKanwaPdf() override;

    // Whether the faces are in the program; without them the canvas cannot be used.
    static bool Dostepna();

    void UstawOpis(const QString &tytul, const QString &tworca);
    void NowaStrona();
    // The whole document, ending with its last page.
    QByteArray Zakoncz();
    int Strony() const { return int(m_strony.size()) + 1; }

    void UstawCzcionke(const TFontKanwy &f) override;
    void UstawOdwzorowanie(int okno, int widok, TPoint poczatek) override;
    TMetrykiTekstu Metryki() override;
    qint32 SzerokoscTekstu(const QString &s) override;
    void PiszTekst(TPoint p, const QString &s, const TRect *klip) override;
    bool KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel) override;

protected:
    void RysujLinie(TPoint od, TPoint do_) override;
    void Wypelnij(const TRect &r, TKolor kolor) override;

private:
    struct Rozmiar;
    Rozmiar &Biezacy();
    qint64 Szerokosc64(const QString &s);   // in 1/64 device pixels
    double DoX(qint32 x) const;
    double DoY(qint32 y) const;
    double Dlugosc(qint32 d) const;
    void Kolor(TKolor k, bool wypelnienie);
    void Prostokat(double x, double y, double w, double h);

    double m_szer, m_wys, m_lewy, m_gorny;
    int m_dpi;
    QString m_tytul, m_tworca;
    std::string m_macierz;               // what every page starts with
    std::string m_strona;                // the operators of the page being drawn
    std::vector<std::string> m_strony;   // the finished pages' operators
    QList<QByteArray> m_obrazy;          // image objects, numbered in order
    QList<QList<int>> m_obrazyStron;     // which images each finished page uses
    QList<int> m_obrazyStrony;
    QHash<QByteArray, int> m_numeryObrazow;
    // glyphs used per face, with the text each one stands for
    QHash<quint16, QString> m_glify[2];
    bool m_uzyteKroje[2] = {false, false};
    // the state written into the page, so it is repeated only when it changes
    qint64 m_kolorLinii = 0, m_kolorWypelnienia = 0;
    double m_gruboscLinii = -1;   // the line width and style written, -1 for none yet
    int m_stylLinii = -1;
    std::shared_ptr<Rozmiar> m_biezacy;
};
