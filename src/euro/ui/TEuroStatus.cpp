#include "euro/ui/TEuroStatus.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace korbelant {

TEuroStatus::TEuroStatus(QWidget* parent)
    : QDialog(parent), m_heading(new QLabel(this)), m_detail(new QLabel(this)), m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("TEuroStatus"));
    setWindowTitle(QStringLiteral("Umrechnung von DM in Euro"));
    // While it shows, the window behind it takes no input.
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setObjectName(QStringLiteral("Heading"));
    m_detail->setObjectName(QStringLiteral("Detail"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    layout->addWidget(m_heading);
    layout->addWidget(m_detail);
    layout->addWidget(new QLabel(QStringLiteral("Bitte warten."), this));
    layout->addWidget(m_bar);
    setMinimumWidth(360);
}

void TEuroStatus::step(const QString& heading, const QString& detail, int percent)
{
    m_heading->setText(heading);
    m_detail->setText(detail);
    m_bar->setValue(percent);
    if (!isVisible())
        show();
    repaint();
}

QString TEuroStatus::heading() const
{
    return m_heading->text();
}

QString TEuroStatus::detail() const
{
    return m_detail->text();
}

int TEuroStatus::percent() const
{
    return m_bar->value();
}

} // namespace korbelant
