#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// What a UI port offers beside its messages when it can show a failure that comes with a list of
// detail records one record at a time, with paging between them (the "ODBC Error" window). A port
// without it shows the records as one error.
class RecordPagesUi
{
public:
    virtual ~RecordPagesUi() = default;
    virtual void showRecords(const QString& caption, const QStringList& records) = 0;
};

} // namespace korbelant
