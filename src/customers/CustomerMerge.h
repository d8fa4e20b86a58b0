#pragma once

#include <QString>

namespace korbelant {

class TClientDataModul;

// "Vere&inen": two records of the same person become one. The parties and participations of the
// second customer move to the first, and the second is removed, all in one transaction, after a
// backup of the data set (BackupBeforeChange).
class CustomerMerge
{
public:
    explicit CustomerMerge(TClientDataModul& store) : m_store(store) {}

    static QString pickerTitle(const QString& first);
    static QString question(const QString& first, const QString& second);

    // Asks the question, then merges; false when the user says No or the merge is refused.
    bool Vereinen(const QString& first, const QString& second);
    // Merges without asking. A reserved second customer, the same customer twice or a number
    // that does not exist is refused with a message, and nothing changes.
    bool merge(const QString& first, const QString& second);

private:
    TClientDataModul& m_store;
};

} // namespace korbelant
