#pragma once

#include "euro/EuroRequest.h"

#include <QDate>
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace korbelant {

class DataSet;
class UiPort;

// "€uroverwaltung": how the data set is converted to Euro (every amount, or those up to a date;
// with the articles or without), the conversion itself and the calculator. After a conversion,
// and after a failed one that was restored, the program ends: programEnds() tells the caller.
class TEuroForm : public QDialog
{
    Q_OBJECT

public:
    // The written confirmation; the dialog TEuroVerify unless given.
    using Verify = std::function<bool(const EuroRequest&)>;

    TEuroForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr, Verify verify = {},
              const QDate& today = QDate::currentDate());

    // Shows the window modally; true when the program must end now.
    static bool run(DataSet& set, UiPort& ui, QWidget* parent);

    EuroRequest request() const;
    bool programEnds() const { return m_programEnds; }

private:
    void convertClick();

    DataSet& m_set;
    UiPort& m_ui;
    Verify m_verify;
    QDate m_today;
    QRadioButton* m_all;
    QRadioButton* m_upToDate;
    QLineEdit* m_date;
    QCheckBox* m_articles;
    bool m_programEnds = false;
};

} // namespace korbelant
