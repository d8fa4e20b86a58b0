#include "parties/GuestEntrySession.h"

#include "articles/KindTable.h"
#include "articles/TArtikelModul.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TupperFields.h"
#include "core/UiPort.h"
#include "customers/TClientDataModul.h"
#include "parties/ExchangeReasons.h"

#include <QTime>
#include <algorithm>

namespace korbelant {

namespace {

using P = TupperFields;

// A mask left without digits ("  .  .    ", "  :  ") stands for no value.
bool isEmptyMask(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace() && c != QLatin1Char('.') && c != QLatin1Char(':') && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

} // namespace

GuestEntrySession::GuestEntrySession(TVorFuerModul& party, TClientDataModul& customers, const QString& rNr,
                                     const QString& pNr)
    : m_party(party), m_rules(party.lineRules()), m_customers(customers), m_ui(party.ui()), m_rNr(rNr)
{
    Record p = party.participant(rNr, pNr).value_or(Record{});
    if (p.isEmpty()) {
        p.insert(P::R_NR, rNr);
        p.insert(P::P_NR, pNr);
    }
    loadParticipant(p);
}

QString GuestEntrySession::modeText(Mode mode)
{
    switch (mode) {
    case Mode::Edit:
        return QStringLiteral("Bearbeiten");
    case Mode::Insert:
        return QStringLiteral("Anfügen");
    default:
        return QStringLiteral("Betrachten");
    }
}

// ---------------------------------------------------------------- participant

QString GuestEntrySession::pNr() const
{
    return RecordValue::text(m_participant, P::P_NR);
}

std::optional<TClientDataModul::Record> GuestEntrySession::customer() const
{
    const QString kNr = RecordValue::trimmed(m_participant, P::K_NR);
    if (kNr.isEmpty())
        return std::nullopt;
    return m_customers.load(kNr);
}

void GuestEntrySession::setCustomer(const QString& kNr)
{
    m_participant[P::K_NR] = kNr.trimmed();
}

void GuestEntrySession::setUnknownCustomer()
{
    setCustomer(FixedCustomers::kUnknown);
}

std::optional<TClientDataModul::Record> GuestEntrySession::newCustomerRecord()
{
    try {
        return m_customers.newCustomer();
    } catch (const DatabaseError& e) {
        m_ui.error(e.message());
        return std::nullopt;
    }
}

void GuestEntrySession::setFlag(const QString& name, bool on)
{
    m_participant[name] = on;
}

bool GuestEntrySession::setDateText(const QString& name, const QString& text)
{
    if (isEmptyMask(text)) {
        m_participant[name] = QVariant();
        return true;
    }
    const auto d = GermanFormat::parseDate(text.trimmed());
    if (!d || !d->isValid())
        return false;
    m_participant[name] = *d;
    return true;
}

void GuestEntrySession::setDate(const QString& name, const QDate& date)
{
    m_participant[name] = date.isValid() ? QVariant(date) : QVariant();
}

bool GuestEntrySession::setTimeText(const QString& name, const QString& text)
{
    if (isEmptyMask(text)) {
        m_participant[name] = QVariant();
        return true;
    }
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    if (!t.isValid())
        return false;
    m_participant[name] = t;
    return true;
}

void GuestEntrySession::saveParticipant()
{
    m_participant[P::UMSATZ] = m_betrag;
    m_party.saveParticipant(m_participant);
}

// ---------------------------------------------------------------- moving between participants

std::vector<QString> GuestEntrySession::participantNumbers() const
{
    std::vector<QString> numbers;
    for (const Record& p : m_party.participants(m_rNr))
        numbers.push_back(RecordValue::text(p, P::P_NR));
    if (std::find(numbers.begin(), numbers.end(), pNr()) == numbers.end())
        numbers.push_back(pNr());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool GuestEntrySession::hasPrevious() const
{
    const auto numbers = participantNumbers();
    return !numbers.empty() && numbers.front() != pNr();
}

bool GuestEntrySession::hasNext() const
{
    const auto numbers = participantNumbers();
    return !numbers.empty() && numbers.back() != pNr();
}

bool GuestEntrySession::leaveParticipant()
{
    if (!commitLine())
        return false;
    saveParticipant();
    return true;
}

bool GuestEntrySession::moveTo(int step)
{
    const auto numbers = participantNumbers();
    const auto it = std::find(numbers.begin(), numbers.end(), pNr());
    const auto index = (it - numbers.begin()) + step;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(numbers.size()))
        return false;
    const QString target = numbers[static_cast<size_t>(index)];
    if (!leaveParticipant())
        return false;
    if (const auto p = m_party.participant(m_rNr, target))
        loadParticipant(*p);
    return true;
}

bool GuestEntrySession::previousParticipant()
{
    return moveTo(-1);
}

bool GuestEntrySession::nextParticipant()
{
    return moveTo(+1);
}

bool GuestEntrySession::newParticipant()
{
    if (!leaveParticipant())
        return false;
    const auto p = m_party.addParticipant(m_rNr);
    if (!p)
        return false;
    loadParticipant(*p);
    return true;
}

void GuestEntrySession::loadParticipant(const Record& participant)
{
    m_participant = participant;
    m_mode = Mode::Browse;
    reloadLines();
    rebuildTotals();
}

// ---------------------------------------------------------------- running totals

void GuestEntrySession::rebuildTotals()
{
    m_betrag = m_gesamtmenge = 0;
    for (const OrderLine& line : m_lines)
        adjustTotals(line.summe, line.stueck, +1);
}

void GuestEntrySession::adjustTotals(double summe, double stueck, int sign)
{
    m_betrag += sign * summe;
    m_gesamtmenge += sign * stueck;
}

// ---------------------------------------------------------------- lines

void GuestEntrySession::reloadLines(qint64 selectId)
{
    m_lines = m_rules.lines(m_rNr, pNr());
    m_row = static_cast<int>(m_lines.size()) - 1;
    for (int row = 0; row < static_cast<int>(m_lines.size()) && selectId != 0; ++row) {
        if (m_lines[static_cast<size_t>(row)].id == selectId)
            m_row = row;
    }
}

void GuestEntrySession::selectRow(int row)
{
    if (m_mode != Mode::Browse || m_lines.empty())
        return;
    m_row = std::clamp(row, 0, static_cast<int>(m_lines.size()) - 1);
}

const OrderLine* GuestEntrySession::currentLine() const
{
    if (m_mode != Mode::Browse)
        return &m_edit;
    if (m_row >= 0 && m_row < static_cast<int>(m_lines.size()))
        return &m_lines[static_cast<size_t>(m_row)];
    return nullptr;
}

bool GuestEntrySession::isTextKind(const QString& va) const
{
    return m_party.lineRules().isTextKind(va);
}

LineEntryKind GuestEntrySession::entryKind() const
{
    const OrderLine* line = currentLine();
    const QString va = line ? line->va : QString();
    return LineEntryKind(va, isTextKind(va));
}

QString GuestEntrySession::previousKind() const
{
    const OrderLine* line = currentLine();
    return line ? line->va : QString();
}

bool GuestEntrySession::newLine()
{
    if (m_mode == Mode::Insert && m_edit.lNr.trimmed().isEmpty() && !isTextKind(m_edit.va))
        return false;
    const QString kind = previousKind();
    if (!commitLine())
        return false;
    startLine(kind);
    return true;
}

void GuestEntrySession::startLineIfEmpty()
{
    if (m_lines.empty() && m_mode == Mode::Browse)
        newLine();
}

void GuestEntrySession::startLine(const QString& kindBefore)
{
    m_edit = m_rules.newLine(m_rNr, pNr(), RecordValue::text(m_participant, P::MWoche),
                             RecordValue::text(m_participant, P::TWoche), kindBefore);
    m_mode = Mode::Insert;
}

bool GuestEntrySession::editLine()
{
    if (m_mode != Mode::Browse)
        return m_mode == Mode::Edit;
    const OrderLine* line = currentLine();
    if (!line || !m_rules.mayEdit(*line))
        return false;
    m_edit = m_stored = *line;
    m_mode = Mode::Edit;
    return true;
}

void GuestEntrySession::resetLine()
{
    m_mode = Mode::Browse;
    m_edit = OrderLine{};
}

GuestLineRules::SaveResult GuestEntrySession::saveLine()
{
    if (m_mode == Mode::Browse)
        return GuestLineRules::SaveResult::Saved;
    const bool edited = m_mode == Mode::Edit;
    const auto result = m_rules.saveLine(m_edit);
    if (result == GuestLineRules::SaveResult::Abandoned)
        return result;
    if (edited)
        adjustTotals(m_stored.summe, m_stored.stueck, -1);
    if (result == GuestLineRules::SaveResult::Saved)
        adjustTotals(m_edit.summe, m_edit.stueck, +1);
    m_mode = Mode::Browse;
    reloadLines(result == GuestLineRules::SaveResult::Saved ? m_edit.id : 0);
    return result;
}

bool GuestEntrySession::commitLine()
{
    return m_mode == Mode::Browse || saveLine() != GuestLineRules::SaveResult::Abandoned;
}

void GuestEntrySession::deleteLine()
{
    if (m_mode == Mode::Insert) {
        resetLine();
        return;
    }
    if (m_mode == Mode::Edit)
        resetLine();
    const OrderLine* line = currentLine();
    if (!line)
        return;
    const OrderLine doomed = *line;
    const int row = m_row;
    m_rules.deleteLine(doomed);
    adjustTotals(doomed.summe, doomed.stueck, -1);
    reloadLines();
    if (!m_lines.empty())
        m_row = std::min(row, static_cast<int>(m_lines.size()) - 1);
}

void GuestEntrySession::setKind(const QString& va)
{
    if (m_mode != Mode::Browse)
        m_rules.Tu1TableVAChange(m_edit, va);
}

void GuestEntrySession::setArticleNumber(const QString& lNr)
{
    if (m_mode != Mode::Browse)
        m_rules.Tu1TableL_NRChange(m_edit, lNr);
}

void GuestEntrySession::setPieces(double pieces)
{
    if (m_mode != Mode::Browse)
        m_rules.Tu1TableSTUECKChange(m_edit, pieces);
}

void GuestEntrySession::stepPieces(int delta)
{
    if (m_mode != Mode::Browse)
        setPieces(m_edit.stueck + delta);
}

void GuestEntrySession::setText(const QString& text)
{
    if (m_mode != Mode::Browse)
        m_edit.lText = text.left(40);
}

void GuestEntrySession::setReasonCode(const QString& code)
{
    if (m_mode != Mode::Browse)
        m_edit.fehlCode = code.trimmed().left(3);
}

std::optional<QString> GuestEntrySession::stepKind(const KindTable& table, int direction)
{
    const std::vector<TransactionKind>& kinds = table.kinds();
    if (m_mode == Mode::Browse || kinds.empty())
        return std::nullopt;
    const QString current = m_edit.va.trimmed();
    const auto found =
        std::find_if(kinds.begin(), kinds.end(), [&](const TransactionKind& k) { return k.va == current; });
    const int last = static_cast<int>(kinds.size()) - 1;
    const int index =
        found == kinds.end() ? 0 : std::clamp(static_cast<int>(found - kinds.begin()) + direction, 0, last);
    const QString& va = kinds[static_cast<size_t>(index)].va;
    setKind(va);
    return va;
}

void GuestEntrySession::stepReason(const ExchangeReasons& reasons, int direction)
{
    if (m_mode == Mode::Browse)
        return;
    if (const auto code = reasons.step(m_edit.fehlCode.trimmed(), direction))
        setReasonCode(*code);
}

LineEntryKind::Field GuestEntrySession::enterArticle(const QString& typed, const QString& listed,
                                                     TArtikelModul& articles)
{
    const LineEntryKind kind = entryKind();
    const QString number = typed.trimmed();
    if (m_mode != Mode::Browse && !kind.isText() && !listed.isEmpty() &&
        (number.isEmpty() || !articles.ArticleExists(number)))
        takeArticle(listed);
    return kind.afterArticle();
}

bool GuestEntrySession::setAdvance(bool on)
{
    if (m_mode == Mode::Browse)
        return false;
    m_edit.vorab = on ? QStringLiteral("V") : QString();
    return true;
}

bool GuestEntrySession::toggleAdvance()
{
    const OrderLine* line = currentLine();
    return line && setAdvance(line->vorab != QStringLiteral("V"));
}

void GuestEntrySession::takeArticle(const QString& lNr, const QString& va)
{
    if (m_mode == Mode::Browse)
        return;
    setArticleNumber(lNr);
    if (!va.trimmed().isEmpty())
        setKind(va);
}

bool GuestEntrySession::appendArticle(const QString& lNr, const QString& va)
{
    if (m_mode == Mode::Insert && m_edit.lNr.trimmed().isEmpty()) {
        takeArticle(lNr);
        return true;
    }
    const QString kind = previousKind();
    if (!commitLine())
        return false;
    startLine(kind);
    takeArticle(lNr, va);
    return true;
}

bool GuestEntrySession::recomputeParty()
{
    if (!commitLine())
        return false;
    const qint64 selected = currentLine() ? currentLine()->id : 0;
    reloadLines(selected);
    rebuildTotals();
    saveParticipant();
    if (auto header = m_party.header(m_rNr))
        m_party.saveHeader(*header);
    return true;
}

// ---------------------------------------------------------------- closing

bool GuestEntrySession::close()
{
    if (m_mode != Mode::Browse) {
        // A text line needs no article number; only other lines are asked about.
        if (m_edit.lNr.trimmed().isEmpty() && !isTextKind(m_edit.va)) {
            if (m_ui.question(kNoArticleQuestion, UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
                return false;
            deleteLine();
        } else if (m_edit.va.trimmed().isEmpty()) {
            m_ui.information(kNoKindMessage);
            return false;
        }
    }
    if (!commitLine())
        return false;
    saveParticipant();
    return true;
}

} // namespace korbelant
