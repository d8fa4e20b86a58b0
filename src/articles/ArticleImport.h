#pragma once

#include "articles/ArticleImportFigures.h"
#include "articles/SparePartsRefill.h"
#include "exchange/ExchangeTarget.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace korbelant {

class ArticleImportDisplay;
class DataSet;
class TTWD_File;
class TTWD_Table;
class UiPort;

// The import of the distributor's article list into the catalogue: the medium is asked for, the
// list is read row by row into the work table LagerTemp under the number rules and merged into
// Lager; the spare-part relation is replaced and, from an archive, the week's request items
// added. The newer interface reads Stamm.zip with ArtInfos.txt; the disk of old is read when the
// option bzh_old is set.
class ArticleImport
{
public:
    using Source = ExchangeTarget;
    // Shows the exchange folder dialog with its text; the chosen source, nullopt when cancelled.
    using SourceChooser = std::function<std::optional<Source>(const QString& text)>;
    // Reads the disk of old into the catalogue (ArticleDiskReader unless a test sets another).
    using DiskReader = std::function<bool(ArticleImport& import, const Source& source)>;

    static inline const QString kChecking = QStringLiteral("Überprüfe die Diskette");
    static inline const QString kReading = QStringLiteral("lese Artikel von Diskette");
    static inline const QString kPreparing = QStringLiteral("bereite Artikel auf");
    static inline const QString kMerging = QStringLiteral("übernehme Artikel");
    static inline const QString kSpareParts = QStringLiteral("suche Ersatzteilinformationen");
    static inline const QString kRequestItems = QStringLiteral("suche Posten");
    static inline const QString kDone = QStringLiteral("abgeschlossen");
    static inline const QString kCancelled = QStringLiteral("einlesen wurde abgebrochen");
    static inline const QString kWrongCurrency = QStringLiteral("falsche Währung");

    static inline const QString kTooOld = QStringLiteral(
        "Die Artikeldatei ist älter als 8 Tage, eine neue steht wahrscheinlich zur Verfügung, wollen Sie "
        "trotzdem einlesen?");
    static inline const QString kNoBerId = QStringLiteral(
        "Auf dem Datenträger ist keine Ber_ID.bin - Datei oder es handelt sich nicht um Ihre Stammdaten");
    static inline const QString kNoArchive =
        QStringLiteral("Übergabedatei nicht an angegebener Stelle zu finden.");
    static inline const QString kNotOpened =
        QStringLiteral("Die Artikelinformationen konnten nich geöffnet werden!");
    static inline const QString kRowDropped = QStringLiteral("Datensatz nicht übernommen");
    static inline const QString kTempNotCreated = QStringLiteral("Fehler beim erzeugen von Temdatei");
    static inline const QString kArchiveName = QStringLiteral("Stamm.zip");
    static inline const QString kArticleFile = QStringLiteral("ArtInfos.txt");

    ArticleImport(DataSet& set, UiPort& ui, ArticleImportDisplay& display);

    void setSourceChooser(SourceChooser chooser) { m_chooser = std::move(chooser); }
    void setDiskReader(DiskReader reader) { m_diskReader = std::move(reader); }

    // Runs the import. Without a source the exchange folder is asked for. False when it ended
    // before the catalogue was changed or a step failed; the figures tell how far it got.
    bool run(std::optional<Source> source = std::nullopt, const QDate& today = QDate::currentDate());
    const ArticleImportFigures& figures() const { return m_figures; }

    // --- the steps the disk reader shares ---
    DataSet& dataSet() { return m_set; }
    UiPort& ui() { return m_ui; }
    const QDate& today() const { return m_today; }
    void setState(const QString& state);
    // Shows the info window with the catalogue's size before the import.
    void openDisplay();
    // Asks when the article file is more than eight days old; false when the user declines.
    bool acceptAge(const QDate& created);
    // Reads mapped rows into LagerTemp and merges them: next() gives each row's record, nullopt
    // for a dropped row, and false when the rows have ended.
    using RowReader = std::function<bool(std::optional<QVariantMap>& row)>;
    bool takeOver(const RowReader& next);
    // Runs the steps that change data as one change, after a backup of the data set: kept when they
    // return true. Without the backup nothing runs.
    bool changeData(const std::function<bool()>& steps);
    // Replaces the spare-part relation; a failure is shown and the old pairs stay.
    void replaceSpareParts(const std::vector<SparePartsRefill::Pair>& pairs);
    // The creation date of the article file, shown as read ("nicht lesbar" when invalid).
    void setCreationDate(const QDate& created);
    // Copies Ber_ID.bin of the medium into the Online folder; a failure is ignored.
    void copyBerId(const Source& source);

private:
    std::optional<Source> chooseSource();
    bool runArchive(const Source& source);
    bool openArticleFile(const Source& source, TTWD_File& file);
    void readRequestItems(const TTWD_File& file);
    void readSpareParts(const TTWD_File& file);
    void finish();
    int catalogueSize();

    DataSet& m_set;
    UiPort& m_ui;
    ArticleImportDisplay& m_display;
    SourceChooser m_chooser;
    DiskReader m_diskReader;
    ArticleImportFigures m_figures;
    QDate m_today;
};

} // namespace korbelant
