#pragma once

#include "exchange/OrderTransfer.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QRadioButton;

namespace korbelant {

class ExchangeFolderChoice;
class UiPort;

// The exchange folder dialog: a local folder (disk, stick, a fixed path) or the Online folder of
// the web transfer. The folder can be picked and stored as the options' default.
class TPathMessageForm : public QDialog
{
    Q_OBJECT

public:
    TPathMessageForm(const QString& caption, const QString& text, ExchangeFolderChoice& choice,
                     const QString& onlineFolder, UiPort& ui, QWidget* parent = nullptr);

    // Shows the dialog; the chosen folder, nullopt when cancelled.
    static std::optional<OrderTransfer::Target> choose(const QString& caption, const QString& text,
                                                       ExchangeFolderChoice& choice,
                                                       const QString& onlineFolder, UiPort& ui,
                                                       QWidget* parent);

    OrderTransfer::Target result() const;
    QLineEdit* folderField() const { return m_folder; }
    QRadioButton* onlineChoice() const { return m_online; }
    void pickFolder();
    void storeAsDefault();

private:
    void choiceChanged();

    ExchangeFolderChoice& m_choice;
    QString m_onlineFolder;
    UiPort& m_ui;
    QRadioButton* m_local;
    QRadioButton* m_online;
    QLineEdit* m_folder;
    QLineEdit* m_onlineField;
};

} // namespace korbelant
