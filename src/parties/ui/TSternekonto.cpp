#include "parties/ui/TSternekonto.h"

#include "core/GermanFormat.h"
#include "parties/TVorFuerModul.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QString kAmount = QStringLiteral("Sternebetrag :");
const QString kEarned = QStringLiteral("erreichte  Sternezahl :");
const QString kEntered = QStringLiteral("eingegebene Sternezahl :");
const QString kTurnover = QStringLiteral("Gesamtumsatz:");
const QString kStarTurnover = QStringLiteral("Umsatz für Sterne- berechung :");
constexpr int kWidth = 110;

} // namespace

TSternekonto::TSternekonto(TVorFuerModul& party, std::function<void()> recompute, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_party(party),
      m_recomputeParty(std::move(recompute))
{
    setWindowTitle(QStringLiteral("Sternekonto"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (const QString& caption : {kAmount, kEarned, kEntered, kTurnover, kStarTurnover}) {
        auto* label = new QLabel(caption, this);
        label->setWordWrap(true);
        layout->addWidget(label);
        layout->addWidget(addValue(caption));
    }
    m_recompute = new QPushButton(QStringLiteral("be&rechnen"), this);
    m_recompute->setToolTip(QStringLiteral("Werte neu berechnen"));
    connect(m_recompute, &QPushButton::clicked, this, [this] {
        if (m_recomputeParty)
            m_recomputeParty();
        refresh();
    });
    layout->addWidget(m_recompute);
    layout->addStretch();
    setFixedWidth(kWidth);
    // The captions wrap in the narrow window; a window does not follow its layout's height for a
    // width by itself, so the last caption would be squeezed into the value above it.
    setMinimumHeight(layout->totalHeightForWidth(kWidth));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { blink(); });
}

QLabel* TSternekonto::addValue(const QString& caption)
{
    auto* value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    m_values.append({caption, value});
    return value;
}

QLabel* TSternekonto::labelFor(const QString& caption) const
{
    for (const auto& [name, label] : m_values)
        if (name == caption)
            return label;
    return nullptr;
}

QString TSternekonto::value(const QString& caption) const
{
    const QLabel* label = labelFor(caption);
    return label ? label->text() : QString();
}

void TSternekonto::showFor(const QString& rNr)
{
    m_rNr = rNr;
    refresh();
    if (!isVisible()) {
        placeBesideParent();
        show();
    }
    raise();
}

void TSternekonto::refresh()
{
    const std::optional<TVorFuerModul::Record> header = m_party.header(m_rNr);
    if (!header)
        return;
    const TVorFuerModul::CalcValues calc = m_party.TKopfTableCalcFields(*header);
    const auto set = [this](const QString& caption, const QString& text) {
        labelFor(caption)->setText(text);
    };
    set(kAmount, GermanFormat::money(header->value(QStringLiteral("STERNE_DM")).toDouble()));
    set(kEarned, QString::number(calc.mSterne));
    set(kEntered, QString::number(header->value(QStringLiteral("STERNE")).toInt()));
    set(kTurnover, GermanFormat::money(header->value(QStringLiteral("S_UMSATZ")).toDouble()));
    set(kStarTurnover, GermanFormat::money(header->value(QStringLiteral("UM_STERNE")).toDouble()));
    m_warning = calc.starWarning;
    if (!m_warning && m_red)
        blink();
}

void TSternekonto::blink()
{
    m_red = m_warning && !m_red;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_red            ? QColor(Qt::red)
                                       : parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                                        : QColor(Qt::lightGray));
    setPalette(colours);
}

void TSternekonto::placeBesideParent()
{
    if (QWidget* guest = parentWidget())
        move(guest->frameGeometry().right() + 1, guest->frameGeometry().top());
}

void TSternekonto::showEvent(QShowEvent* event)
{
    m_timer.start();
    QWidget::showEvent(event);
}

void TSternekonto::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

} // namespace korbelant
