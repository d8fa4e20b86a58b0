#include "reports/ui/ReportPreview.h"
#include "core/ScriptedUi.h"
#include "reports/ReportLayout.h"
#include "reports/ui/ReportPrinter.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace korbelant {
namespace {

ReportDocument smallDocument()
{
    ReportDocument doc;
    doc.title = QStringLiteral("Probe");
    ReportSection section;
    section.columns = {ReportColumn::text(QStringLiteral("Nr."), 20)};
    section.groups.push_back({QString(), {{{QStringLiteral("A1")}, {}}}, QString(), false});
    doc.sections.push_back(section);
    return doc;
}

TEST(ReportPrinter, WarnsWithoutPrinter)
{
    ScriptedUi ui;
    const bool installed = !QPrinterInfo::availablePrinters().isEmpty();
    EXPECT_EQ(ReportPrinter::CheckPrinter(ui), installed);
    EXPECT_EQ(ui.wasShown(ReportPrinter::NoPrinterMessage), !installed);
    EXPECT_EQ(ReportPrinter::NoPrinterMessage,
              QStringLiteral("Sie haben keinen Drucker installiert, die Berichte funktionieren "
                             "nur wenn Sie einen Drucker installieren. (Siehe Hilfe, FAQ´s)"));
}

// The preview's "Als PDF speichern" writes the report to the file chosen through the UI port; a
// cancelled choice writes nothing.
TEST(ReportPreview, SaveAsPdfFromPreview)
{
    QTemporaryDir dir;
    ScriptedUi ui;
    ui.addFile(QString());
    ui.addFile(dir.filePath(QStringLiteral("probe.pdf")));
    std::unique_ptr<QPrintPreviewDialog> dialog(
        ReportPreview::createDialog(smallDocument(), ui, false, nullptr));
    auto* save = dialog->findChild<QAction*>(QStringLiteral("saveAsPdf"));
    ASSERT_NE(save, nullptr);
    save->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("probe.pdf"))));
    save->trigger();
    QFile pdf(dir.filePath(QStringLiteral("probe.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

// The preview draws the same pages as the layout, on paper of the document's orientation.
TEST(ReportPreview, PreviewShowsTheLaidOutPages)
{
    ReportDocument doc = smallDocument();
    doc.orientation = ReportDocument::Orientation::Landscape;
    for (int i = 0; i < 100; ++i)
        doc.sections[0].groups[0].rows.push_back({{QString::number(i)}, {}});
    const auto pages = ReportLayout::layout(doc);
    ASSERT_GT(pages.size(), 1u);
    ScriptedUi ui;
    std::unique_ptr<QPrintPreviewDialog> dialog(ReportPreview::createDialog(doc, ui, false, nullptr));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_EQ(preview->pageCount(), static_cast<int>(pages.size()));
    EXPECT_EQ(preview->orientation(), QPageLayout::Landscape);
}

} // namespace
} // namespace korbelant
