#pragma once

#include "articles/ArticleImportDisplay.h"

#include <QDialog>
#include <QList>

class QGridLayout;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace korbelant {

class DataSet;
class UiPort;

// "Artikel-Import Übersicht": the state of the article import, a "Bitte warten" panel whose bar
// moves on every 500 ms while the import works, and its figures. At the end the panel goes and
// "Ok" closes the window.
class TArtikelImportInfo : public QDialog, public ArticleImportDisplay
{
public:
    explicit TArtikelImportInfo(QWidget* parent = nullptr);

    // Runs the import from the article window: asks for the medium, keeps the article window and
    // the main window disabled while it works and shows this window until "Ok". False when the
    // import did not complete.
    static bool run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* articleWindow,
                    QWidget* mainWindow);

    // Windows disabled from the start of the work to its end.
    void setDisabledWhileRunning(QList<QWidget*> windows) { m_disabled = std::move(windows); }

    void open(const ArticleImportFigures& figures) override;
    void update(const ArticleImportFigures& figures) override;
    void step(const ArticleImportFigures& figures) override;
    void finish(const ArticleImportFigures& figures) override;

    bool opened() const { return m_opened; }
    QLabel* stateLabel() const { return m_state; }
    QGroupBox* waitPanel() const { return m_wait; }
    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* okButton() const { return m_ok; }
    // The figure shown beside a caption, as "Neu :".
    QString figure(const QString& caption) const;

private:
    QLabel* addFigure(QGridLayout* grid, int row, const QString& caption, int column = 0);
    void advance();

    QLabel* m_state;
    QGroupBox* m_wait;
    QProgressBar* m_bar;
    QPushButton* m_ok;
    QTimer* m_timer;
    QLabel* m_read = nullptr;
    QLabel* m_new = nullptr;
    QLabel* m_removed = nullptr;
    QLabel* m_before = nullptr;
    QLabel* m_after = nullptr;
    QLabel* m_created = nullptr;
    QLabel* m_version = nullptr;
    QList<QWidget*> m_disabled;
    bool m_opened = false;
};

} // namespace korbelant
