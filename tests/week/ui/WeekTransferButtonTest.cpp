#include "core/Options.h"
#include "exchange/DiskFileWriter.h"
#include "exchange/OrderTransfer.h"
#include "exchange/ui/TPathMessageForm.h"
#include "parties/ui/NextModal.h"
#include "support/DistributorDiskFiles.h"
#include "support/FileBytes.h"
#include "support/OrderWeekFixture.h"
#include "week/ui/TWeekRForm.h"
#include "week/ui/WeekPartWeeksTab.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace korbelant::test {

// "TW-Bestelld&iskette" of the week window on the week of OrderWeekFixture.
class WeekTransferButtonTest : public OrderWeekFixture
{
protected:
    WeekTransferButtonTest()
    {
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        options().setText(QStringLiteral("BZHPFAD"), target.path());
        writeFileBytes(target.filePath(QStringLiteral("Ber_ID.bin")), " 4711 Ute Muster\r\n");
        form = std::make_unique<TWeekRForm>(*m_set, week(), ui(), QStringLiteral("Korbelant"));
        form->show();
    }

    int diskPictures()
    {
        QTableWidget* parties = form->partWeeksTab()->partyGrid();
        int shown = 0;
        for (int r = 0; r < parties->rowCount(); ++r)
            shown += parties->item(r, 5)->data(Qt::DecorationRole).isValid() ? 1 : 0;
        return shown;
    }

    QTemporaryDir target;
    std::unique_ptr<TWeekRForm> form;
};

TEST_F(WeekTransferButtonTest, WritesTheArchiveAndShowsThePartiesAsTransferred)
{
    ASSERT_EQ(form->weekShown(), QStringLiteral("2006/49"));
    ui().addAnswer(UiPort::Answer::Ok);
    QString caption;
    QString proposed;
    whenModal<TPathMessageForm>([&](TPathMessageForm* dialog) {
        caption = dialog->windowTitle();
        proposed = dialog->folderField()->text();
        dialog->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
    });
    form->partWeeksTab()->diskButton()->click();
    EXPECT_EQ(caption, QStringLiteral("Korbelant"));
    EXPECT_EQ(proposed, target.path()) << "the options' path";
    EXPECT_TRUE(QFileInfo::exists(target.filePath(OrderTransfer::kArchive)))
        << ui().shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(form->partWeeksTab()->partyGrid()->rowCount(), 3) << "the unmarked week went as a whole";
    EXPECT_EQ(diskPictures(), 3);
}

TEST_F(WeekTransferButtonTest, OldInterfaceWritesTheExchangeDisk)
{
    options().setChecked(QStringLiteral("bzh_old"), true);
    copyDiskFixture(target.path());
    ui().addAnswer(UiPort::Answer::Ok);
    form->partWeeksTab()->diskButton()->click();
    EXPECT_EQ(ui().shownTexts(), QStringList{OrderTransfer::confirmPath(target.path())});
    for (const QString& name :
         {DiskFileWriter::kOrders, DiskFileWriter::kSuccess, DiskFileWriter::kAddresses})
        EXPECT_TRUE(QFileInfo::exists(target.filePath(name))) << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target.filePath(OrderTransfer::kArchive)));
    EXPECT_EQ(diskPictures(), 3);
}

} // namespace korbelant::test
