#include "parties/PartyListFrame.h"

#include "core/DataSet.h"
#include "core/OptionDef.h"
#include "core/Options.h"
#include "parties/PartyAddress.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportError.h"

namespace korbelant {

QString PartyListFrame::partyArgument(const QStringList& args, int count)
{
    if (args.isEmpty() || args.front().trimmed().isEmpty())
        throw ReportError(QStringLiteral("Die Vorführungsnummer fehlt."));
    if (args.size() > count)
        throw ReportError(QStringLiteral("Zu viele Angaben: %1").arg(args.mid(count).join(QLatin1Char(' '))));
    return args.front().trimmed();
}

ReportTextBlock PartyListFrame::addressBlock(const PartyAddress& address)
{
    ReportTextBlock block;
    block.lines << address.ANREDE << address.fullName() << address.STRASSE << address.town()
                << QStringLiteral("Tel. ") + address.TELEFON;
    return block;
}

ReportTextBlock PartyListFrame::consultantBlock(DataSet& set, bool colon)
{
    ReportTextBlock block =
        ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, true);
    if (colon)
        block.lines.front() += QStringLiteral(" :");
    return block;
}

QString PartyListFrame::listNumber(const QString& rNr)
{
    return QStringLiteral("Listen-NR. ..: ") + rNr;
}

ReportSection PartyListFrame::linesSection(const QStringList& lines, bool firstLineBold)
{
    ReportTextBlock block;
    block.lines = lines;
    block.firstLineBold = firstLineBold;
    ReportSection section;
    section.blocks = {block};
    return section;
}

ReportSection PartyListFrame::partyNumber(const QString& rNr)
{
    return linesSection({QStringLiteral("Vorführungsnummer : ") + rNr}, true);
}

QStringList PartyListFrame::footerLines(const Options& options, bool secondCurrency)
{
    QStringList lines;
    for (const char* key : {"AuslZeile1", "AuslZeile2"})
        lines << (secondCurrency ? OptionDef::find(QString::fromLatin1(key))->initial
                                 : options.text(QString::fromLatin1(key)));
    return lines;
}

} // namespace korbelant
