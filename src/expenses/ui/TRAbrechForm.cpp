#include "expenses/ui/TRAbrechForm.h"

#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/UiPort.h"
#include "expenses/TravelDbfExport.h"
#include "expenses/TravelReport.h"
#include "reports/ConsultantAddress.h"
#include "reports/ui/ReportPreview.h"
#include "widgets/DateField.h"
#include "widgets/DialogButtonRow.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

TRAbrechForm::TRAbrechForm(DataSet& set, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_from(new DateField(ui, this)), m_to(new DateField(ui, this)),
      m_dbf(new QCheckBox(QStringLiteral("Ausgabedatei 'Reisetemp.dbf' erstellen"), this))
{
    setWindowTitle(QStringLiteral("Reiseabrechnung"));
    m_from->setFieldName(QStringLiteral("VonDatum"));
    m_to->setFieldName(QStringLiteral("BisDatum"));
    m_show = [this](const ReportDocument& doc) { ReportPreview::show(doc, m_ui, this); };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Von-Datum :"), m_from);
    form->addRow(QStringLiteral("Bis-Datum :"), m_to);
    form->addRow(m_dbf);
    const DialogButtonRow::Buttons buttons =
        DialogButtonRow::create(this, QStringLiteral("Ok"), QStringLiteral("Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        if (makeAccount())
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

bool TRAbrechForm::makeAccount()
{
    const auto range = TravelAccount::checkedRange(m_from->dateText(), m_to->dateText(), m_ui);
    if (!range)
        return false;
    const std::vector<TravelEntry> entries = TravelAccount(m_set.db()).entries(*range);
    if (m_dbf->isChecked()) {
        try {
            TravelDbfExport::write(entries, QDir(m_set.home().dbDir()).filePath(TravelDbfExport::kFileName));
        } catch (const DatabaseError& e) {
            m_ui.error(e.message());
        }
    }
    ReportDocument doc =
        TravelReport::document(entries, *range, ConsultantAddress::read(m_set.db(), m_set.options()));
    doc.frame = ReportFrame::read(m_set.db());
    m_show(doc);
    return true;
}

} // namespace korbelant
