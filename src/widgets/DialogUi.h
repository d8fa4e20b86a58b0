#pragma once

#include "core/RecordPagesUi.h"
#include "core/UiPort.h"

#include <QPointer>
#include <QWidget>

namespace korbelant {

class Options;
class TProgressForm;

// The desktop's side of the UI port: German message boxes, file dialogs, the calendar dialog,
// the progress window and the pages of a failure's records.
class DialogUi : public UiPort, public RecordPagesUi
{
public:
    explicit DialogUi(QWidget* parent = nullptr);
    ~DialogUi() override;
    DialogUi(const DialogUi&) = delete;
    DialogUi& operator=(const DialogUi&) = delete;

    void setParentWidget(QWidget* parent);
    // The options whose drive directories the folder chooser offers; without them the defaults.
    void setOptions(const Options* options) { m_options = options; }

    void message(Severity severity, const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    QString chooseFile(const QString& caption, const QString& directory, const QString& filter,
                       bool forSaving) override;
    QString chooseDirectory(const QString& caption, const QString& directory) override;
    std::optional<QDate> pickDate(const QDate& current) override;
    void progress(const QString& text) override;
    void showInfo(const QString& caption, const QPixmap& picture, const QString& text) override;
    void showRecords(const QString& caption, const QStringList& records) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> m_parent;
    QPointer<TProgressForm> m_progress;
    const Options* m_options = nullptr;
};

} // namespace korbelant
