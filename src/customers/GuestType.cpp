#include "customers/GuestType.h"

namespace korbelant {

QString GuestType::word(const QString& code)
{
    const QString c = code.trimmed().toUpper();
    if (c == QStringLiteral("C"))
        return QStringLiteral("Club Gastgeber"); // the only word the captions shorten
    for (const Choice& choice : choices()) {
        if (c == choice.code)
            return choice.caption;
    }
    return code;
}

const QList<GuestType::Choice>& GuestType::choices()
{
    static const QList<Choice> list{{QStringLiteral("S"), QStringLiteral("Startgast")},
                                    {QStringLiteral("M"), QStringLiteral("Mitbesteller")},
                                    {QStringLiteral("N"), QStringLiteral("Gast")},
                                    {QStringLiteral("C"), QStringLiteral("Club Gastgeb.")},
                                    {QStringLiteral("J"), QStringLiteral("Gastgeber")}};
    return list;
}

} // namespace korbelant
