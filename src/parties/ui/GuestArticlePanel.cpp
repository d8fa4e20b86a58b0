#include "parties/ui/GuestArticlePanel.h"

#include "parties/GuestArticleList.h"
#include "parties/ui/GuestArticleModel.h"
#include "parties/ui/GuestLetterBar.h"
#include "parties/ui/GuestWidgets.h"
#include "widgets/DatabaseGuard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace korbelant {

GuestArticlePanel::GuestArticlePanel(GuestArticleList& list, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_list(list), m_ui(ui)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    m_tabs = new GuestLetterBar(kTabs);
    connect(m_tabs, &GuestLetterBar::tabBarClicked, this, &GuestArticlePanel::tabClicked);
    column->addWidget(m_tabs);
    column->addWidget(buildListControls());
    m_articleModel = new GuestArticleModel(m_list, this);
    m_articleGrid = new QTableView;
    m_articleGrid->setModel(m_articleModel);
    GuestWidgets::prepareGrid(m_articleGrid, GuestArticleModel::widestTexts());
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
    GuestWidgets::addButtons(
        row, this,
        {{"Suchen", "Artikel suchen", [this] { emit searchClicked(); }},
         {"Ersatzteile", "Ersatzteile zu Artikel suchen", [this] { emit sparePartsClicked(); }},
         {"VA", "Vorgangsart", [this] { emit kindsClicked(); }}});
    row->addStretch();
    const QList<QPushButton*> sizing = GuestWidgets::addButtons(
        row, this,
        {{"▲", "Artikelliste höher", [this] { emit listHeightStepped(+1); }},
         {"▼", "Artikelliste niedriger", [this] { emit listHeightStepped(-1); }},
         {"Standard", "Fenster auf Standardgröße stellen", [this] { emit standardSizeClicked(); }}});
    sizing.at(0)->setFixedWidth(28);
    sizing.at(1)->setFixedWidth(28);
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
    m_articleGrid->setFixedHeight(height + m_articleGrid->horizontalHeader()->sizeHint().height() +
                                  2 * m_articleGrid->frameWidth());
    // The window's layout sees the panel's new size now, not only when the panel is laid out again.
    updateGeometry();
}

} // namespace korbelant
