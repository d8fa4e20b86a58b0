#pragma once

#include "core/UiPort.h"

#include <QList>
#include <functional>

namespace korbelant {

// Answers the program's questions from a list given in advance, for tests and the command line.
// A question without an answer left takes its negative or cancelling choice; an answer is fitted to
// the question's buttons (yes answers OK, no answers Cancel, and the other way). Everything shown is
// recorded, and handed to an optional echo (the command line prints it to stderr).
class ScriptedUi : public UiPort
{
public:
    struct Shown
    {
        QString kind; // "Information", "Warnung", "Fehler", "Frage", "Fortschritt", "Eingabe"
        QString text;
    };
    // What --answers gives: the answers to questions and, apart from them, the words a window
    // wants typed as its confirmation (written in capitals, such as EURO).
    struct Script
    {
        QList<Answer> answers;
        QStringList texts;
    };

    explicit ScriptedUi(QList<Answer> answers = {});

    void addAnswer(Answer answer) { m_answers.append(answer); }
    void addFile(const QString& path) { m_files.append(path); }
    void addDate(std::optional<QDate> date) { m_dates.append(date); }
    void addText(const QString& text) { m_texts.append(text); }
    // The next typed text for the entry named by caption; nullopt when none is left (the window
    // is cancelled).
    std::optional<QString> typedText(const QString& caption);
    void setEcho(std::function<void(const Shown&)> echo) { m_echo = std::move(echo); }

    void message(Severity severity, const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    QString chooseFile(const QString& caption, const QString& directory, const QString& filter,
                       bool forSaving) override;
    QString chooseDirectory(const QString& caption, const QString& directory) override;
    std::optional<QDate> pickDate(const QDate& current) override;
    void progressStep(const QString& heading, const QString& detail, int percent) override;

    const QList<Shown>& shown() const { return m_shown; }
    QStringList shownTexts() const;
    bool wasShown(const QString& text) const;
    // True when the last question was answered with No or Cancel and no warning or error was
    // shown after it: whatever asked it stopped at the user's word.
    bool lastQuestionDeclined() const;

    // Parses "ja,nein,ok,abbrechen,wiederholen" into answers; nullopt on an unknown word.
    static std::optional<QList<Answer>> parseAnswers(const QString& list);
    // The same, where a word of capital letters only that is no answer is a typed text.
    static std::optional<Script> parseScript(const QString& list);

private:
    void record(const QString& kind, const QString& text);
    static Answer negativeOf(Buttons buttons);
    static Answer fitted(Answer answer, Buttons buttons);
    static std::optional<Answer> answerOf(const QString& word);

    QList<Answer> m_answers;
    QStringList m_files;
    QList<std::optional<QDate>> m_dates;
    QStringList m_texts;
    QList<Shown> m_shown;
    std::function<void(const Shown&)> m_echo;
    bool m_declined = false;
};

} // namespace korbelant
