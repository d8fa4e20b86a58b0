#include "parties/ui/GuestArticlePanel.h"

#include "parties/GuestArticleList.h"
#include "parties/ui/GuestArticleModel.h"
#include "parties/ui/GuestWidgets.h"
#include "widgets/DatabaseGuard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace korbelant {

GuestArticlePanel::GuestArticlePanel(GuestArticleList& list, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_list(list), m_ui(ui)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar;
    for (const QChar c : kTabs)
        m_tabs->addTab(QString(c));
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    connect(m_tabs, &QTabBar::tabBarClicked, this, &GuestArticlePanel::tabClicked);
    column->addWidget(m_tabs);
    column->addWidget(buildListControls());
    m_articleModel = new GuestArticleModel(m_list, this);
    m_articleGrid = new QTableView;
    m_articleGrid->setModel(m_articleModel);
    GuestWidgets::prepareGrid(m_articleGrid, {30, 70, 70, 0, 60, 50, 56, 44});
    m_articleGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_articleMenu = new QMenu(this);
    m_articleMenu->addAction(QStringLiteral("Artikel in Bestellung übernehmen"), this,
                             [this] { emit takeArticleChosen(false); });
    m_articleMenu->addAction(QStringLiteral("Artikel mit anderer VA anfügen"), this,
                             [this] { emit takeArticleChosen(true); });
    connect(m_articleGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_articleMenu->popup(m_articleGrid->viewport()->mapToGlobal(pos)); });
    connect(m_articleGrid, &QTableView::doubleClicked, this, &GuestArticlePanel::articleDoubleClicked);
    connect(m_articleGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) {
                if (!m_showing)
                    m_list.setCurrentRow(index.row());
            });
    column->addWidget(m_articleGrid);
}

QWidget* GuestArticlePanel::buildListControls()
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    m_aktiv = new QCheckBox(QStringLiteral("Aktiv"));
    m_inaktiv = new QCheckBox(QStringLiteral("Inaktiv"));
    m_lager = new QCheckBox(QStringLiteral("Lager"));
    showSwitches();
    const std::pair<QCheckBox*, void (GuestArticleList::*)(bool)> boxes[] = {
        {m_aktiv, &GuestArticleList::setAktiv},
        {m_inaktiv, &GuestArticleList::setInaktiv},
        {m_lager, &GuestArticleList::setLager}};
    for (const auto& [box, setter] : boxes) {
        connect(box, &QCheckBox::toggled, this, [this, setter](bool on) {
            if (m_showing)
                return;
            guardDatabase(m_ui, [&] { (m_list.*setter)(on); });
            emit changed();
        });
    }
    for (QCheckBox* b : {m_aktiv, m_inaktiv, m_lager}) {
        b->setFocusPolicy(Qt::TabFocus);
        row->addWidget(b);
    }
    const std::pair<const char*, const char*> choosers[] = {{"Suchen", "Artikel suchen"},
                                                            {"Ersatzteile", "Ersatzteile zu Artikel suchen"},
                                                            {"VA", "Vorgangsart"}};
    void (GuestArticlePanel::*const clicked[])() = {&GuestArticlePanel::searchClicked,
                                                    &GuestArticlePanel::sparePartsClicked,
                                                    &GuestArticlePanel::kindsClicked};
    for (size_t n = 0; n < std::size(choosers); ++n) {
        QPushButton* b =
            GuestWidgets::button(QString::fromUtf8(choosers[n].first), QString::fromUtf8(choosers[n].second));
        connect(b, &QPushButton::clicked, this, clicked[n]);
        row->addWidget(b);
    }
    row->addStretch();
    for (const auto& [caption, description, direction] :
         {std::tuple{"▲", "Artikelliste höher", +1}, std::tuple{"▼", "Artikelliste niedriger", -1}}) {
        QPushButton* b = GuestWidgets::button(QString::fromUtf8(caption), QString::fromUtf8(description));
        b->setFixedWidth(28);
        connect(b, &QPushButton::clicked, this, [this, direction] { emit listHeightStepped(direction); });
        row->addWidget(b);
    }
    QPushButton* standard =
        GuestWidgets::button(QStringLiteral("Standard"), QStringLiteral("Fenster auf Standardgröße stellen"));
    connect(standard, &QPushButton::clicked, this, &GuestArticlePanel::standardSizeClicked);
    row->addWidget(standard);
    return w;
}

int GuestArticlePanel::pageRows() const
{
    return std::max(1, m_articleGrid->viewport()->height() /
                           std::max(1, m_articleGrid->verticalHeader()->defaultSectionSize()));
}

void GuestArticlePanel::showList()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_articleModel->reload();
    GuestWidgets::selectRow(m_articleGrid, m_list.currentRow());
}

void GuestArticlePanel::showSwitches()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_aktiv->setChecked(m_list.aktiv());
    m_inaktiv->setChecked(m_list.inaktiv());
    m_lager->setChecked(m_list.lager());
}

void GuestArticlePanel::setListHeight(int height)
{
    m_articleGrid->setFixedHeight(height);
}

} // namespace korbelant
