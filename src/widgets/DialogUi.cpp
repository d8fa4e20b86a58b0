#include "widgets/DialogUi.h"

#include "takeover/ui/TOdbcErrorForm.h"
#include "widgets/TCalendarForm.h"
#include "widgets/TPfadForm.h"
#include "widgets/TProgressForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace korbelant {

namespace {

QString applicationCaption()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Korbelant") : name;
}

struct Choice
{
    UiPort::Answer answer;
    const char* caption;
    QMessageBox::ButtonRole role;
};

std::vector<Choice> choicesOf(UiPort::Buttons buttons)
{
    using A = UiPort::Answer;
    const Choice yes{A::Yes, "&Ja", QMessageBox::YesRole};
    const Choice no{A::No, "&Nein", QMessageBox::NoRole};
    const Choice ok{A::Ok, "OK", QMessageBox::AcceptRole};
    const Choice cancel{A::Cancel, "&Abbrechen", QMessageBox::RejectRole};
    const Choice retry{A::Retry, "&Wiederholen", QMessageBox::AcceptRole};
    const Choice help{A::Help, "&Hilfe", QMessageBox::HelpRole};
    switch (buttons) {
    case UiPort::Buttons::Ok:
        return {ok};
    case UiPort::Buttons::OkCancel:
        return {ok, cancel};
    case UiPort::Buttons::YesNo:
        return {yes, no};
    case UiPort::Buttons::YesNoCancel:
        return {yes, no, cancel};
    case UiPort::Buttons::YesNoHelp:
        return {yes, no, help};
    case UiPort::Buttons::RetryCancel:
        return {retry, cancel};
    }
    return {ok};
}

// A box owned by a window that stays on top (the load window) must stay on top as well, or it
// opens behind that window and the program seems to hang.
void keepInFrontOf(QWidget* owner, QWidget& box)
{
    if (owner && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

DialogUi::DialogUi(QWidget* parent) : m_parent(parent) {}

DialogUi::~DialogUi()
{
    delete m_progress.data();
}

void DialogUi::setParentWidget(QWidget* parent)
{
    m_parent = parent;
}

QWidget* DialogUi::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_parent.data();
}

void DialogUi::message(Severity severity, const QString& text)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    if (severity == Severity::Warning)
        icon = QMessageBox::Warning;
    else if (severity == Severity::Error)
        icon = QMessageBox::Critical;
    QMessageBox box(icon, applicationCaption(), text, QMessageBox::NoButton, owner());
    keepInFrontOf(owner(), box);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void DialogUi::showInfo(const QString& caption, const QPixmap& picture, const QString& text)
{
    QMessageBox box(owner());
    keepInFrontOf(owner(), box);
    box.setWindowTitle(caption);
    box.setIconPixmap(picture);
    box.setText(text);
    box.exec();
}

void DialogUi::showRecords(const QString& caption, const QStringList& records)
{
    TOdbcErrorForm form(caption, records, owner());
    keepInFrontOf(owner(), form);
    form.exec();
}

UiPort::Answer DialogUi::question(const QString& text, Buttons buttons)
{
    QMessageBox box(QMessageBox::Question, applicationCaption(), text, QMessageBox::NoButton, owner());
    keepInFrontOf(owner(), box);
    std::vector<std::pair<QAbstractButton*, Answer>> map;
    const std::vector<Choice> choices = choicesOf(buttons);
    for (const Choice& choice : choices)
        map.emplace_back(box.addButton(QString::fromUtf8(choice.caption), choice.role), choice.answer);
    box.setDefaultButton(static_cast<QPushButton*>(map.front().first));
    box.exec();
    for (const auto& [button, answer] : map) {
        if (box.clickedButton() == button)
            return answer;
    }
    // Closed with Escape or the window's close button: the cancelling or negative choice.
    for (Answer fallback : {Answer::Cancel, Answer::No}) {
        for (const Choice& choice : choices) {
            if (choice.answer == fallback)
                return fallback;
        }
    }
    return choices.front().answer;
}

QString DialogUi::chooseFile(const QString& caption, const QString& directory, const QString& filter,
                             bool forSaving)
{
    if (forSaving)
        return QFileDialog::getSaveFileName(owner(), caption, directory, filter);
    return QFileDialog::getOpenFileName(owner(), caption, directory, filter);
}

QString DialogUi::chooseDirectory(const QString& caption, const QString& directory)
{
    return TPfadForm::choose(caption, m_options ? DriveMap(*m_options) : DriveMap(), directory, owner());
}

std::optional<QDate> DialogUi::pickDate(const QDate& current)
{
    // The dialog opens at the button that asked for it, when the button has the focus.
    return TCalendarForm::pick(QApplication::focusWidget(), current);
}

void DialogUi::progress(const QString& text)
{
    if (text.isEmpty()) {
        if (m_progress)
            m_progress->hide();
        return;
    }
    if (!m_progress)
        m_progress = new TProgressForm(m_parent.data());
    m_progress->setText(text);
    m_progress->showCentredOn(owner());
}

} // namespace korbelant
