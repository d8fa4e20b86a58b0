#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// The value rules of TWD files: splitting a ";"-separated line, escaping a field for writing and
// decoding a read field by its type code.
class TwdCoding
{
public:
    // Cuts at each ";" in turn; empty elements between two ";" stay, a trailing ";" adds none.
    static QStringList TwdSplit(const QString& line);
    // "\" → "\5c", carriage return → "\0d", line feed → "\0a", ";" → "\3b".
    static QString TwdEscape(const QString& value);
    // By type code: 1 boolean, 2/3/4 integer, 8 date, 10 escaped text, 11 week key; other codes as
    // they are. A value that fails its check decodes as the empty string.
    static QString TwdDecode(const QString& value, int code);

private:
    static QString unescape(const QString& value);
};

} // namespace korbelant
