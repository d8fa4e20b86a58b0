#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;

namespace korbelant {

class DataSet;
class DateField;
class UiPort;
struct ReportDocument;

// "Reiseabrechnung": the date range of the travel account and whether its entries go into
// ReiseTemp.dbf as well. "Ok" checks the dates, makes the account and shows the travel report.
class TRAbrechForm : public QDialog
{
public:
    TRAbrechForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    DateField* fromField() const { return m_from; }
    DateField* toField() const { return m_to; }
    QCheckBox* dbfBox() const { return m_dbf; }
    // Shows the travel report; tests put their own in.
    void setReportShower(std::function<void(const ReportDocument&)> shower) { m_show = std::move(shower); }
    // What "Ok" does; false when the dialog stays open.
    bool makeAccount();

private:
    DataSet& m_set;
    UiPort& m_ui;
    DateField* m_from;
    DateField* m_to;
    QCheckBox* m_dbf;
    std::function<void(const ReportDocument&)> m_show;
};

} // namespace korbelant
