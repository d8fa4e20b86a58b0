#pragma once

#include "week/OrderDataPreview.h"

#include <QDialog>

class QTableWidget;
class QWidget;

namespace korbelant {

// "Vorschau auf die Wochenabschlussdaten": what the week's transfer would hand over, the order
// lines (rows that stay behind drawn on red), the success figures per part-week and, when the
// addresses are handed over, one panel per address. Its buttons end it with their result.
class TBestellForm : public QDialog
{
    Q_OBJECT

public:
    enum Result
    {
        Cancelled = QDialog::Rejected,
        DiskTransfer = QDialog::Accepted, // "TW-Bestelld&iskette"
        WebTransfer
    };

    static inline const QString kCaption = QStringLiteral("Vorschau auf die Wochenabschlussdaten");
    static const QColor kLeftOut;

    explicit TBestellForm(const OrderDataPreview::Data& data, QWidget* parent = nullptr);

    QTableWidget* orders() const { return m_orders; }
    QTableWidget* success() const { return m_success; }
    // The address panels; nullptr when the addresses are not handed over.
    QWidget* addresses() const { return m_addresses; }

private:
    QWidget* buttons();

    QTableWidget* m_orders;
    QTableWidget* m_success;
    QWidget* m_addresses = nullptr;
};

} // namespace korbelant
