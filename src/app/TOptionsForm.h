#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QTreeView;
class QVBoxLayout;
class QWidget;

namespace korbelant {

class DataSet;
struct OptionDef;
class UiPort;

// The options window "Korbelant - Optionen": one control per option of Optionen.ini, named by its
// key, on the pages of the settings as the definitions of the options lay them out. The pages are
// chosen in a list on the left, so that every page name can be read at once. Each time it is
// shown it reloads the file, decides the currency of the data set and reads the star plan; "&OK"
// saves, "&Abbrechen" does not.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    TOptionsForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    // Shows the window modally; returns QDialog::Accepted after "&OK".
    int execute();

    // What showing the window does: reload the file, decide the currency, read the star plan.
    // The start-up calls it once when the window is created.
    void refresh();
    // Reads all controls from the file (LoadOptions) and writes them to it (SaveOptions).
    void LoadOptions();
    bool SaveOptions();

    // The day the currency rule measures against; today unless set.
    void setToday(const QDate& today) { m_today = today; }
    QString consultantLabel() const;

signals:
    void groupNumberChanged(const QString& groupNumber);
    void consultantLabelChanged(const QString& label);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // One row of a page: the options standing in it and their controls, in that order; the
    // word processor's field has the button to choose the program after it.
    struct Row
    {
        std::vector<const OptionDef*> options;
        std::vector<QWidget*> controls;
    };

    static std::vector<Row> rowsOf(const QString& page);
    static bool hasChooser(const Row& row);
    void addPage(const QString& title);
    void createControls(Row& row, QWidget* page);
    QWidget* controlFor(const OptionDef& def, QWidget* page);
    QWidget* wordProcessorButton(QWidget* page);
    void layOut(const Row& row, QWidget* page, QFormLayout* form);
    static QHBoxLayout* lineOf(const Row& row, QWidget* page);
    void addPageList(QHBoxLayout* layout);
    void addDrives(QWidget* page);
    void addDirectoryTree(QWidget* page);
    void addBackupDate(QWidget* page);
    void addCurrency(QWidget* page);
    void addStarPlan(QWidget* page);
    void buildButtons(QVBoxLayout* layout);
    QFormLayout* formOf(QWidget* page) const;

    void loadControls();
    void storeControls();
    void loadCurrency();
    void loadStarPlan();
    void writeStarPlan();
    void addBlankBandRow();
    void bandEdited(QTableWidgetItem* item);
    void updatePathEnabled();
    void emitImmediateEffects();

    void driveChosen(int index);
    void copyDirectoryTo(const QString& key);
    void chooseWordProcessor();
    void OkButtonClick();

    QLineEdit* edit(const QString& key) const;
    QCheckBox* check(const QString& key) const;

    DataSet& m_set;
    UiPort& m_ui;
    QDate m_today;
    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_bzhDrive = nullptr;
    QLabel* m_dataHome = nullptr;
    QLabel* m_lastBackup = nullptr;
    QComboBox* m_driveBox = nullptr;
    QTreeView* m_directories = nullptr;
    QFileSystemModel* m_directoryModel = nullptr;
    int m_currentDrive = -1;
    QLabel* m_currency = nullptr;
    QPlainTextEdit* m_protocol = nullptr;
    QTableWidget* m_bands = nullptr;
    bool m_loadingBands = false;
};

} // namespace korbelant
