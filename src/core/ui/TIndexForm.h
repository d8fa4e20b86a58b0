#pragma once

#include <QWidget>

namespace korbelant {

class DataSet;
class UiPort;

// The small window "Index" that stands while the tables are reorganised.
class TIndexForm : public QWidget
{
    Q_OBJECT

public:
    explicit TIndexForm(QWidget* parent = nullptr);

    // "Index wiederherstellen": shows the window, tells the user, rebuilds, closes the window.
    static void run(DataSet& set, UiPort& ui, QWidget* parent);
};

} // namespace korbelant
