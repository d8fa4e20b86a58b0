#include "articles/ArticleImport.h"

#include "articles/ArticleDiskReader.h"
#include "articles/ArticleImportDisplay.h"
#include "articles/ArticleMerge.h"
#include "articles/ArticleRowMapping.h"
#include "articles/ArticleTempStore.h"
#include "articles/SparePartsRefill.h"
#include "core/BackupBeforeChange.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeDrive.h"
#include "exchange/ExchangeFolderChoice.h"
#include "exchange/MediumCheck.h"
#include "exchange/MediumFile.h"
#include "exchange/TTWD_File.h"
#include "exchange/TransferQueries.h"
#include "exchange/TwdError.h"

#include <QDir>
#include <QFile>

namespace korbelant {

namespace {

// The rows of a section: its table of the same name, else its first table.
const TTWD_Table* sectionRows(const TTWD_File& file, const QString& section)
{
    const TTWD_TableList* found = file.sections().find(section);
    if (!found || found->tableCount() == 0)
        return nullptr;
    const TTWD_Table* named = found->FindTable(section);
    return named ? named : &found->tableAt(0);
}

QDate creationDate(const QString& text)
{
    return QDate::fromString(text.trimmed().left(10), QStringLiteral("dd.MM.yyyy"));
}

} // namespace

ArticleImport::ArticleImport(DataSet& set, UiPort& ui, ArticleImportDisplay& display)
    : m_set(set), m_ui(ui), m_display(display), m_diskReader(&ArticleDiskReader::read)
{
}

bool ArticleImport::run(std::optional<Source> source, const QDate& today)
{
    m_figures = ArticleImportFigures{};
    m_figures.state = kChecking;
    m_today = today;
    if (!source)
        source = chooseSource();
    if (!source || !ExchangeDrive(m_set.options()).waitReady(m_ui, *source))
        return false;
    bool done = false;
    if (m_set.options().checked(QStringLiteral("bzh_old")))
        done = m_diskReader(*this, *source);
    else
        done = runArchive(*source);
    finish();
    return done && !m_figures.failed;
}

std::optional<ArticleImport::Source> ArticleImport::chooseSource()
{
    if (m_chooser)
        return m_chooser(ExchangeFolderChoice::kArticleText);
    const QString folder =
        m_ui.chooseDirectory(ExchangeFolderChoice::kArticleText, ExchangeDrive(m_set.options()).folder());
    if (folder.isEmpty())
        return std::nullopt;
    return Source{folder, false};
}

bool ArticleImport::runArchive(const Source& source)
{
    if (!MediumCheck::CheckMedium(MediumCheck::berIdFile(source.folder),
                                  TransferQueries::consultantNumber(m_set.options()))) {
        m_ui.error(kNoBerId);
        return false;
    }
    TTWD_File file;
    if (!openArticleFile(source, file))
        return false;
    if (!source.online)
        copyBerId(source);
    openDisplay();
    setState(kReading);
    const QDate created = creationDate(file.GetValue(QStringLiteral("ERSTELLT")));
    m_figures.version = file.GetValue(QStringLiteral("VERSION"));
    setCreationDate(created);
    if (!acceptAge(created))
        return false;
    const TTWD_Table* articles = sectionRows(file, QStringLiteral("ARTIKEL"));
    int n = 0;
    const int count = articles ? articles->recordCount() : 0;
    return changeData([&] {
        const bool merged = takeOver([&](std::optional<QVariantMap>& row) {
            if (n >= count)
                return false;
            row = ArticleRowMapping::fromArchive(*articles, n++, m_today);
            if (!row)
                m_ui.warning(kRowDropped);
            return true;
        });
        if (!merged)
            return false;
        readRequestItems(file);
        readSpareParts(file);
        setState(kDone);
        return true;
    });
}

// Everything an import changes becomes lasting at once, so a program that ends in the middle
// (power cut, killed) leaves the old catalogue, spare parts and request items. The steps keep
// their own failures: a refill that fails is undone alone and the catalogue is kept.
bool ArticleImport::changeData(const std::function<bool()>& steps)
{
    if (!BackupBeforeChange::make(m_set.db(), m_ui, m_today)) {
        m_figures.failed = true;
        return false;
    }
    try {
        Transaction transaction(m_set.db());
        if (!steps())
            return false;
        transaction.commit();
        return true;
    } catch (const DatabaseError& e) {
        m_ui.error(e.message());
        m_figures.failed = true;
        return false;
    }
}

// A file left from an earlier import must not pass for the new one: it goes before unpacking.
bool ArticleImport::openArticleFile(const Source& source, TTWD_File& file)
{
    ExchangeDirectory exchange(m_set.home(), m_ui);
    const QString path = QDir(exchange.transtup()).filePath(kArticleFile);
    QFile::remove(path);
    if (!exchange.PrepareTranstup(MediumFile::find(source.folder, kArchiveName))) {
        m_ui.error(kNoArchive);
        return false;
    }
    try {
        if (file.LoadFile(path))
            return true;
    } catch (const TwdError&) {
        // reported below
    }
    m_ui.error(kNotOpened);
    return false;
}

void ArticleImport::copyBerId(const Source& source)
{
    const QString online = ExchangeDirectory(m_set.home(), m_ui).online();
    QDir().mkpath(online);
    const QString target = QDir(online).filePath(MediumCheck::kFileName);
    QFile::remove(target);
    QFile::copy(MediumCheck::berIdFile(source.folder), target);
}

void ArticleImport::setState(const QString& state)
{
    m_figures.state = state;
    m_display.update(m_figures);
}

void ArticleImport::openDisplay()
{
    m_figures.before = catalogueSize();
    m_display.open(m_figures);
}

bool ArticleImport::acceptAge(const QDate& created)
{
    // A date that cannot be read counts as the earliest of all.
    const bool old = !created.isValid() || m_today.addDays(-8) > created;
    if (!old)
        return true;
    if (m_ui.question(kTooOld, UiPort::Buttons::YesNo) == UiPort::Answer::Yes)
        return true;
    setState(kCancelled);
    return false;
}

bool ArticleImport::takeOver(const RowReader& next)
{
    Database& db = m_set.db();
    try {
        ArticleTempStore store(db);
        std::optional<QVariantMap> row;
        while (next(row)) {
            ++m_figures.read;
            if (!row || !store.store(*row))
                m_figures.failed = true;
            if (m_figures.read % 100 == 0)
                m_display.step(m_figures);
        }
        store.commit();
    } catch (const DatabaseError&) {
        m_ui.error(kTempNotCreated);
        m_figures.failed = true;
        return false;
    }
    setState(kMerging);
    try {
        const ArticleMerge::Result result =
            ArticleMerge::merge(db, m_set.options().checked(QStringLiteral("AppendArtikel")));
        m_figures.matched = result.matched;
        m_figures.removed = result.removed;
    } catch (const DatabaseError& e) {
        m_ui.error(e.message());
        m_figures.failed = true;
        return false;
    }
    m_figures.after = catalogueSize();
    m_display.update(m_figures);
    return true;
}

// Request items go to the week of today; a row that cannot be stored (the item is already
// requested for that week) is dropped.
void ArticleImport::readRequestItems(const TTWD_File& file)
{
    setState(kRequestItems);
    const TTWD_Table* items = sectionRows(file, QStringLiteral("Posten"));
    if (!items)
        return;
    Database& db = m_set.db();
    const TableDef& table = Schema::get(QStringLiteral("anforderungen"));
    const QString week = WeekKey::weekKey(m_today);
    Transaction transaction(db);
    for (int n = 0; n < items->recordCount(); ++n) {
        try {
            db.insert(table,
                      {{QStringLiteral("MWOCHE"), week},
                       {QStringLiteral("Kodierung"), items->GetField(n, QStringLiteral("Kodierung"))},
                       {QStringLiteral("Bezeichnung"), items->GetField(n, QStringLiteral("Bezeichnung"))},
                       {QStringLiteral("Max"),
                        ArticleRowMapping::number(items->GetField(n, QStringLiteral("MaximaleMenge")))
                            .value_or(QVariant())},
                       {QStringLiteral("Menge"), 0}});
        } catch (const DatabaseError&) {
            // dropped
        }
    }
    transaction.commit();
}

void ArticleImport::readSpareParts(const TTWD_File& file)
{
    std::vector<SparePartsRefill::Pair> pairs;
    if (const TTWD_Table* rows = sectionRows(file, QStringLiteral("Ersatzteile"))) {
        for (int n = 0; n < rows->recordCount(); ++n)
            pairs.push_back(
                {rows->GetField(n, QStringLiteral("FORMNUMMER")).trimmed(),
                 ArticleRowMapping::withoutBlanks(rows->GetField(n, QStringLiteral("PRODUKTNR5")))});
    }
    replaceSpareParts(pairs);
}

void ArticleImport::replaceSpareParts(const std::vector<SparePartsRefill::Pair>& pairs)
{
    setState(kSpareParts);
    try {
        SparePartsRefill::replace(m_set.db(), pairs);
    } catch (const DatabaseError&) {
        m_ui.error(SparePartsRefill::kFailed);
        m_figures.failed = true;
    }
}

void ArticleImport::setCreationDate(const QDate& created)
{
    if (created.isValid())
        m_figures.created = created.toString(QStringLiteral("dd.MM.yyyy"));
    m_display.update(m_figures);
}

void ArticleImport::finish()
{
    ArticleTempStore::drop(m_set.db());
    m_display.finish(m_figures);
}

int ArticleImport::catalogueSize()
{
    return m_set.db().scalar(QStringLiteral("SELECT count(*) FROM Lager")).toInt();
}

} // namespace korbelant
