#pragma once

#include "parties/ui/TNewGuestForm.h"

#include <QLineEdit>
#include <QTest>

namespace korbelant::test {

// One order line as the consultant types it in the guest window: kind, Enter, article number,
// Enter, pieces, Enter.
inline void typeLine(TNewGuestForm& form, const QString& va, const QString& lNr, const QString& pieces)
{
    form.kindEdit()->selectAll();
    QTest::keyClicks(form.kindEdit(), va);
    QTest::keyClick(form.kindEdit(), Qt::Key_Return);
    form.articleEdit()->selectAll();
    QTest::keyClicks(form.articleEdit(), lNr);
    QTest::keyClick(form.articleEdit(), Qt::Key_Return);
    form.piecesEdit()->selectAll();
    QTest::keyClicks(form.piecesEdit(), pieces);
    QTest::keyClick(form.piecesEdit(), Qt::Key_Return);
}

} // namespace korbelant::test
