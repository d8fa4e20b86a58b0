#include "parties/BackOrderRules.h"

#include "core/Database.h"
#include "core/UiPort.h"

#include <cmath>

namespace korbelant {

namespace {

const QString kAdvance = QStringLiteral("V");
const QString kFromStock = QStringLiteral("L");

} // namespace

QString BackOrderRules::statusText(const QString& vorab, const QString& nachlief)
{
    if (vorab == kAdvance)
        return QStringLiteral("Vorablieferung");
    if (vorab == kFromStock)
        return QStringLiteral("Lagerartikel");
    if (nachlief == kBackOrdered)
        return QStringLiteral("nicht geliefert");
    if (nachlief == kDeliveredLater)
        return QStringLiteral("nachträg. geliefert");
    if (nachlief == kOutOfStock)
        return QStringLiteral("nicht lieferbar");
    return QString();
}

QString BackOrderRules::tooManyPieces(double ordered)
{
    return QStringLiteral("Nur ") + QString::number(static_cast<qint64>(std::trunc(ordered))) +
           QStringLiteral(" Stück bestellt.");
}

std::optional<BackOrderRules::Line> BackOrderRules::read(const BackOrderKey& key) const
{
    const auto rows = m_db.rows(QStringLiteral("SELECT IFNULL(VORAB, ''), IFNULL(NACHLIEF, ''), "
                                               "IFNULL(STUECK, 0), IFNULL(NA_STUECK, 0) FROM Tupper1 "
                                               "WHERE R_NR = ? AND P_NR = ? AND ID = ?"),
                                {key.rNr, key.pNr, key.id});
    if (rows.empty())
        return std::nullopt;
    const QVariantList& r = rows.front();
    return Line{r.at(0).toString().toUpper(), r.at(1).toString().toUpper(), r.at(2).toDouble(),
                r.at(3).toInt()};
}

void BackOrderRules::store(const BackOrderKey& key, const Line& line)
{
    m_db.run(QStringLiteral("UPDATE Tupper1 SET NACHLIEF = ?, NA_STUECK = ? WHERE R_NR = ? AND P_NR = ? AND "
                            "ID = ?"),
             {line.nachlief.isEmpty() ? QVariant() : QVariant(line.nachlief),
              line.naStueck == 0 ? QVariant() : QVariant(line.naStueck), key.rNr, key.pNr, key.id});
}

bool BackOrderRules::ask(const QString& question)
{
    return m_ui.question(question, UiPort::Buttons::YesNo) == UiPort::Answer::Yes;
}

BackOrderRules::Outcome BackOrderRules::apply(const BackOrderKey& key, Action action)
{
    auto line = read(key);
    if (!line)
        return Outcome::Missing;
    Outcome outcome = Outcome::Stored;
    switch (action) {
    case Action::NotDelivered:
        outcome = notDelivered(*line);
        break;
    case Action::Done:
        outcome = done(*line);
        break;
    case Action::OutOfStock:
        outcome = outOfStock(*line);
        break;
    case Action::Reset:
        outcome = reset(*line);
        break;
    }
    if (outcome == Outcome::Stored)
        store(key, *line);
    return outcome;
}

BackOrderRules::Outcome BackOrderRules::notDelivered(Line& line)
{
    if (line.vorab == kAdvance || line.vorab == kFromStock) {
        m_ui.information(kHandedOver);
        return Outcome::Refused;
    }
    if (line.nachlief == kDone && !ask(kReactivate))
        return Outcome::Declined;
    line.nachlief = kBackOrdered;
    // A line back-ordered without a count of its own waits for all its pieces.
    if (line.naStueck <= 0)
        line.naStueck = static_cast<int>(std::trunc(line.stueck));
    return Outcome::Stored;
}

BackOrderRules::Outcome BackOrderRules::done(Line& line)
{
    if (line.vorab == kAdvance) {
        m_ui.information(kMarkedAdvance);
        return Outcome::Refused;
    }
    if (line.nachlief != kBackOrdered)
        return Outcome::Stored;
    if (!ask(kDeliveredQuestion))
        return Outcome::Declined;
    line.nachlief = kDeliveredLater;
    return Outcome::Stored;
}

BackOrderRules::Outcome BackOrderRules::outOfStock(Line& line)
{
    if (line.vorab == kAdvance) {
        m_ui.information(kMarkedAdvance);
        return Outcome::Refused;
    }
    if (!ask(kOutOfStockQuestion))
        return Outcome::Declined;
    line.nachlief = kOutOfStock;
    return Outcome::Stored;
}

BackOrderRules::Outcome BackOrderRules::reset(Line& line)
{
    if (line.nachlief.isEmpty())
        return Outcome::Stored;
    if (!ask(kResetQuestion))
        return Outcome::Declined;
    line.nachlief.clear();
    return Outcome::Stored;
}

bool BackOrderRules::setPieces(const BackOrderKey& key, int pieces)
{
    auto line = read(key);
    if (!line)
        return false;
    if (pieces < 1 || pieces > line->stueck) {
        m_ui.information(tooManyPieces(line->stueck));
        return false;
    }
    line->naStueck = pieces;
    store(key, *line);
    return true;
}

bool BackOrderRules::setDeliveredPieces(const BackOrderKey& key, int pieces)
{
    const auto line = read(key);
    if (!line)
        return false;
    if (pieces < 0 || pieces > line->stueck) {
        m_ui.information(tooManyPieces(line->stueck));
        return false;
    }
    m_db.run(QStringLiteral("UPDATE Tupper1 SET NA_STU_LI = ? WHERE R_NR = ? AND P_NR = ? AND ID = ?"),
             {pieces, key.rNr, key.pNr, key.id});
    return true;
}

bool BackOrderRules::packListPrinted()
{
    if (!ask(kPackListQuestion))
        return false;
    m_db.run(QStringLiteral("UPDATE Tupper1 SET NACHLIEF = NULL WHERE NACHLIEF COLLATE GERMAN = 'B'"));
    return true;
}

} // namespace korbelant
