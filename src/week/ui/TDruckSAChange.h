#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace korbelant {

// "Drucksachenanpassung ": the name of one printed-matter item. Enter or "#" closes it.
class TDruckSAChange : public QDialog
{
    Q_OBJECT

public:
    TDruckSAChange(const QString& number, const QString& name, QWidget* parent = nullptr);

    // Shows the editor with its top left corner at `position`; the new name when it was changed.
    static std::optional<QString> edit(const QString& number, const QString& name, const QPoint& position,
                                       QWidget* parent);

    QString name() const;
    bool changed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_read;
    QLineEdit* m_name;
};

} // namespace korbelant
