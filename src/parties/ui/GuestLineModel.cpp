#include "parties/ui/GuestLineModel.h"

#include "core/GermanFormat.h"
#include "parties/GuestEntrySession.h"

#include <QBrush>
#include <QColor>
#include <cmath>

namespace korbelant {

namespace {

const char* const kTitles[] = {"VA",          "Artikel-Nr.", "Fehl.", "Bezeichnung", "Stück",
                               "Einzelpreis", "*",           "Summe", "Vorab"};

} // namespace

GuestLineModel::GuestLineModel(GuestEntrySession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session)
{
}

void GuestLineModel::reload()
{
    beginResetModel();
    endResetModel();
}

QString GuestLineModel::piecesText(double pieces)
{
    return std::floor(pieces) == pieces ? QString::number(static_cast<qint64>(pieces))
                                        : GermanFormat::number(pieces, 2);
}

QStringList GuestLineModel::widestTexts()
{
    return {QStringLiteral("00"),   QStringLiteral("00000000"),
            QStringLiteral("000"),  QString(),
            QStringLiteral("-999"), GermanFormat::number(9999.99, 2),
            QStringLiteral("-999"), GermanFormat::number(99999.99, 2),
            QStringLiteral("V")};
}

int GuestLineModel::currentRow() const
{
    if (m_session.mode() == GuestEntrySession::Mode::Insert)
        return static_cast<int>(m_session.lines().size());
    return m_session.currentRow();
}

int GuestLineModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    const int stored = static_cast<int>(m_session.lines().size());
    return m_session.mode() == GuestEntrySession::Mode::Insert ? stored + 1 : stored;
}

int GuestLineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GuestLineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const bool current = index.row() == currentRow();
    const bool editing = m_session.mode() != GuestEntrySession::Mode::Browse;
    if (role == Qt::BackgroundRole) {
        if (current && m_session.mode() == GuestEntrySession::Mode::Edit)
            return QBrush(QColor(Qt::yellow));
        if (current && m_session.mode() == GuestEntrySession::Mode::Insert)
            return QBrush(QColor(Qt::green));
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Pieces && index.column() <= Sum)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const OrderLine* line = current && editing ? m_session.currentLine() : nullptr;
    if (!line) {
        if (index.row() >= static_cast<int>(m_session.lines().size()))
            return {};
        line = &m_session.lines()[static_cast<size_t>(index.row())];
    }
    switch (index.column()) {
    case Kind:
        return line->va;
    case Number:
        return line->lNr;
    case Reason:
        return line->fehlCode;
    case Text:
        return line->lText;
    case Pieces:
        return piecesText(line->stueck);
    case UnitPrice:
        return GermanFormat::number(line->einzPreis, 2);
    case Stars:
        return line->sterne;
    case Sum:
        return GermanFormat::number(line->summe, 2);
    case Advance:
        return line->vorab;
    default:
        return {};
    }
}

QVariant GuestLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromUtf8(kTitles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace korbelant
