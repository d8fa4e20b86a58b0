#include "exchange/ui/TPathMessageForm.h"

#include "core/DriveMap.h"
#include "core/UiPort.h"
#include "exchange/ExchangeFolderChoice.h"
#include "widgets/DialogButtonRow.h"
#include "widgets/FieldWidth.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QString kChooserCaption = QStringLiteral("Pfad auswählen :");

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TPathMessageForm::TPathMessageForm(const QString& caption, const QString& text, ExchangeFolderChoice& choice,
                                   const QString& onlineFolder, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_choice(choice), m_onlineFolder(DriveMap::withTrailingSeparator(onlineFolder)),
      m_ui(ui), m_local(new QRadioButton(ExchangeFolderChoice::kLocal, this)),
      m_online(new QRadioButton(ExchangeFolderChoice::kOnline, this)), m_folder(new QLineEdit(this)),
      m_onlineField(new QLineEdit(m_onlineFolder, this))
{
    setObjectName(QStringLiteral("PathMessageForm"));
    setWindowTitle(caption);
    m_local->setObjectName(QStringLiteral("Lokal"));
    m_online->setObjectName(QStringLiteral("Online"));
    m_folder->setObjectName(QStringLiteral("Ordner"));
    m_onlineField->setObjectName(QStringLiteral("OnlineOrdner"));
    m_onlineField->setReadOnly(true);
    FieldWidth::fit(m_folder, 40);
    m_folder->setText(m_choice.preset());
    m_local->setChecked(true);
    connect(m_local, &QRadioButton::toggled, this, &TPathMessageForm::choiceChanged);

    auto* message = new QLabel(text, this);
    message->setWordWrap(true);
    QPushButton* pick =
        button(this, QStringLiteral("LaufwerkAuswaehlen"), ExchangeFolderChoice::kChooseDrive);
    QPushButton* store = button(this, QStringLiteral("AlsStandard"), ExchangeFolderChoice::kStoreDefault);
    connect(pick, &QPushButton::clicked, this, &TPathMessageForm::pickFolder);
    connect(store, &QPushButton::clicked, this, &TPathMessageForm::storeAsDefault);
    const auto buttons = DialogButtonRow::create(this, QStringLiteral("&Ok"), QStringLiteral("&Abbrechen"));
    buttons.ok->setDefault(true);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->addWidget(m_local, 0, 0, 1, 2);
    grid->addWidget(m_folder, 1, 0);
    grid->addWidget(pick, 1, 1);
    grid->addWidget(store, 2, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(m_online, 3, 0, 1, 2);
    grid->addWidget(m_onlineField, 4, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
    choiceChanged();
}

std::optional<OrderTransfer::Target> TPathMessageForm::choose(const QString& caption, const QString& text,
                                                              ExchangeFolderChoice& choice,
                                                              const QString& onlineFolder, UiPort& ui,
                                                              QWidget* parent)
{
    TPathMessageForm dialog(caption, text, choice, onlineFolder, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const OrderTransfer::Target target = dialog.result();
    if (target.folder.isEmpty())
        return std::nullopt;
    return target;
}

OrderTransfer::Target TPathMessageForm::result() const
{
    if (m_online->isChecked())
        return {m_onlineFolder, true};
    return {m_choice.localResult(m_folder->text()), false};
}

void TPathMessageForm::choiceChanged()
{
    m_folder->setEnabled(m_local->isChecked());
    m_onlineField->setEnabled(m_online->isChecked());
}

void TPathMessageForm::pickFolder()
{
    const QString folder = m_ui.chooseDirectory(kChooserCaption, m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(DriveMap::withTrailingSeparator(folder));
}

void TPathMessageForm::storeAsDefault()
{
    m_folder->setText(m_choice.storeAsDefault(m_folder->text()));
}

} // namespace korbelant
