#pragma once

#include "parties/BackOrderLine.h"

#include <QString>
#include <optional>

namespace korbelant {

class Database;
class UiPort;

// The back-order states of an order line (NACHLIEF: empty, "J" back-ordered, "B" delivered
// afterwards, "V" out of stock, "E" done) and the actions that move a line between them, with
// their guards and questions. Each action stores the line at once.
class BackOrderRules
{
public:
    enum class Action
    {
        NotDelivered, // "&Nachlieferung"
        Done,         // "&Erledigt"
        OutOfStock,   // "&Vergriffen"
        Reset         // "&Zurück"
    };

    // What an action did to its line.
    enum class Outcome
    {
        Stored,   // the line was stored, with its new state or unchanged
        Refused,  // a guard refused it with its message; the line is unchanged
        Declined, // the user said No; the line is unchanged
        Missing   // there is no such line
    };

    static inline const QString kBackOrdered = QStringLiteral("J");
    static inline const QString kDeliveredLater = QStringLiteral("B");
    static inline const QString kOutOfStock = QStringLiteral("V");
    static inline const QString kDone = QStringLiteral("E");

    static inline const QString kHandedOver = QStringLiteral("Artikel wurde schon übergeben.");
    static inline const QString kMarkedAdvance =
        QStringLiteral("Artikel wurde schon als Vorablieferung markiert");
    static inline const QString kReactivate = QStringLiteral("Nachlieferung reaktvieren ?");
    static inline const QString kDeliveredQuestion =
        QStringLiteral("Wurde der Artikel nachträglich geliefert ?");
    static inline const QString kOutOfStockQuestion = QStringLiteral("Artikel vergriffen ?");
    static inline const QString kResetQuestion = QStringLiteral("Nachlieferung zurücksetzen ?");
    static inline const QString kPackListQuestion =
        QStringLiteral("Wurde die Liste erfolgreich ausgedruckt ? Status zurücksetzen ?");

    BackOrderRules(Database& db, UiPort& ui) : m_db(db), m_ui(ui) {}

    Outcome apply(const BackOrderKey& key, Action action);
    // The back-ordered pieces NA_STUECK: 1 up to the pieces ordered ("Nur " + pieces +
    // " Stück bestellt." beyond them). False, with the message, when refused.
    bool setPieces(const BackOrderKey& key, int pieces);
    // The pieces delivered afterwards NA_STU_LI: 0 up to the pieces ordered.
    bool setDeliveredPieces(const BackOrderKey& key, int pieces);
    // After the pack list: asks whether it was printed; Yes makes every line delivered afterwards
    // a normal line again. True when they were reset.
    bool packListPrinted();

    // The status text of the back-order window; the advance and stock marks come first.
    static QString statusText(const QString& vorab, const QString& nachlief);
    static QString tooManyPieces(double ordered);

private:
    struct Line
    {
        QString vorab;
        QString nachlief;
        double stueck = 0;
        int naStueck = 0;
    };

    std::optional<Line> read(const BackOrderKey& key) const;
    void store(const BackOrderKey& key, const Line& line);
    bool ask(const QString& question);
    Outcome notDelivered(Line& line);
    Outcome done(Line& line);
    Outcome outOfStock(Line& line);
    Outcome reset(Line& line);

    Database& m_db;
    UiPort& m_ui;
};

} // namespace korbelant
