#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class QPixmap;

namespace korbelant {

// Every message, question, file choice and date pick of the program goes through this port.
// The desktop shows Qt dialogs; tests and the command line answer from a script.
class UiPort
{
public:
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No,
        Retry,
        Help
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        YesNo,
        YesNoCancel,
        YesNoHelp,
        RetryCancel
    };
    enum class Severity
    {
        Information,
        Warning,
        Error
    };

    virtual ~UiPort() = default;

    virtual void message(Severity severity, const QString& text) = 0;
    virtual Answer question(const QString& text, Buttons buttons) = 0;
    // A file to open or to save; empty when the user cancels.
    virtual QString chooseFile(const QString& caption, const QString& directory, const QString& filter,
                               bool forSaving) = 0;
    virtual QString chooseDirectory(const QString& caption, const QString& directory) = 0;
    // The pick-a-date dialog: a date, no date (an invalid QDate) or cancel (nullopt).
    virtual std::optional<QDate> pickDate(const QDate& current) = 0;
    // Progress of a long action; an empty text hides the progress display.
    virtual void progress(const QString& text) { (void)text; }
    // A step of a long action: its heading, a detail line and how far the action has got (0 to
    // 100). A port without a progress bar shows the heading as progress.
    virtual void progressStep(const QString& heading, const QString& detail, int percent)
    {
        (void)detail;
        (void)percent;
        progress(heading);
    }
    // The program's information box: a caption and a picture of its own beside the text. A port
    // without pictures gives the text as an information.
    virtual void showInfo(const QString& caption, const QPixmap& picture, const QString& text)
    {
        (void)caption;
        (void)picture;
        information(text);
    }

    void information(const QString& text) { message(Severity::Information, text); }
    void warning(const QString& text) { message(Severity::Warning, text); }
    void error(const QString& text) { message(Severity::Error, text); }
};

} // namespace korbelant
