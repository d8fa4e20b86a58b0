#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

// One setting of Optionen.ini: its key (the name of its control in the options window), the kind
// of control, the page it stands on, the value the window starts with and the texts the window
// shows with it. The window lays out each page in the order of the definitions.
struct OptionDef
{
    enum class Kind
    {
        Text,
        Check,
        Choice
    };

    QString key;
    Kind kind = Kind::Text;
    QString page;
    QString initial; // text, or "-1"/"0" for check boxes
    // The text in front of the control's row; empty: the control stands alone.
    QString label;
    // A check box's own text, or the small text just before a field that shares a row.
    QString caption;
    QStringList choices;         // the entries of a choice
    QString note;                // a line of explanation under the row
    bool hidden = false;         // kept in the file, its row not shown
    bool besidePrevious = false; // stands in the row of the definition before it

    // The pages of the options window, in their order.
    static inline const QString kPathsPage = QStringLiteral("Pfadeinstellungen");
    static inline const QString kBzhPage = QStringLiteral("BZH - Schnittstelle");
    static inline const QString kGeneralPage = QStringLiteral("Allgemein");
    static inline const QString kExtrasPage = QStringLiteral("Zubehör");
    static inline const QString kEuroPage = QStringLiteral("Euro");
    static inline const QString kStarsPage = QStringLiteral("Sterne");
    static inline const QString kTextsPage = QStringLiteral("Texte");
    static inline const QString kMailPage = QStringLiteral("Email");
    static inline const QString kArticlesPage = QStringLiteral("Artikel/Bestellung");
    // The choice of BZHDRIVE that takes the directory of BZHPFAD instead of a drive.
    static inline const QString kPathChoice = QStringLiteral("Pfad:");

    static const std::vector<OptionDef>& all();
    static const OptionDef* find(const QString& key);
    // The pages in the order of the definitions.
    static QStringList pages();
    // The definitions of one page, in their order.
    static std::vector<const OptionDef*> onPage(const QString& page);
};

} // namespace korbelant
