#include "reports/RtfText.h"

#include "core/Cp1252.h"

#include <QFile>
#include <cctype>
#include <vector>

namespace korbelant {

namespace {

// Destinations whose text is not part of the document.
const QStringList kSkipped = {QStringLiteral("fonttbl"),    QStringLiteral("colortbl"),
                              QStringLiteral("stylesheet"), QStringLiteral("info"),
                              QStringLiteral("pict"),       QStringLiteral("header"),
                              QStringLiteral("footer"),     QStringLiteral("generator"),
                              QStringLiteral("listtable"),  QStringLiteral("listoverridetable")};

struct State
{
    bool skip = false;
    bool bold = false;
};

class Parser
{
public:
    explicit Parser(const QByteArray& rtf) : m_rtf(rtf) {}

    std::vector<RtfText::Paragraph> run()
    {
        m_states.push_back({});
        while (m_at < m_rtf.size()) {
            const char c = m_rtf.at(m_at++);
            if (c == '{')
                m_states.push_back(m_states.back());
            else if (c == '}')
                closeGroup();
            else if (c == '\\')
                control();
            else if (c != '\r' && c != '\n')
                append(QChar::fromLatin1(c));
        }
        endParagraph();
        while (!m_paragraphs.empty() && m_paragraphs.back().text.trimmed().isEmpty())
            m_paragraphs.pop_back();
        return m_paragraphs;
    }

private:
    void closeGroup()
    {
        if (m_states.size() > 1)
            m_states.pop_back();
    }

    void control()
    {
        if (m_at >= m_rtf.size())
            return;
        const char c = m_rtf.at(m_at);
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_at;
            symbol(c);
            return;
        }
        QString word;
        while (m_at < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf.at(m_at))))
            word += QChar::fromLatin1(m_rtf.at(m_at++));
        QString number;
        if (m_at < m_rtf.size() && m_rtf.at(m_at) == '-')
            number += QChar::fromLatin1(m_rtf.at(m_at++));
        while (m_at < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf.at(m_at))))
            number += QChar::fromLatin1(m_rtf.at(m_at++));
        if (m_at < m_rtf.size() && m_rtf.at(m_at) == ' ')
            ++m_at;
        controlWord(word, number);
    }

    void symbol(char c)
    {
        if (c == '\'') {
            const QByteArray hex = m_rtf.mid(m_at, 2);
            m_at += 2;
            append(Cp1252::decode(QByteArray(1, static_cast<char>(hex.toInt(nullptr, 16)))));
        } else if (c == '*') {
            m_states.back().skip = true;
        } else if (c == '~') {
            append(QStringLiteral(" "));
        } else if (c == '\\' || c == '{' || c == '}') {
            append(QChar::fromLatin1(c));
        }
    }

    void controlWord(const QString& word, const QString& number)
    {
        State& state = m_states.back();
        if (kSkipped.contains(word))
            state.skip = true;
        else if (word == QStringLiteral("par") || word == QStringLiteral("line"))
            endParagraph();
        else if (word == QStringLiteral("b"))
            state.bold = number != QStringLiteral("0");
        else if (word == QStringLiteral("plain"))
            state.bold = false;
        else if (word == QStringLiteral("tab"))
            append(QStringLiteral("    "));
        else if (word == QStringLiteral("u"))
            unicode(number.toInt());
    }

    void unicode(int code)
    {
        append(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code)));
        // The character for readers without Unicode that follows is skipped.
        if (m_at < m_rtf.size() && m_rtf.at(m_at) == '\\' && m_at + 1 < m_rtf.size() &&
            m_rtf.at(m_at + 1) == '\'')
            m_at += 4;
        else if (m_at < m_rtf.size() && m_rtf.at(m_at) != '\\' && m_rtf.at(m_at) != '{' &&
                 m_rtf.at(m_at) != '}')
            ++m_at;
    }

    void append(const QString& text)
    {
        if (m_states.back().skip)
            return;
        if (m_current.text.isEmpty())
            m_current.bold = m_states.back().bold;
        m_current.text += text;
    }

    void endParagraph()
    {
        m_paragraphs.push_back(m_current);
        m_current = {};
    }

    const QByteArray& m_rtf;
    qsizetype m_at = 0;
    std::vector<State> m_states;
    RtfText::Paragraph m_current;
    std::vector<RtfText::Paragraph> m_paragraphs;
};

} // namespace

std::vector<RtfText::Paragraph> RtfText::parse(const QByteArray& rtf)
{
    if (!rtf.trimmed().startsWith("{\\rtf"))
        return {};
    return Parser(rtf).run();
}

std::vector<RtfText::Paragraph> RtfText::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

} // namespace korbelant
