#include "customers/ui/TClientNewForm.h"

#include "customers/CustomerMail.h"
#include "customers/TClientDataModul.h"
#include "parties/ui/NextModal.h"
#include "support/CustomerStoreFixture.h"
#include "widgets/TMaskedDateEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TClientNewFormTest : public CustomerStoreFixture
{
protected:
    TClientNewFormTest() : form(store)
    {
        store.savePlace({"35037", "Marburg", "06421"});
        store.savePlace({"35096", "Weimar", "06421"});
        store.savePlace({"35096", "Niederweimar", "06421"});
        add({{"PLZ", "35037"}, {"ORT", "Marburg"}, {"KM_ENTF", 12}});
        form.setRecord(store.newCustomer(), true);
        form.show();
        QApplication::setActiveWindow(&form);
    }
    QLineEdit* edit(const char* field) { return form.edit(QString::fromLatin1(field)); }
    static void type(QLineEdit* e, const QString& text)
    {
        e->setFocus();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &press);
        }
    }

    TClientNewForm form;
};

} // namespace

TEST_F(TClientNewFormTest, OpensOnTheFirstPageWithTheDefaults)
{
    EXPECT_EQ(form.windowTitle(), TClientNewForm::kDefaultTitle);
    EXPECT_EQ(form.pages()->currentIndex(), 0);
    EXPECT_TRUE(form.guestTypeButton("N")->isChecked());
    EXPECT_TRUE(form.maritalStatusButton("U")->isChecked());
    EXPECT_TRUE(form.distancesButton()->isVisibleTo(&form)) << "the distance table has a row";
}

// The number stands as it is stored, without a blank between its digits, for a new customer and
// for one moved to; the captions are whole words.
TEST_F(TClientNewFormTest, TheHeadShowsTheNumberAsItIsStored)
{
    const auto* number = form.findChild<QLabel*>(QStringLiteral("K_NR"));
    ASSERT_NE(number, nullptr);
    const QString created = form.record().value("K_NR").toString();
    EXPECT_EQ(number->text(), created);
    const QString other = add({{"NAME", "Zander"}});
    form.setRecord(*store.load(other), false);
    EXPECT_EQ(number->text(), other);
    EXPECT_FALSE(number->text().contains(QLatin1Char(' ')));

    QStringList captions;
    for (const QLabel* label : form.findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Wiedervorlage :", "Straße :"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

TEST_F(TClientNewFormTest, EnteringTheEmptyTownFillsItFromThePostcode)
{
    type(edit("PLZ"), "35037");
    edit("ORT")->setFocus();
    EXPECT_EQ(edit("ORT")->text(), QStringLiteral("Marburg"));
    EXPECT_EQ(form.record().value("KM_ENTF").toInt(), 12);
}

TEST_F(TClientNewFormTest, PostcodeWithTwoTownsOpensThePlacesWindow)
{
    type(edit("PLZ"), "35096");
    QString title;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            title = w->windowTitle();
            static_cast<QDialog*>(w)->accept();
        }
    });
    edit("ORT")->setFocus();
    EXPECT_EQ(title, QStringLiteral("Orte sortiert nach Plz "));
    EXPECT_EQ(edit("ORT")->text(), QStringLiteral("Niederweimar"));
    EXPECT_EQ(edit("PLZ")->text(), QStringLiteral("35096"));
}

TEST_F(TClientNewFormTest, LeavingTheTownFillsTheEmptyPostcode)
{
    type(edit("ORT"), "marburg");
    EXPECT_EQ(edit("ORT")->text(), QStringLiteral("Marburg")) << "first letter made a capital";
    edit("TELEFON")->setFocus();
    EXPECT_EQ(edit("PLZ")->text(), QStringLiteral("35037"));
}

TEST_F(TClientNewFormTest, TelephoneFieldsGetTheAreaCodeAndLoseItUnchanged)
{
    type(edit("PLZ"), "35037");
    edit("ORT")->setText("Marburg");
    for (const char* field : {"TELEFON", "TELEFON2", "FAX"}) {
        edit(field)->setFocus();
        EXPECT_EQ(edit(field)->text(), QStringLiteral("06421/")) << field;
        EXPECT_EQ(edit(field)->cursorPosition(), 6) << field;
        edit("NAME")->setFocus();
        EXPECT_EQ(edit(field)->text(), QString()) << field;
    }
    edit("TELEFON")->setFocus();
    type(edit("TELEFON"), "4711");
    edit("NAME")->setFocus();
    EXPECT_EQ(edit("TELEFON")->text(), QStringLiteral("06421/4711"));
    type(edit("PLZ"), "");
    edit("PLZ")->clear();
    edit("FAX")->setFocus();
    EXPECT_EQ(edit("FAX")->text(), QString()) << "no postcode, no area code";
}

TEST_F(TClientNewFormTest, EnterInTheEventFieldSwitchesToTheSecondPage)
{
    QLineEdit* event = edit("BZH_VERANSTALT");
    type(event, "herbstfest");
    EXPECT_EQ(event->text(), QStringLiteral("HERBSTFEST"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(event, &enter);
    EXPECT_EQ(form.pages()->currentIndex(), 1);
    EXPECT_TRUE(form.maritalStatusButton("U")->hasFocus());
}

TEST_F(TClientNewFormTest, CalendarButtonsSetAndClearTheirField)
{
    ui.addDate(QDate(2026, 3, 14));
    form.calendarButton("WiederVorlage")->click();
    EXPECT_EQ(form.dateEdit("WiederVorlage")->date(), QDate(2026, 3, 14));
    ui.addDate(QDate());
    form.calendarButton("WiederVorlage")->click();
    EXPECT_FALSE(form.dateEdit("WiederVorlage")->date().isValid());
}

TEST_F(TClientNewFormTest, OkStoresTheCustomer)
{
    type(edit("NAME"), "berg");
    edit("VORNAME")->setText("Eva");
    form.dateEdit("GEBURTSTAG")->setDate(QDate(1970, 5, 1));
    form.guestTypeButton("S")->setChecked(true);
    form.okClicked();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const auto stored = store.load("100003");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value("NAME").toString(), QStringLiteral("Berg"));
    EXPECT_EQ(stored->value("GanzerName").toString(), QStringLiteral("Berg, Eva"));
    EXPECT_EQ(stored->value("GEBURTSTAG").toDate(), QDate(1970, 5, 1));
    EXPECT_EQ(stored->value("GASTGEBER").toString(), QStringLiteral("S"));
    EXPECT_EQ(stored->value("B_WARINBZH").toString(), QStringLiteral("N"));
    EXPECT_TRUE(stored->value("N_ZEIT").isNull());
}

TEST_F(TClientNewFormTest, CreateNewStoresNothingBeforeTheDialogsOk)
{
    for (const bool ok : {false, true}) {
        QString title;
        bool storedWhileOpen = true;
        whenModal<TClientNewForm>([&](TClientNewForm* dialog) {
            title = dialog->windowTitle();
            storedWhileOpen = store.load(dialog->record().value("K_NR").toString()).has_value();
            dialog->edit("NAME")->setText("Zander");
            if (ok)
                dialog->okClicked();
            else
                dialog->reject();
        });
        const std::optional<QString> number =
            TClientNewForm::createNew(store, QStringLiteral("Neukunde als Gastgeber"), &form);
        EXPECT_EQ(title, QStringLiteral("Neukunde als Gastgeber"));
        EXPECT_FALSE(storedWhileOpen) << (ok ? "ok" : "cancel");
        EXPECT_EQ(number, ok ? std::optional<QString>("100003") : std::nullopt);
        const auto stored = store.load("100003");
        ASSERT_EQ(stored.has_value(), ok);
        if (ok) {
            EXPECT_EQ(stored->value("NAME").toString(), QStringLiteral("Zander"));
        }
    }
}

TEST_F(TClientNewFormTest, CreateNewHandsThePreparedRecordWithTheEntriesToTheEditor)
{
    enum class Editor
    {
        Stores,
        Cancels,
        None
    };
    struct Case
    {
        const char* what;
        Editor editor;
        bool numbersLeft;
    };
    const Case cases[] = {
        {"the editor stores her", Editor::Stores, true},
        {"the editor is cancelled", Editor::Cancels, true},
        {"no editor", Editor::None, true},
        {"no number left: the editor does not open", Editor::Stores, false},
    };
    for (const Case& c : cases) {
        if (!c.numbersLeft) {
            auto last = store.newCustomer();
            last.insert("K_NR", "999999");
            ASSERT_TRUE(store.post(last, true).ok);
        }
        int calls = 0;
        TClientDataModul::Record seen;
        const CustomerEditor editor = [&](TClientDataModul::Record& record, bool isNew,
                                          const QString& title) {
            ++calls;
            seen = record;
            EXPECT_TRUE(isNew);
            EXPECT_EQ(title, QStringLiteral("Neuer Gast"));
            return c.editor == Editor::Stores && store.post(record, isNew).ok;
        };
        TClientDataModul::Record entries;
        entries.insert("NAME", "Zander");
        entries.insert("PLZ", "35037");
        const auto number = TClientNewForm::createNew(
            store, c.editor == Editor::None ? CustomerEditor() : editor, "Neuer Gast", entries);

        const bool opened = c.editor != Editor::None && c.numbersLeft;
        const bool stored = opened && c.editor == Editor::Stores;
        EXPECT_EQ(calls, opened ? 1 : 0) << c.what;
        EXPECT_EQ(number, stored ? std::optional<QString>("100003") : std::nullopt) << c.what;
        EXPECT_EQ(store.load("100003").has_value(), stored) << c.what;
        if (opened) {
            EXPECT_EQ(seen.value("K_NR").toString(), QStringLiteral("100003")) << c.what;
            EXPECT_EQ(seen.value("NAME").toString(), QStringLiteral("Zander")) << c.what;
            EXPECT_EQ(seen.value("PLZ").toString(), QStringLiteral("35037")) << c.what;
            EXPECT_EQ(seen.value("GASTGEBER").toString(), QStringLiteral("N"))
                << "the defaults stay: " << c.what;
        }
        const bool refused = !ui.shown().isEmpty() &&
                             ui.shown().constLast().kind == QStringLiteral("Fehler") &&
                             ui.shown().constLast().text.contains(QStringLiteral("keine freie Kundennummer"));
        EXPECT_EQ(refused, !c.numbersLeft) << c.what;
        if (number) {
            ASSERT_TRUE(store.deleteCustomer(*number)) << c.what;
        }
    }
}

TEST_F(TClientNewFormTest, MailWithoutAddressGivesTheMessage)
{
    form.sendMail();
    EXPECT_TRUE(ui.wasShown(CustomerMail::kNoAddress));
}

} // namespace korbelant::test
