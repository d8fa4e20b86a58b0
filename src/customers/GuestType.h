#pragma once

#include <QList>
#include <QString>

namespace korbelant {

// The guest type of a customer (GASTGEBER): the codes, their words and the captions the
// dialogs choose them by.
class GuestType
{
public:
    struct Choice
    {
        QString code;
        QString caption; // the caption of the radio button ("Club Gastgeb." for C)
    };

    // "Gastgeber", "Gast", "Startgast", "Mitbesteller", "Club Gastgeber" for J, N, S, M, C in any
    // case; any other value as stored.
    static QString word(const QString& code);
    // Every guest type in the order the dialogs offer them: S, M, N, C, J.
    static const QList<Choice>& choices();
};

} // namespace korbelant
