#include "widgets/TPfadForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

TEST(TPfadForm, OpensDirectoriesAndReturnsTheOpenOne)
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Stick/Woche")));

    TPfadForm form(TPfadForm::kCaption, DriveMap(), root + QStringLiteral("/Stick"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pfad auswählen :"));
    EXPECT_EQ(form.currentLabel()->text(), root + QStringLiteral("/Stick"));
    EXPECT_EQ(form.driveBox()->count(), 4);
    ASSERT_EQ(form.directoryList()->count(), 2);

    QListWidgetItem* week = form.directoryList()->item(1);
    EXPECT_EQ(week->text(), QStringLiteral("Woche"));
    emit form.directoryList()->itemActivated(week);
    EXPECT_EQ(form.directory(), root + QStringLiteral("/Stick/Woche"));
    EXPECT_EQ(form.currentLabel()->text(), root + QStringLiteral("/Stick/Woche"));
}

TEST(TPfadForm, OkTakesTheDirectoryAndCancelNothing)
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    for (const bool confirm : {true, false}) {
        QTimer::singleShot(0, [confirm] {
            auto* form = qobject_cast<TPfadForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            const QString name = confirm ? QStringLiteral("Ok") : QStringLiteral("Abbrechen");
            form->findChild<QPushButton*>(name)->click();
        });
        const QString chosen =
            TPfadForm::choose(QStringLiteral("Quelle der Daten"), DriveMap(), root, nullptr);
        EXPECT_EQ(chosen, confirm ? root : QString());
    }
}

} // namespace
} // namespace korbelant
