#include "app/TLoadForm.h"

#include "app/LogoPicture.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace korbelant {

TLoadForm::TLoadForm(const QString& applicationTitle, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_step(new QLabel(this)), m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("LoadForm"));
    setFixedSize(420, 260);
    setStyleSheet(QStringLiteral("#LoadForm { background: white; border: 2px solid #1c3f94; }"));

    auto* picture = new QLabel(this);
    picture->setPixmap(LogoPicture::draw(110));
    picture->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(applicationTitle + QStringLiteral(" wird geladen."), this);
    title->setObjectName(QStringLiteral("LoadTitle"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    title->setFont(titleFont);
    m_step->setAlignment(Qt::AlignCenter);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(title);
    layout->addWidget(m_step);
    layout->addWidget(m_bar);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TLoadForm::setStep(const QString& text, int progress)
{
    m_step->setText(text);
    m_bar->setValue(progress);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TLoadForm::stepText() const
{
    return m_step->text();
}

int TLoadForm::progress() const
{
    return m_bar->value();
}

} // namespace korbelant
