#include "takeover/ui/TDatenImport.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "takeover/TakeOverKind.h"
#include "widgets/TPfadForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
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

constexpr int kTickMs = 1000;
constexpr int kBarSteps = 10;
// How often the window lets pending events run while records are copied.
constexpr int kEventsMs = 40;

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TDatenImport::TDatenImport(DataSet& set, UiPort& ui, TakeOverKind& kind, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_set(set), m_ui(ui),
      m_kind(kind), m_run(set, ui, kind, *this),
      m_source(new QLabel(kind.initialSource(set.options()), this)),
      m_folder(new QPushButton(QStringLiteral("..."), this)),
      m_start(new QPushButton(QStringLiteral("&Starten"), this)),
      m_cancel(new QPushButton(QStringLiteral("&Abbrechen"), this)), m_bar(new QProgressBar(this)),
      m_timer(new QTimer(this))
{
    setWindowTitle(kind.title());
    setObjectName(QStringLiteral("TDatenImport"));
    auto* layout = new QVBoxLayout(this);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel(kind.sourceLabel(), this));
    m_source->setObjectName(QStringLiteral("source"));
    sourceRow->addWidget(m_source, 1);
    m_folder->setToolTip(TPfadForm::kCaption);
    sourceRow->addWidget(m_folder);
    layout->addLayout(sourceRow);

    auto* warning = new QGroupBox(this);
    auto* warningLines = new QVBoxLayout(warning);
    warningLines->addWidget(boldLabel(QStringLiteral("Warnung :"), warning));
    warningLines->addWidget(new QLabel(
        QStringLiteral("Führen Sie nach einer erfolgreichen Übernahme keine Übernahme mehr durch."),
        warning));
    warningLines->addWidget(new QLabel(
        QStringLiteral("Bestelldaten werden doppelt übernommen (setzen sie die Daten zuerst zurück)"),
        warning));
    layout->addWidget(warning);

    auto* grid = new QGridLayout;
    grid->addWidget(boldLabel(QStringLiteral("von "), this), 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("Status"), this), 0, 1);
    grid->addWidget(boldLabel(QStringLiteral("Datensätze :"), this), 0, 2, 1, 2, Qt::AlignHCenter);
    grid->addWidget(boldLabel(kind.sourceCaption(), this), 1, 2, Qt::AlignRight);
    grid->addWidget(boldLabel(kind.targetCaption(), this), 1, 3, Qt::AlignRight);
    buildRows(grid);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_bar->setRange(0, kBarSteps);
    m_bar->setTextVisible(false);
    m_bar->setVisible(false);
    layout->addWidget(m_bar);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, [this] { start(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_folder, &QPushButton::clicked, this, [this] { chooseFolder(); });
    connect(m_timer, &QTimer::timeout, this, [this] { advance(); });
    m_start->setDefault(true);
    resize(520, 320);
}

void TDatenImport::buildRows(QGridLayout* grid)
{
    const std::vector<TakeOverRow> rows = m_kind.rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TakeOverRow& row = rows.at(i);
        RowWidgets w{new QCheckBox(row.name, this), new QLabel(this), new QLabel(this), new QLabel(this)};
        w.check->setChecked(true);
        w.check->setObjectName(row.key);
        w.sourceCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w.targetCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w.sourceCount->setMinimumWidth(60);
        w.targetCount->setMinimumWidth(60);
        grid->addWidget(w.check, i + 2, 0);
        grid->addWidget(w.status, i + 2, 1);
        grid->addWidget(w.sourceCount, i + 2, 2);
        grid->addWidget(w.targetCount, i + 2, 3);
        m_rows.push_back(w);
    }
}

QString TDatenImport::source() const
{
    return m_source->text();
}

QString TDatenImport::rowStatus(int row) const
{
    return m_rows.at(row).status->text();
}

QString TDatenImport::rowSourceCount(int row) const
{
    return m_rows.at(row).sourceCount->text();
}

QString TDatenImport::rowTargetCount(int row) const
{
    return m_rows.at(row).targetCount->text();
}

void TDatenImport::chooseFolder()
{
    const QString chosen = m_ui.chooseDirectory(TPfadForm::kCaption, source());
    if (chosen.isEmpty())
        return;
    m_source->setText(chosen);
    m_kind.sourceChosen(m_set.options(), chosen);
}

void TDatenImport::setControlsEnabled(bool enabled)
{
    if (m_disabled) {
        m_disabled->setEnabled(enabled);
        // Disabling the main window reaches this window too, which must stay usable.
        setEnabled(true);
    }
    m_start->setEnabled(enabled);
    m_folder->setEnabled(enabled);
    m_cancel->setEnabled(enabled || m_kind.stoppableWhileRunning());
    for (const RowWidgets& row : m_rows)
        row.check->setEnabled(enabled);
}

void TDatenImport::start()
{
    if (m_run.running())
        return;
    setControlsEnabled(false);
    m_bar->setValue(0);
    m_bar->setVisible(true);
    m_timer->start(kTickMs);
    std::vector<bool> checked;
    for (const RowWidgets& row : m_rows)
        checked.push_back(row.check->isChecked());
    const TakeOverRun::Outcome outcome = m_run.start(source(), checked);
    m_timer->stop();
    setControlsEnabled(true);
    switch (outcome) {
    case TakeOverRun::Outcome::InvalidSource:
    case TakeOverRun::Outcome::NoBackup:
        m_bar->setVisible(false);
        break;
    case TakeOverRun::Outcome::Finished:
        done(Ok);
        break;
    case TakeOverRun::Outcome::Aborted:
        done(Abort);
        break;
    }
}

void TDatenImport::cancel()
{
    if (m_run.running()) {
        m_run.askStop();
        return;
    }
    if (m_ui.question(TakeOverRun::kAskCancel, UiPort::Buttons::YesNo) == UiPort::Answer::Yes)
        done(Cancel);
}

void TDatenImport::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void TDatenImport::advance()
{
    m_bar->setValue(m_bar->value() >= m_bar->maximum() ? 0 : m_bar->value() + 1);
}

void TDatenImport::started()
{
    m_sinceEvents.start();
    QCoreApplication::processEvents();
}

void TDatenImport::rowStatus(int row, const QString& status)
{
    m_rows.at(row).status->setText(status);
    QCoreApplication::processEvents();
}

void TDatenImport::rowCounts(int row, std::optional<int> source, std::optional<int> target)
{
    const RowWidgets& w = m_rows.at(row);
    if (source)
        w.sourceCount->setText(QString::number(*source));
    if (target)
        w.targetCount->setText(QString::number(*target));
}

void TDatenImport::beat()
{
    if (m_sinceEvents.elapsed() < kEventsMs)
        return;
    m_sinceEvents.restart();
    QCoreApplication::processEvents();
}

void TDatenImport::finished()
{
    QCoreApplication::processEvents();
}

TDatenImport::Result TDatenImport::run(DataSet& set, UiPort& ui, TakeOverKind& kind, QWidget* mainWindow)
{
    TDatenImport window(set, ui, kind, mainWindow);
    window.setDisabledWhileRunning(mainWindow);
    const auto result = static_cast<Result>(window.exec());
    if (result == Abort)
        ui.information(TakeOverRun::kAborted);
    return result;
}

} // namespace korbelant
