#include "poleedycji.h"

#include <algorithm>

TPoleEdycji::TPoleEdycji(int limit, QWidget *rodzic) : TPoleFiltrowane(rodzic), m_limit(limit) {}

bool TPoleEdycji::PrzyjmijZnak(QChar &, int, const QString &tekstPrzed)
{
    return m_limit <= 0 || tekstPrzed.size() < m_limit;
}

void TPoleEdycji::WklejTekst(const QString &tekst)
{
    if (m_limit <= 0) {
        insert(tekst);
        return;
    }
    const int miejsce = std::max(0, m_limit - int(TekstBezZaznaczenia().size()));
    QString t = tekst.left(miejsce);
    // a surrogate pair is never cut in half
    if (!t.isEmpty() && t.back().isHighSurrogate())
        t.chop(1);
    if (!t.isEmpty() || hasSelectedText())
        insert(t);
}
