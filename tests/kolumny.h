#pragma once
// The columns of a data table in one line: the types as template arguments, the names in the
// same order.

#include <QTest>

template <typename... Typy, typename... Nazwy> void Kolumny(const Nazwy &...nazwy)
{
    static_assert(sizeof...(Typy) == sizeof...(Nazwy), "one name for each column");
    (QTest::addColumn<Typy>(nazwy), ...);
}
