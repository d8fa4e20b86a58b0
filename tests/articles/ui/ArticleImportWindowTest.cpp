#include "articles/ArticleImport.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/ArticleTableModel.h"
#include "articles/ui/TArtikelImportInfo.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "support/ArtInfosFile.h"
#include "support/ArticleBuilder.h"
#include "support/ArticleModuleFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace korbelant::test {

namespace {

QPushButton* button(QWidget& window, const QString& text)
{
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

} // namespace

// "&Einlesen" in the article window: the info window follows the import with its figures while
// the windows behind it are disabled, ends with "Ok", and the article list shows the new articles.
TEST_F(ArticleModuleFixture, ImportFromTheArticleWindowShowsItsFiguresAndRefreshesTheList)
{
    options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
    options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
    ArticleBuilder(QStringLiteral("111111")).with(QStringLiteral("AKTIV"), true).insertInto(db());
    QTemporaryDir medium;
    ArtInfosRow bad;
    bad.productNumber = QStringLiteral("333333");
    bad.price = QStringLiteral("?");
    std::vector<ArtInfosRow> rows(3);
    rows[0].productNumber = QStringLiteral("111111");
    rows[1].productNumber = QStringLiteral("222222");
    rows[2] = bad;
    writeMasterDataMedium(medium.path(), artInfosText(QStringLiteral("09.12.2026"), rows));

    QWidget mainWindow;
    TArtikelVerwaltForm form(modul(), ui(), QStringLiteral("Korbelant"), &mainWindow);
    form.show();
    const int before = form.model()->rowCount();
    bool disabledMeanwhile = false;
    ui().setEcho(
        [&](const ScriptedUi::Shown&) { disabledMeanwhile = !mainWindow.isEnabled() && !form.isEnabled(); });
    ui().addAnswer(UiPort::Answer::Ok);
    std::unique_ptr<TArtikelImportInfo> info;
    form.setImporter([&](QWidget* articleWindow) {
        info = std::make_unique<TArtikelImportInfo>(articleWindow);
        info->setDisabledWhileRunning({&mainWindow, articleWindow});
        ArticleImport import(*m_set, ui(), *info);
        import.run(ArticleImport::Source{medium.path(), false}, QDate(2026, 12, 10));
    });
    button(form, QStringLiteral("&Einlesen"))->click();

    ASSERT_TRUE(info);
    EXPECT_EQ(ui().shownTexts(), QStringList{ArticleImport::kRowDropped});
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(mainWindow.isEnabled() && form.isEnabled() && info->isEnabled());
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Artikel-Import Übersicht"));
    EXPECT_EQ(info->stateLabel()->text(), ArticleImport::kDone);
    EXPECT_FALSE(info->waitPanel()->isVisible());
    EXPECT_TRUE(info->okButton()->isVisible());
    const struct
    {
        const char* caption;
        const char* value;
    } figures[] = {{"Artikel eingelesen :", "3"},
                   {"Neu :", "2"},
                   {"Entfernt :", "0"},
                   {"vorher :", "1"},
                   {"nachher :", "2"},
                   {"Erstellungsdatum der Artikeldatei :", "09.12.2026"},
                   {"Version der Schnittstelle: ", "2.0"}};
    for (const auto& f : figures)
        EXPECT_EQ(info->figure(QString::fromUtf8(f.caption)), QString::fromLatin1(f.value)) << f.caption;
    EXPECT_EQ(form.model()->rowCount(), before + 1);
    info->okButton()->click();
    EXPECT_FALSE(info->isVisible());
}

} // namespace korbelant::test
