#include "widgets/SpinEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

SpinEdit::SpinEdit(const QString& name, QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)),
      m_up(arrowButton(this, Qt::UpArrow, name + QStringLiteral("Up"))),
      m_down(arrowButton(this, Qt::DownArrow, name + QStringLiteral("Down")))
{
    setObjectName(name + QStringLiteral("Spin"));
    m_edit->setObjectName(name);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_edit);
    row->addLayout(buttons);
    row->addStretch();
    connect(m_up, &QToolButton::clicked, this, [this] { emit spun(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit spun(false); });
}

} // namespace korbelant
