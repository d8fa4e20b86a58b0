#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QMenu;
class QTableView;

namespace korbelant {

class GuestArticleList;
class GuestArticleModel;
class GuestLetterBar;
class UiPort;

// The article part of the guest window: the letter tabs, the status boxes "Aktiv", "Inaktiv"
// and "Lager", the buttons of the choosers and of the list height, and the article list with its
// context menu. The status boxes change the list at once; everything else is left to the window.
class GuestArticlePanel : public QWidget
{
    Q_OBJECT

public:
    static inline const QString kTabs = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

    GuestArticlePanel(GuestArticleList& list, UiPort& ui, QWidget* parent = nullptr);

    GuestLetterBar* letterTabs() const { return m_tabs; }
    QCheckBox* aktivBox() const { return m_aktiv; }
    QCheckBox* inaktivBox() const { return m_inaktiv; }
    QCheckBox* lagerBox() const { return m_lager; }
    QTableView* articleGrid() const { return m_articleGrid; }
    QMenu* articleMenu() const { return m_articleMenu; }
    // How many rows a page of the list shows.
    int pageRows() const;

    // The list with its current row.
    void showList();
    // The status boxes as the list has them (the article chooser may have changed them).
    void showSwitches();
    // The height of the list's rows; its column heads come on top.
    void setListHeight(int height);

signals:
    // A status box has changed the list.
    void changed();
    void tabClicked(int index);
    void searchClicked();
    void sparePartsClicked();
    void kindsClicked();
    void listHeightStepped(int direction);
    void standardSizeClicked();
    // The context menu: take the article into the order, or append it with another kind.
    void takeArticleChosen(bool otherKind);
    void articleDoubleClicked();

private:
    QWidget* buildListControls();

    GuestArticleList& m_list;
    UiPort& m_ui;
    bool m_showing = false;
    GuestArticleModel* m_articleModel = nullptr;
    GuestLetterBar* m_tabs = nullptr;
    QCheckBox* m_aktiv = nullptr;
    QCheckBox* m_inaktiv = nullptr;
    QCheckBox* m_lager = nullptr;
    QTableView* m_articleGrid = nullptr;
    QMenu* m_articleMenu = nullptr;
};

} // namespace korbelant
