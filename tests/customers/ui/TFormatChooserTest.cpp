#include "customers/ui/TFormatChooser.h"
#include "customers/ui/TFreeListForm.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace korbelant::test {

class TFormatChooserTest : public DataSetFixture
{
protected:
    TFormatChooserTest()
    {
        CustomerBuilder(QStringLiteral("900001"))
            .name(QStringLiteral("Berg"), QStringLiteral("Anna"))
            .insertInto(db());
    }
};

TEST_F(TFormatChooserTest, NineReportsAndTheChosenOneForTheCustomers)
{
    TFormatChooser chooser(db(), ui());
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Bericht auswählen"));
    EXPECT_EQ(chooser.list()->count(), 9);
    EXPECT_FALSE(chooser.chosenDocument());
    EXPECT_EQ(ui().shownTexts(), QStringList{TFormatChooser::kNothingChosen});

    chooser.setCustomers({QStringLiteral("900001")}, QStringLiteral("900001"));
    chooser.list()->setCurrentRow(5);
    std::optional<ReportDocument> phones = chooser.chosenDocument();
    ASSERT_TRUE(phones);
    EXPECT_EQ(phones->title, QStringLiteral("Telefonliste"));
    chooser.list()->setCurrentRow(2);
    EXPECT_EQ(chooser.chosenDocument()->title, QStringLiteral("Anwesenheitsliste"));

    // The free short list asks for its fields first; cancelling it prints nothing.
    chooser.list()->setCurrentRow(7);
    QTimer::singleShot(0, [] {
        auto* fields = dynamic_cast<TFreeListForm*>(QApplication::activeModalWidget());
        ASSERT_TRUE(fields);
        fields->titleEdit()->setText(QStringLiteral("Tennis"));
        fields->fieldBox(0)->setCurrentText(QStringLiteral("MCODE"));
        fields->accept();
    });
    std::optional<ReportDocument> free = chooser.chosenDocument();
    ASSERT_TRUE(free);
    EXPECT_EQ(free->title, QStringLiteral("Tennis"));
    EXPECT_EQ(free->sections.front().columns.size(), 5u);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(chooser.chosenDocument());
}

} // namespace korbelant::test
