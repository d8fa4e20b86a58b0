#include "core/ScriptedUi.h"

namespace korbelant {

ScriptedUi::ScriptedUi(QList<Answer> answers) : m_answers(std::move(answers)) {}

void ScriptedUi::record(const QString& kind, const QString& text)
{
    m_shown.append(Shown{kind, text});
    if (kind == QStringLiteral("Warnung") || kind == QStringLiteral("Fehler"))
        m_declined = false;
    if (m_echo)
        m_echo(m_shown.back());
}

void ScriptedUi::message(Severity severity, const QString& text)
{
    switch (severity) {
    case Severity::Information:
        record(QStringLiteral("Information"), text);
        break;
    case Severity::Warning:
        record(QStringLiteral("Warnung"), text);
        break;
    case Severity::Error:
        record(QStringLiteral("Fehler"), text);
        break;
    }
}

UiPort::Answer ScriptedUi::negativeOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoHelp:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

UiPort::Answer ScriptedUi::fitted(Answer answer, Buttons buttons)
{
    const bool yes = answer == Answer::Yes || answer == Answer::Ok || answer == Answer::Retry;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNoHelp:
        if (answer == Answer::Help)
            return answer;
        [[fallthrough]];
    case Buttons::YesNo:
        return yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return yes ? Answer::Yes : answer;
    case Buttons::OkCancel:
        return yes ? Answer::Ok : Answer::Cancel;
    case Buttons::RetryCancel:
        return yes ? Answer::Retry : Answer::Cancel;
    }
    return answer;
}

UiPort::Answer ScriptedUi::question(const QString& text, Buttons buttons)
{
    record(QStringLiteral("Frage"), text);
    const Answer answer = m_answers.isEmpty() ? negativeOf(buttons) : fitted(m_answers.takeFirst(), buttons);
    m_declined = answer == Answer::No || answer == Answer::Cancel;
    return answer;
}

bool ScriptedUi::lastQuestionDeclined() const
{
    return m_declined;
}

QString ScriptedUi::chooseFile(const QString& caption, const QString&, const QString&, bool)
{
    record(QStringLiteral("Dateiauswahl"), caption);
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

QString ScriptedUi::chooseDirectory(const QString& caption, const QString&)
{
    record(QStringLiteral("Verzeichnisauswahl"), caption);
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

std::optional<QDate> ScriptedUi::pickDate(const QDate&)
{
    if (m_dates.isEmpty())
        return std::nullopt;
    return m_dates.takeFirst();
}

QStringList ScriptedUi::shownTexts() const
{
    QStringList texts;
    for (const Shown& s : m_shown)
        texts << s.text;
    return texts;
}

bool ScriptedUi::wasShown(const QString& text) const
{
    return shownTexts().contains(text);
}

std::optional<UiPort::Answer> ScriptedUi::answerOf(const QString& word)
{
    static const QList<std::pair<QString, Answer>> words{{QStringLiteral("ja"), Answer::Yes},
                                                         {QStringLiteral("nein"), Answer::No},
                                                         {QStringLiteral("ok"), Answer::Ok},
                                                         {QStringLiteral("abbrechen"), Answer::Cancel},
                                                         {QStringLiteral("wiederholen"), Answer::Retry}};
    for (const auto& [name, answer] : words) {
        if (word.compare(name, Qt::CaseInsensitive) == 0)
            return answer;
    }
    return std::nullopt;
}

std::optional<ScriptedUi::Script> ScriptedUi::parseScript(const QString& list)
{
    Script script;
    for (const QString& raw : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = raw.trimmed();
        if (const auto answer = answerOf(word))
            script.answers << *answer;
        else if (!word.isEmpty() && word == word.toUpper() && word != word.toLower())
            script.texts << word;
        else
            return std::nullopt;
    }
    return script;
}

std::optional<QList<UiPort::Answer>> ScriptedUi::parseAnswers(const QString& list)
{
    const std::optional<Script> script = parseScript(list);
    if (!script || !script->texts.isEmpty())
        return std::nullopt;
    return script->answers;
}

std::optional<QString> ScriptedUi::typedText(const QString& caption)
{
    record(QStringLiteral("Eingabe"), caption);
    if (m_texts.isEmpty())
        return std::nullopt;
    return m_texts.takeFirst();
}

void ScriptedUi::progressStep(const QString& heading, const QString& detail, int percent)
{
    record(QStringLiteral("Fortschritt"), QStringLiteral("%1 % %2 %3").arg(percent).arg(heading, detail));
}

} // namespace korbelant
