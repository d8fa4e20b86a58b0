#include "exchange/TwdCoding.h"

#include <QDate>

namespace korbelant {

QStringList TwdCoding::TwdSplit(const QString& line)
{
    QStringList elements;
    qsizetype from = 0;
    while (from < line.size()) {
        const qsizetype cut = line.indexOf(QLatin1Char(';'), from);
        if (cut < 0) {
            elements << line.mid(from);
            break;
        }
        elements << line.mid(from, cut - from);
        from = cut + 1;
    }
    return elements;
}

QString TwdCoding::TwdEscape(const QString& value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\5c"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("\\0d"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\0a"));
    escaped.replace(QLatin1Char(';'), QStringLiteral("\\3b"));
    return escaped;
}

QString TwdCoding::unescape(const QString& value)
{
    QString text = value;
    text.replace(QStringLiteral("\\0d"), QStringLiteral("\r"));
    text.replace(QStringLiteral("\\0a"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\\3b"), QStringLiteral(";"));
    text.replace(QStringLiteral("\\5c"), QStringLiteral("\\"));
    return text;
}

QString TwdCoding::TwdDecode(const QString& value, int code)
{
    switch (code) {
    case 1:
        return value.toUpper() == QStringLiteral("TRUE") ? QStringLiteral("True") : QStringLiteral("False");
    case 2:
    case 3:
    case 4: {
        bool ok = false;
        value.toLongLong(&ok);
        return ok ? value : QString();
    }
    case 8: {
        const QDate date = QDate::fromString(value, QStringLiteral("d.M.yyyy"));
        return date.isValid() ? value : QString();
    }
    case 10:
        return unescape(value);
    case 11:
        return QString(value).remove(QLatin1Char('/'));
    default:
        return value;
    }
}

} // namespace korbelant
