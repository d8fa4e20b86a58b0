#pragma once

#include <QString>
#include <ostream>

// Failed comparisons of QStrings show the text instead of the bytes of the object.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
