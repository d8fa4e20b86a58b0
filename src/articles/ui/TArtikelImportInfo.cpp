#include "articles/ui/TArtikelImportInfo.h"

#include "articles/ArticleImport.h"
#include "core/DataSet.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeFolderChoice.h"
#include "exchange/ui/TPathMessageForm.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korbelant {

namespace {

constexpr int kTickMs = 500;

} // namespace

TArtikelImportInfo::TArtikelImportInfo(QWidget* parent)
    : QDialog(parent), m_state(new QLabel(ArticleImport::kChecking, this)), m_wait(new QGroupBox(this)),
      m_bar(new QProgressBar(m_wait)), m_ok(new QPushButton(QStringLiteral("Ok"), this)),
      m_timer(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Artikel-Import Übersicht"));
    setObjectName(QStringLiteral("TArtikelImportInfo"));
    auto* layout = new QVBoxLayout(this);
    QFont bold = m_state->font();
    bold.setBold(true);
    m_state->setFont(bold);
    m_state->setObjectName(QStringLiteral("state"));
    layout->addWidget(m_state);

    auto* waitRow = new QVBoxLayout(m_wait);
    waitRow->addWidget(new QLabel(QStringLiteral("Bitte warten"), m_wait));
    m_bar->setRange(0, 20);
    m_bar->setTextVisible(false);
    waitRow->addWidget(m_bar);
    layout->addWidget(m_wait);

    auto* grid = new QGridLayout;
    m_read = addFigure(grid, 0, QStringLiteral("Artikel eingelesen :"));
    m_new = addFigure(grid, 1, QStringLiteral("Neu :"));
    m_removed = addFigure(grid, 2, QStringLiteral("Entfernt :"));
    auto* total = new QGroupBox(QStringLiteral("Artikel Datenbank insgesamt"), this);
    auto* totalGrid = new QGridLayout(total);
    m_before = addFigure(totalGrid, 0, QStringLiteral("vorher :"));
    m_after = addFigure(totalGrid, 0, QStringLiteral("nachher :"), 2);
    grid->addWidget(total, 3, 0, 1, 2);
    m_created = addFigure(grid, 4, QStringLiteral("Erstellungsdatum der Artikeldatei :"));
    m_created->setText(ArticleImportFigures::kUnreadable);
    m_version = addFigure(grid, 5, QStringLiteral("Version der Schnittstelle: "));
    m_version->setText(QStringLiteral("1.0"));
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok->setVisible(false);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_timer, &QTimer::timeout, this, [this] { advance(); });
    resize(380, 300);
}

QLabel* TArtikelImportInfo::addFigure(QGridLayout* grid, int row, const QString& caption, int column)
{
    auto* label = new QLabel(caption, this);
    auto* value = new QLabel(QStringLiteral("0"), this);
    value->setObjectName(caption);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(70);
    grid->addWidget(label, row, column);
    grid->addWidget(value, row, column + 1);
    return value;
}

QString TArtikelImportInfo::figure(const QString& caption) const
{
    const auto* value = findChild<QLabel*>(caption);
    return value ? value->text() : QString();
}

void TArtikelImportInfo::advance()
{
    m_bar->setValue(m_bar->value() >= m_bar->maximum() ? 0 : m_bar->value() + 1);
}

void TArtikelImportInfo::open(const ArticleImportFigures& figures)
{
    m_opened = true;
    for (QWidget* window : m_disabled)
        if (window)
            window->setEnabled(false);
    // The info window belongs to the article window but must stay usable for the final "Ok".
    setEnabled(true);
    update(figures);
    show();
    m_timer->start(kTickMs);
    QCoreApplication::processEvents();
}

void TArtikelImportInfo::update(const ArticleImportFigures& figures)
{
    m_state->setText(figures.state);
    m_read->setText(QString::number(figures.read));
    m_new->setText(QString::number(figures.added()));
    m_removed->setText(QString::number(figures.removed));
    m_before->setText(QString::number(figures.before));
    m_after->setText(QString::number(figures.after));
    m_created->setText(figures.created);
    m_version->setText(figures.version);
    QCoreApplication::processEvents();
}

void TArtikelImportInfo::step(const ArticleImportFigures& figures)
{
    m_read->setText(QString::number(figures.read));
    m_removed->setText(QString::number(figures.removed));
    QCoreApplication::processEvents();
}

void TArtikelImportInfo::finish(const ArticleImportFigures& figures)
{
    update(figures);
    m_timer->stop();
    for (QWidget* window : m_disabled)
        if (window)
            window->setEnabled(true);
    m_wait->setVisible(false);
    m_ok->setVisible(true);
    m_ok->setDefault(true);
}

bool TArtikelImportInfo::run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* articleWindow,
                             QWidget* mainWindow)
{
    TArtikelImportInfo info(articleWindow);
    ArticleImport import(set, ui, info);
    ExchangeFolderChoice choice(set.options());
    const QString online = ExchangeDirectory(set.home(), ui).online();
    import.setSourceChooser([&](const QString& text) {
        return TPathMessageForm::choose(programTitle, text, choice, online, ui, articleWindow);
});
info.setDisabledWhileRunning({mainWindow, articleWindow});
const bool done = import.run();
if (info.opened())
    info.exec();
return done;
} // namespace korbelant

} // namespace korbelant
