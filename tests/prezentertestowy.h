#pragma once
// A message presenter for tests: records every box and answers as told.

#include "common/komunikaty.h"

#include <QList>
#include <QStringList>

class PrezenterTestowy : public PrezenterKomunikatow {
public:
    PrezenterTestowy() { m_poprzedni = UstawPrezenter(this); }
    ~PrezenterTestowy() override { UstawPrezenter(m_poprzedni); }

    int Pokaz(const TparDlg &par) override
    {
        pokazane.append(par);
        if (!odpowiedzi.isEmpty())
            return odpowiedzi.takeFirst();
        return DomyslnyPrzycisk(par);
    }

    // The texts shown, with line breaks as "|" again for easy comparison.
    QStringList teksty() const
    {
        QStringList t;
        for (const TparDlg &p : pokazane)
            t.append(QString(p.pInfo).replace(QChar(13), QLatin1Char('|')));
        return t;
    }
    QString ostatni() const { return teksty().value(teksty().size() - 1); }

    QList<TparDlg> pokazane;
    QList<int> odpowiedzi;   // answers in order; the default button when none is left

private:
    PrezenterKomunikatow *m_poprzedni = nullptr;
};
