#include "customers/ui/TFormatChooser.h"

#include "core/UiPort.h"
#include "customers/CustomerHistoryReport.h"
#include "customers/ui/TFreeListForm.h"
#include "reports/ReportError.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using Kind = CustomerListReport::Kind;

enum Entry
{
    Addresses,
    AddressesWithNotes,
    Attendance,
    Purchases,
    AppointmentBook,
    Phones,
    Short,
    FreeShort,
    FreeShortLandscape
};

} // namespace

const QStringList& TFormatChooser::reportNames()
{
    static const QStringList names{QStringLiteral("Adressliste"),
                                   QStringLiteral("Adressliste mit Bemerkungen"),
                                   QStringLiteral("Anwesenheitsliste"),
                                   QStringLiteral("Artikelkäufe"),
                                   QStringLiteral("Liste für Datenbuch"),
                                   QStringLiteral("Telefonliste"),
                                   QStringLiteral("Kurzliste"),
                                   QStringLiteral("Freie Kurzliste"),
                                   QStringLiteral("Freie Kurzliste(Quer)")};
    return names;
}

TFormatChooser::TFormatChooser(Database& db, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_db(db), m_ui(ui), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Bericht auswählen"));
    setObjectName(QStringLiteral("TFormatChooser"));
    auto* layout = new QVBoxLayout(this);
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    for (const QString& name : reportNames())
        m_list->addItem(new QListWidgetItem(icon, name));
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto add = [&](const QString& text, auto action) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    add(QStringLiteral("&Vorschau"), [this] { preview(); });
    add(QStringLiteral("&Drucken"), [this] { print(); });
    add(QStringLiteral("&Abbrechen"), [this] { reject(); });
    layout->addLayout(buttons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { preview(); });
    resize(320, 320);
}

void TFormatChooser::setCustomers(const QStringList& customers, const QString& current)
{
    m_customers = customers;
    m_current = current;
}

void TFormatChooser::run(const QStringList& customers, const QString& current)
{
    setCustomers(customers, current);
    exec();
}

std::optional<ReportDocument> TFormatChooser::chosenDocument()
{
    const int entry = m_list->currentRow();
    if (entry < 0 || m_list->selectedItems().isEmpty()) {
        m_ui.information(kNothingChosen);
        return std::nullopt;
    }
    try {
        switch (entry) {
        case Attendance:
            return CustomerHistoryReport::attendance(m_db, m_current);
        case Purchases:
            return CustomerHistoryReport::purchases(m_db, m_current);
        case FreeShort:
        case FreeShortLandscape: {
            TFreeListForm fields(entry == FreeShort ? 2 : 4, this);
            if (fields.exec() != QDialog::Accepted)
                return std::nullopt;
            return CustomerListReport::document(entry == FreeShort ? Kind::FreeShort
                                                                   : Kind::FreeShortLandscape,
                                                m_db, m_customers, fields.fields(), fields.title());
        }
        default:
            break;
        }
        static const Kind kinds[] = {Kind::Addresses, Kind::AddressesWithNotes, Kind::Addresses,
                                     Kind::Addresses, Kind::AppointmentBook,    Kind::Phones,
                                     Kind::Short};
        return CustomerListReport::document(kinds[entry], m_db, m_customers);
    } catch (const ReportError& e) {
        m_ui.warning(e.message());
        return std::nullopt;
    }
}

void TFormatChooser::preview()
{
    const std::optional<ReportDocument> document = chosenDocument();
    if (!document)
        return;
    ReportPreview::show(*document, m_ui, this);
    accept();
}

void TFormatChooser::print()
{
    const std::optional<ReportDocument> document = chosenDocument();
    if (!document)
        return;
    ReportPrinter::print(*document, 1);
    accept();
}

} // namespace korbelant
