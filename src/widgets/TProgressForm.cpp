#include "widgets/TProgressForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace korbelant {

TProgressForm::TProgressForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(kDefaultText, this))
{
    setObjectName(QStringLiteral("TProgressForm"));
    setWindowTitle(QStringLiteral("Bitte warten"));
    m_label->setObjectName(QStringLiteral("Text"));
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    setMinimumSize(260, 70);
}

QString TProgressForm::text() const
{
    return m_label->text();
}

void TProgressForm::setText(const QString& text)
{
    m_label->setText(text);
}

void TProgressForm::showCentredOn(QWidget* owner)
{
    adjustSize();
    const QRect area = owner ? owner->frameGeometry() : QApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace korbelant
