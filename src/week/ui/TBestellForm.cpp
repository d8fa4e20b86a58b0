#include "week/ui/TBestellForm.h"

#include "core/GermanFormat.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

const QColor TBestellForm::kLeftOut = QColor(255, 190, 190);

namespace {

struct GridColumn
{
    const char* caption;
    const char* field;
};

const GridColumn kOrderColumns[] = {
    {"VA", "VA"},          {"Menge", "MENGE"}, {"Bestell-Nr.", "Z_NR"}, {"Artikel-Nr.", "L_NR"},
    {"Artikel", "L_TEXT"}, {"Woche", "WOCHE"}, {"Nr.", "Nr"},           {"Überg.", "OnDisk"},
    {"Vorab", "VORAB"},    {"Disk", "Disk"}};

const GridColumn kSuccessColumns[] = {{"Teilw.", "TWOCHE"},
                                      {"Woche", "Woche"},
                                      {"Nr.", "Nr"},
                                      {"Disk", "Disk"},
                                      {"Benenn.", "BENENNUNG"},
                                      {"Rek-Besuch.", "RekBesuch"},
                                      {"Vorführ.", "S_VORFUEHR"},
                                      {"Verabred.", "S_VERABRED"},
                                      {"Gäste", "S_GAESTE"},
                                      {"W1", "GV1"},
                                      {"W2", "GV2"},
                                      {"W3", "GV3"},
                                      {"W4", "GV4"},
                                      {"W5", "GV5"},
                                      {"W6", "GV6"}};

template <size_t N>
QTableWidget* grid(const ResultTable& table, const GridColumn (&columns)[N], QWidget* parent)
{
    auto* view = new QTableWidget(table.rowCount(), static_cast<int>(N), parent);
    QStringList captions;
    for (const GridColumn& c : columns)
        captions << QString::fromUtf8(c.caption);
    view->setHorizontalHeaderLabels(captions);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < static_cast<int>(N); ++c)
            view->setItem(
                r, c, new QTableWidgetItem(table.value(r, QString::fromLatin1(columns[c].field)).toString()));
    view->resizeColumnsToContents();
    return view;
}

QLabel* area(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QWidget* addressPanel(const ResultTable& addresses, int r, QWidget* parent)
{
    auto value = [&](const char* field) { return addresses.value(r, QString::fromLatin1(field)).toString(); };
    auto* panel = new QGroupBox(value("GKZ"), parent);
    auto* form = new QFormLayout(panel);
    form->addRow(QStringLiteral("Name"), new QLabel(value("GName"), panel));
    form->addRow(QStringLiteral("Straße "), new QLabel(value("Strasse"), panel));
    form->addRow(QStringLiteral("Plz, Ort"),
                 new QLabel(value("PLZ") + QLatin1Char(' ') + value("Ort"), panel));
    form->addRow(QStringLiteral("Tel."), new QLabel(value("Telefon"), panel));
    if (value("KZ") == QStringLiteral("G")) {
        form->addRow(QStringLiteral("Sterne"), new QLabel(value("Sterne"), panel));
        form->addRow(
            QStringLiteral("Umsatz"),
            new QLabel(GermanFormat::money(addresses.value(r, QStringLiteral("S_Umsatz")).toDouble()),
                       panel));
    }
    return panel;
}

QWidget* addressPanels(const ResultTable& addresses, QWidget* parent)
{
    auto* scroll = new QScrollArea(parent);
    auto* inner = new QWidget(scroll);
    auto* row = new QHBoxLayout(inner);
    for (int r = 0; r < addresses.rowCount(); ++r)
        row->addWidget(addressPanel(addresses, r, inner));
    row->addStretch();
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    return scroll;
}

} // namespace

TBestellForm::TBestellForm(const OrderDataPreview::Data& data, QWidget* parent)
    : QDialog(parent), m_orders(grid(data.orders, kOrderColumns, this)),
      m_success(grid(data.success, kSuccessColumns, this))
{
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("TBestellForm"));
    const int onDisk = data.orders.column(QStringLiteral("OnDisk"));
    for (int r = 0; r < m_orders->rowCount(); ++r) {
        if (onDisk >= 0 &&
            data.orders.rows().at(static_cast<size_t>(r)).at(onDisk).toString() != QStringLiteral("Ja"))
            for (int c = 0; c < m_orders->columnCount(); ++c)
                m_orders->item(r, c)->setBackground(kLeftOut);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area(QStringLiteral("Bestelldaten :"), this));
    layout->addWidget(m_orders, 3);
    layout->addWidget(area(QStringLiteral("Erfolgsdaten :"), this));
    layout->addWidget(m_success, 1);
    if (data.withAddresses) {
        layout->addWidget(area(QStringLiteral("Addressen :"), this));
        m_addresses = addressPanels(data.addresses, this);
        layout->addWidget(m_addresses, 2);
    }
    layout->addWidget(buttons());
    resize(900, 640);
}

QWidget* TBestellForm::buttons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    auto* disk = new QPushButton(QStringLiteral("TW-Bestelld&iskette"), bar);
    disk->setObjectName(QStringLiteral("TW-Bestelldiskette"));
    disk->setToolTip(QStringLiteral("TW-Bestelldiskette erstellen."));
    auto* web = new QPushButton(QStringLiteral("TW-Bestelldatei &Web"), bar);
    web->setObjectName(QStringLiteral("WebTransfer"));
    web->setToolTip(QStringLiteral("Die Bestelldatei für die Übertragung erstellen."));
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), bar);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    for (QPushButton* button : {disk, web, cancel})
        button->setAutoDefault(false);
    connect(disk, &QPushButton::clicked, this, [this] { done(DiskTransfer); });
    connect(web, &QPushButton::clicked, this, [this] { done(WebTransfer); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(disk);
    row->addWidget(web);
    row->addStretch();
    row->addWidget(cancel);
    return bar;
}

} // namespace korbelant
