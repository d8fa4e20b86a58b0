#include "expenses/ui/TSatzArt.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "expenses/TravelRates.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/DialogButtonRow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QStringList kFields{TravelRates::VERPF_SATZ, TravelRates::VERPF_TEXT, TravelRates::VERPF_DM,
                          TravelRates::KM_DM};
constexpr int kCodeWidth = 2;
constexpr int kTextWidth = 40;

bool isAmount(int column)
{
    return column >= 2;
}

QString shown(int column, const QVariant& value)
{
    if (isAmount(column))
        return value.isNull() ? QString() : GermanFormat::number(value.toDouble(), 2);
    return value.toString();
}

} // namespace

TSatzArt::TSatzArt(Database& db, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_db(db), m_ui(ui), m_grid(new QTableWidget(this))
{
    setObjectName(QStringLiteral("SatzArt"));
    setWindowTitle(QStringLiteral("Reisekosten - Satzart"));
    m_grid->setObjectName(QStringLiteral("Saetze"));
    m_grid->setColumnCount(4);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Satz"), QStringLiteral("Text"),
                                       QStringLiteral("Betrag-Verp."), QStringLiteral("Betrag pro km")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                            QAbstractItemView::SelectedClicked);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { chooseCurrent(); });

    const auto buttons = DialogButtonRow::create(this, QStringLiteral("Ok"), QStringLiteral("Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, &TSatzArt::chooseCurrent);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons.row);
    resize(660, 300);
    guardDatabase(m_ui, [this] { fill(); });
}

std::optional<QString> TSatzArt::choose(Database& db, UiPort& ui, const QString& current, QWidget* parent)
{
    TSatzArt dialog(db, ui, parent);
    dialog.selectCode(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentCode();
}

void TSatzArt::fill()
{
    m_read = TravelRates::rates(m_db);
    m_grid->setRowCount(static_cast<int>(m_read.size()));
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 0; c < kFields.size(); ++c) {
            auto* item =
                new QTableWidgetItem(shown(c, m_read.at(static_cast<size_t>(r)).value(kFields.at(c))));
            if (isAmount(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->resizeColumnToContents(0);
    m_grid->resizeColumnToContents(2);
    m_grid->resizeColumnToContents(3);
    if (m_grid->rowCount() > 0)
        m_grid->selectRow(0);
}

void TSatzArt::selectCode(const QString& code)
{
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        if (m_grid->item(r, 0)->text() == code)
            m_grid->selectRow(r);
    }
}

QString TSatzArt::currentCode() const
{
    const int row = m_grid->currentRow();
    return row < 0 ? QString() : m_grid->item(row, 0)->text().trimmed();
}

QVariantMap TSatzArt::rowValues(int row) const
{
    QVariantMap values;
    for (int c = 0; c < kFields.size(); ++c) {
        const QString text = m_grid->item(row, c)->text().trimmed();
        if (!isAmount(c)) {
            values.insert(kFields.at(c), text.left(c == 0 ? kCodeWidth : kTextWidth));
            continue;
        }
        const auto amount = GermanFormat::parseAmount(text);
        values.insert(kFields.at(c), amount ? QVariant(*amount) : QVariant());
    }
    return values;
}

bool TSatzArt::storeChanges()
{
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 2; c < kFields.size(); ++c) {
            const QString text = m_grid->item(r, c)->text().trimmed();
            if (!text.isEmpty() && !GermanFormat::parseAmount(text)) {
                m_ui.warning(QStringLiteral("\"%1\" ist kein gültiger Betrag.").arg(text));
                m_grid->setCurrentCell(r, c);
                return false;
            }
        }
    }
    return guardDatabase(m_ui, [this] {
        for (int r = 0; r < m_grid->rowCount(); ++r) {
            const QVariantMap& read = m_read.at(static_cast<size_t>(r));
            const QVariantMap now = rowValues(r);
            bool changed = false;
            for (int c = 0; c < kFields.size(); ++c)
                changed |= shown(c, now.value(kFields.at(c))) != shown(c, read.value(kFields.at(c)));
            if (changed)
                TravelRates::store(m_db, now, read.value(TravelRates::VERPF_SATZ).toString());
        }
        m_read.clear();
        fill();
    });
}

void TSatzArt::chooseCurrent()
{
    const QString code = currentCode();
    if (storeChanges()) {
        selectCode(code);
        accept();
    }
}

} // namespace korbelant
