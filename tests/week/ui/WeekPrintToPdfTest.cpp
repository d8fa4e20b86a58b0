#include "reports/ReportDocument.h"
#include "reports/ReportPdf.h"
#include "support/PdfText.h"
#include "support/WeekOrderFixture.h"
#include "week/TWocheDataModul.h"
#include "week/WeekPrintRun.h"
#include "week/WeekPrintSet.h"

#include <QFileInfo>

namespace korbelant::test {

class WeekPrintToPdfTest : public WeekOrderFixture
{
};

// The week's whole print set through a printer that saves every copy as a PDF file.
TEST_F(WeekPrintToPdfTest, PrintsTheWholeSetAndNotesEveryReportAsPrinted)
{
    db().run(QStringLiteral("UPDATE MWoche SET DR_20 = 2 WHERE MWoche = '202604'"));
    TWocheDataModul week(db(), options(), ui());
    ASSERT_TRUE(week.setCurrentWeek(all.week));
    WeekPrintSet set(options());
    set.setCopies(3, 2);
    QStringList files;
    const WeekPrintRun::Printer toPdf = [&](const ReportDocument& document, int copies) {
        for (int n = 0; n < copies; ++n) {
            files << m_home.root() + QStringLiteral("/druck%1.pdf").arg(files.size() + 1);
            ReportPdf::write(document, files.last());
        }
    };
    const auto result = WeekPrintRun::run(week, set, *m_set, ui(), toPdf);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.printed, (QList<int>{1, 2, 3, 4, 5}));
    ASSERT_EQ(files.size(), 6);
    const char* titles[] = {"Erfolgsübersicht",    "Bestelliste",           "Tupperware-Umtausch",
                            "Tupperware-Umtausch", "Drucksachenbestellung", "Sterne - Übersicht"};
    for (int i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(QFileInfo::exists(files.at(i)));
        EXPECT_TRUE(pdfLayoutText(files.at(i)).contains(QString::fromUtf8(titles[i]))) << titles[i];
    }
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT DR_20 FROM MWoche WHERE MWoche = '202604'")).toInt(), 11111);
    for (int k = 1; k <= WeekPrintSet::kReports; ++k)
        EXPECT_EQ(week.ReportPrintState(k), QStringLiteral("gedruckt")) << k;
}

} // namespace korbelant::test
