// Timing of the article import: a list of N articles into a catalogue of N, for several N, so that
// the growth with the size can be read off (half the list is found again, half is new).
//   korbelant-article-import-bench [N …]   (default 2500 5000 10000 20000)
#include "ArticleBenchData.h"
#include "articles/ArticleImport.h"
#include "articles/ArticleImportDisplay.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/Installation.h"
#include "core/ScriptedUi.h"
#include "exchange/OrderArchive.h"
#include "exchange/TTWD_File.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace korbelant;

namespace {

// Stamm.zip and Ber_ID.bin of consultant 4711 with n articles: A<n/2> … from the catalogue, then new ones.
void writeMedium(const QString& folder, int n)
{
    TTWD_File file;
    file.AddValue(QStringLiteral("ERSTELLT"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    file.AddValue(QStringLiteral("VERSION"), QStringLiteral("2.0"));
    TTWD_Table& table = file.AddSection(QStringLiteral("ARTIKEL")).AddTable(QStringLiteral("ARTIKEL"));
    table.SetFields(QStringLiteral("GRUPPE;ARTNR;PRODUKTNR;BEZEICHNUNG;KUNDENPREIS;MUSTERPREIS;STERNE"));
    table.SetFieldTypes(QStringLiteral("10;10;10;10;5;5;3"));
    for (int i = 0; i < n; ++i)
        table.addRecord(QStringLiteral("10;%1;A%2;Artikel %1;%3,95;%4,50;2")
                            .arg(i)
                            .arg(n / 2 + i, 6, 10, QLatin1Char('0'))
                            .arg(i % 90)
                            .arg(i % 40));
    QStringList lines;
    file.WriteLines(lines);
    const QString text = QDir(folder).filePath(QStringLiteral("ArtInfos.txt"));
    TTWD_File::SaveLines(lines, text);
    QFile source(text);
    source.open(QIODevice::ReadOnly);
    OrderArchive::put(QDir(folder).filePath(ArticleImport::kArchiveName), ArticleImport::kArticleFile,
                      source.readAll());
    QFile id(QDir(folder).filePath(QStringLiteral("Ber_ID.bin")));
    id.open(QIODevice::WriteOnly);
    id.write(" 4711\r\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QList<int> sizes{2500, 5000, 10000, 20000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QString::fromLocal8Bit(argv[i]).toInt();
    }
    QTextStream out(stdout);
    for (const int n : sizes) {
        QTemporaryDir dir;
        const DataHome home(dir.filePath(QStringLiteral("home")));
        Installation::init(home);
        auto set = DataSet::open(home);
        set->options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        set->options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        fillBenchArticles(set->db(), n);
        const QString medium = dir.filePath(QStringLiteral("medium"));
        QDir().mkpath(medium);
        writeMedium(medium, n);
        ScriptedUi ui;
        ArticleImportDisplay display;
        ArticleImport import(*set, ui, display);
        QElapsedTimer timer;
        timer.start();
        const bool done = import.run(ArticleImport::Source{medium, false});
        const qint64 ms = timer.elapsed();
        const ArticleImportFigures& f = import.figures();
        out << QStringLiteral(
                   "%1 Artikel in einen Katalog von %1: %2 ms (%3 µs je Artikel), neu %4, nachher %5%6")
                   .arg(n)
                   .arg(ms)
                   .arg(ms * 1000 / n)
                   .arg(f.added())
                   .arg(f.after)
                   .arg(done ? QString() : QStringLiteral(", FEHLER: ") + f.state)
            << Qt::endl;
    }
    return 0;
}
