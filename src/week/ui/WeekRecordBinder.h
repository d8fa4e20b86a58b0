#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace korbelant {

class SpinEdit;
class TWocheDataModul;
class UiPort;

// The entry fields of the week window bound to the fields of the current week record. A field
// left or confirmed with Enter writes its entry into the record (stored with the record); spin and
// calendar buttons go through the week module, which stores at once. Enter moves the focus to the
// next field and is not passed on.
class WeekRecordBinder : public QObject
{
    Q_OBJECT

public:
    WeekRecordBinder(TWocheDataModul& week, UiPort& ui, QObject* parent = nullptr);

    QLineEdit* line(const QString& field, QWidget* parent);
    SpinEdit* spin(const QString& field, QWidget* parent);
    // A date field with its calendar button beside it, in one widget.
    QWidget* date(const QString& field, QWidget* parent);
    QLineEdit* time(const QString& field, QWidget* parent);

    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    // Every field shows the current record again.
    void refresh();
    // Every entry that differs from the record goes into it (before the record is stored or left).
    void commit();

signals:
    // A spin or calendar button has stored the record.
    void stored();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(QLineEdit* edit, const QString& field);
    void take(QLineEdit* edit, const QString& field);

    TWocheDataModul& m_week;
    UiPort& m_ui;
    QHash<QString, QLineEdit*> m_edits;
    bool m_refreshing = false;
};

} // namespace korbelant
