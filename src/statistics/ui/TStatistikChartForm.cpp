#include "statistics/ui/TStatistikChartForm.h"

#include "core/UiPort.h"
#include "reports/ui/ReportPrinter.h"
#include "statistics/ui/ChartPicture.h"
#include "statistics/ui/TStatistikChartView.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

TStatistikChartForm::TStatistikChartForm(UiPort& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_chart(new TStatistikChartView(this)), m_page(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Statistische Auswertung als Grafik"));
    auto* row = new QHBoxLayout;
    const std::pair<const char*, int> paging[] = {
        {"<<", -CustomerChartPages::kBigStep}, {"<", -1}, {">", 1}, {">>", CustomerChartPages::kBigStep}};
    for (const auto& [text, pages] : paging) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(text));
        connect(b, &QPushButton::clicked, this, [this, pages = pages] { step(pages); });
        row->addWidget(b);
    }
    row->addWidget(m_page);
    row->addStretch();
    auto* threeD = new QPushButton(QStringLiteral("3D"), this);
    threeD->setObjectName(QStringLiteral("3D"));
    threeD->setCheckable(true);
    connect(threeD, &QPushButton::toggled, this, [this](bool on) { m_chart->setThreeD(on); });
    auto* saveButton = new QPushButton(kSaveCaption, this);
    saveButton->setObjectName(QStringLiteral("Speichern"));
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    auto* printButton = new QPushButton(QStringLiteral("Drucken"), this);
    printButton->setObjectName(QStringLiteral("Drucken"));
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    auto* leave = new QPushButton(QStringLiteral("Verlassen"), this);
    connect(leave, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {threeD, saveButton, printButton, leave})
        row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addLayout(row);
    resize(1000, 640);
    showPage();
}

QPushButton* TStatistikChartForm::button(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

void TStatistikChartForm::setRows(std::vector<CustomerStatistic> rows)
{
    m_chart->setRows(std::move(rows));
    showPage();
}

void TStatistikChartForm::step(int pages)
{
    m_chart->pages().step(pages);
    showPage();
}

void TStatistikChartForm::showPage()
{
    m_chart->showPage();
    m_page->setText(
        QStringLiteral("Seite %1 von %2").arg(m_chart->pages().page() + 1).arg(m_chart->pages().pageCount()));
}

bool TStatistikChartForm::save()
{
    const QString file =
        m_ui.chooseFile(kSaveCaption, QDir::homePath(), QString::fromLatin1(ChartPicture::kFilter), true);
    if (file.isEmpty())
        return false;
    if (!ChartPicture::save(m_chart->picture(), file)) {
        m_ui.error(QStringLiteral("Die Grafik konnte nicht gespeichert werden: ") +
                   QDir::toNativeSeparators(file));
        return false;
    }
    return true;
}

void TStatistikChartForm::print()
{
    if (!ReportPrinter::CheckPrinter(m_ui))
        return;
    QPrinter& printer = ReportPrinter::shared();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    const QImage picture = m_chart->picture();
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), picture);
}

} // namespace korbelant
