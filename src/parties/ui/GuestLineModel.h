#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace korbelant {

class GuestEntrySession;

// The order lines of the guest window's participant: the stored lines, the line being edited
// (on yellow) and the new line (on green, after the stored ones).
class GuestLineModel : public QAbstractTableModel
{
public:
    enum Column
    {
        Kind,
        Number,
        Reason,
        Text,
        Pieces,
        UnitPrice,
        Stars,
        Sum,
        Advance,
        ColumnCount
    };

    explicit GuestLineModel(GuestEntrySession& session, QObject* parent = nullptr);

    // Call after every change of the session's lines or mode.
    void reload();
    // The row the session's current line is shown in; -1 for none.
    int currentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString piecesText(double pieces);
    // The widest texts each column shows (several one a line), to size the columns by; empty for
    // the article text.
    static QStringList widestTexts();

private:
    GuestEntrySession& m_session;
};

} // namespace korbelant
