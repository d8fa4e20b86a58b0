#pragma once

#include <QDialog>
#include <QList>

class QComboBox;
class QLineEdit;

namespace korbelant {

// The field dialog of a free short list: the fixed columns, the report title and one selector
// per free field (two, or four for the landscape list). "&Vorschau" accepts it.
class TFreeListForm : public QDialog
{
public:
    TFreeListForm(int fields, QWidget* parent = nullptr);

    QString title() const;
    QStringList fields() const;
    QLineEdit* titleEdit() const { return m_title; }
    QComboBox* fieldBox(int i) const { return m_fields.at(i); }

private:
    QLineEdit* m_title;
    QList<QComboBox*> m_fields;
};

} // namespace korbelant
