#include "takeover/ui/TOdbcErrorForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

TOdbcErrorForm::TOdbcErrorForm(const QString& caption, QStringList records, QWidget* parent)
    : QDialog(parent), m_records(std::move(records))
{
    setWindowTitle(caption);
    if (m_records.isEmpty())
        m_records << QString();
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("RecordText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setMinimumWidth(420);
    m_position = new QLabel(this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    m_back = new QPushButton(QStringLiteral("< &Back"), this);
    m_back->setObjectName(QStringLiteral("BackButton"));
    m_next = new QPushButton(QStringLiteral("Next >"), this);
    m_next->setObjectName(QStringLiteral("NextButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_position);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_back, &QPushButton::clicked, this, [this] { showRecord(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showRecord(m_current + 1); });
    showRecord(0);
}

QString TOdbcErrorForm::shownText() const
{
    return m_text->text();
}

void TOdbcErrorForm::showRecord(int index)
{
    m_current = std::clamp(index, 0, static_cast<int>(m_records.size()) - 1);
    m_text->setText(m_records.at(m_current));
    m_position->setText(QStringLiteral("%1 / %2").arg(m_current + 1).arg(m_records.size()));
    m_back->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < m_records.size());
}

} // namespace korbelant
