#pragma once

#include <QVariant>

struct px_doc;
struct px_val;

namespace korbelant {

// The value of one field of a Paradox record as pxlib gives it, in the program's form: dates as
// QDate, times as QTime, time stamps as QDateTime, logical values as bool, whole numbers as
// qlonglong, numbers as double, texts and memos as QString, binary data as QByteArray.
class ParadoxValue
{
public:
    static QVariant of(const px_val* value, int fieldType);
    // Frees a record that pxlib handed out, with its texts.
    static void release(px_doc* doc, px_val** record, int fieldCount);

private:
    static QDate dateOfDays(long days);
};

} // namespace korbelant
