#include "core/ui/TIndexForm.h"

#include "core/DataSet.h"
#include "core/IndexRepair.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

TEST(TIndexForm, StandsWhileTheTablesAreRebuilt)
{
    test::TempHome home;
    auto set = DataSet::open(home.home());
    set->db().insert(Schema::get(QStringLiteral("Tuppkopf")),
                     {{QStringLiteral("MWoche"), QStringLiteral("200305")}});
    ScriptedUi ui;
    QString shownWhileAsked;
    ui.setEcho([&](const ScriptedUi::Shown&) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("TIndexForm") && widget->isVisible())
                shownWhileAsked =
                    widget->windowTitle() + QLatin1Char('|') + widget->findChild<QLabel*>()->text();
        }
    });
    TIndexForm::run(*set, ui, nullptr);
    EXPECT_EQ(ui.shownTexts(), QStringList{IndexRepair::kNotice});
    EXPECT_EQ(shownWhileAsked, QStringLiteral("Index|Der Tabellenindex wird neu erstellt."));
    EXPECT_EQ(set->db().scalar(QStringLiteral("SELECT count(*) FROM Tuppkopf")).toInt(), 0);
}

} // namespace
} // namespace korbelant
