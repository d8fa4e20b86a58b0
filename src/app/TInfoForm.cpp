#include "app/TInfoForm.h"

#include "core/DataSet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolTip>
#include <QVBoxLayout>

namespace korbelant {

TInfoForm::TInfoForm(DataSet& set, const QDateTime& now, QWidget* parent)
    : QDialog(parent), m_set(set),
      m_next(new QCheckBox(QStringLiteral("Informationsfenster beim nächsten Start anzeigen."), this))
{
    setWindowTitle(QStringLiteral("Informationen auf einen Blick"));
    setObjectName(QStringLiteral("TInfoForm"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QToolTip::palette().toolTipBase().color());
    colours.setColor(QPalette::WindowText, QToolTip::palette().toolTipText().color());
    setPalette(colours);
    setAutoFillBackground(true);

    const InfoSummary info = InfoSummary::compute(set.db(), set.options(), set.home(), now);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    addLine(grid, 0, info.greeting);
    addLine(grid, 1, QStringLiteral("Ihre aktuell eingestellte Währung ist : ") + info.currency);
    addLine(grid, 2, info.changeOver);
    addLine(grid, 3, info.weekLabel + QLatin1Char(' ') + info.week);
    addLine(grid, 4, QStringLiteral("    Auf Diskette überspielt :"), info.transferred);
    addLine(grid, 5, QStringLiteral("    ausgedruckt :"), info.printed);
    addLine(grid, 6, QStringLiteral("Gewählte Schnittstellenversion(Optionen) : ") + info.interfaceVersion);
    layout->addLayout(grid);
    QFont bold = m_next->font();
    bold.setBold(true);
    m_next->setFont(bold);
    m_next->setChecked(true);
    layout->addWidget(m_next);
    connect(m_next, &QCheckBox::toggled, this, [this](bool on) {
        m_set.options().setChecked(QStringLiteral("Info"), on);
        m_set.options().SaveOptions();
    });
    adjustSize();
}

void TInfoForm::addLine(QGridLayout* grid, int row, const QString& left, const QString& right)
{
    auto* label = new QLabel(left, this);
    m_lines << label;
    if (right.isEmpty()) {
        grid->addWidget(label, row, 0, 1, 2);
        return;
    }
    auto* value = new QLabel(right, this);
    m_lines << value;
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
}

QStringList TInfoForm::shownLines() const
{
    QStringList texts;
    for (const QLabel* label : m_lines)
        texts << label->text().trimmed();
    return texts;
}

void TInfoForm::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    accept();
}

} // namespace korbelant
