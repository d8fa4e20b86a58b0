#include "core/ui/TIndexForm.h"

#include "core/IndexRepair.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace korbelant {

TIndexForm::TIndexForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TIndexForm"));
    setWindowTitle(QStringLiteral("Index"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Der Tabellenindex wird neu erstellt."), this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    setMinimumWidth(280);
}

void TIndexForm::run(DataSet& set, UiPort& ui, QWidget* parent)
{
    TIndexForm form(parent);
    form.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    IndexRepair::notify(ui);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    IndexRepair::rebuild(set, ui);
    QApplication::restoreOverrideCursor();
    form.close();
}

} // namespace korbelant
