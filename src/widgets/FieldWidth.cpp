#include "widgets/FieldWidth.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace korbelant {

namespace {

// The blank a QLineEdit keeps left and right of its text.
constexpr int kInnerMargin = 2;

} // namespace

int FieldWidth::withFrame(const QLineEdit* edit, int textWidth)
{
    const QMargins text = edit->textMargins();
    const QSize contents(textWidth + text.left() + text.right() + 2 * kInnerMargin,
                         edit->fontMetrics().height());
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

int FieldWidth::forCharacters(const QLineEdit* edit, int characters)
{
    return withFrame(edit, edit->fontMetrics().averageCharWidth() * characters);
}

int FieldWidth::forText(const QLineEdit* edit, const QString& sample)
{
    // One character more, so that the caret never pushes the text aside.
    return withFrame(edit,
                     edit->fontMetrics().horizontalAdvance(sample) + edit->fontMetrics().averageCharWidth());
}

void FieldWidth::fit(QLineEdit* edit, int characters)
{
    edit->setMinimumWidth(forCharacters(edit, characters));
}

void FieldWidth::fix(QLineEdit* edit, int characters)
{
    edit->setFixedWidth(forCharacters(edit, characters));
}

void FieldWidth::fixText(QLineEdit* edit, const QString& sample)
{
    edit->setFixedWidth(forText(edit, sample));
}

void FieldWidth::fitText(QLineEdit* edit, const QString& sample)
{
    edit->setMinimumWidth(forText(edit, sample));
}

void FieldWidth::narrow(QPushButton* button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    button->setFixedWidth(metrics.horizontalAdvance(button->text()) + 2 * margin +
                          metrics.averageCharWidth());
}

} // namespace korbelant
