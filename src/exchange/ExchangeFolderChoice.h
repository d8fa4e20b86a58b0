#pragma once

#include <QString>

namespace korbelant {

class Options;

// The rules of the exchange folder dialog: the folder it proposes from the options, storing a
// folder as the options' default, and the folder the dialog hands back. A floppy drive of old is
// kept in the options as its letter (BZHDRIVE "a" or "b"), any other folder as a path (BZHDRIVE
// "Pfad:" with BZHPFAD).
class ExchangeFolderChoice
{
public:
    static inline const QString kLocal =
        QStringLiteral("Der Austauschordner wird lokal zur Verfügung gestellt (Diskette/USB-Stick) :");
    static inline const QString kOnline =
        QStringLiteral("Als Austauschordner wird der spezielle Webtransfer-Ordner verwendet :");
    static inline const QString kChooseDrive = QStringLiteral("Laufwerk auswählen");
    static inline const QString kStoreDefault =
        QStringLiteral("angewähltes Laufwerk in den Optionen als Standard eintragen");
    static inline const QString kArticleText = QStringLiteral(
        "Artikel werden von gewählter Quelle gelesen, stellen Sie sicher das die Daten vorhanden sind.");

    explicit ExchangeFolderChoice(Options& options);

    // What the folder field shows when the dialog opens: the directory of the options' drive, or
    // their path.
    QString preset() const;
    // "angewähltes Laufwerk …": nothing for an empty field; otherwise the options take the folder
    // (a floppy drive's directory or a typed "a:" as its letter, anything else as a path) and
    // are saved at once. The field as it then reads (with a trailing separator).
    QString storeAsDefault(const QString& field);
    // The folder the dialog hands back for the local choice: the field, or the options' folder
    // when the field is empty; always with a trailing separator.
    QString localResult(const QString& field) const;

private:
    // "a" or "b" when the folder is a floppy drive, else empty.
    QString floppyLetter(const QString& folder) const;

    Options& m_options;
};

} // namespace korbelant
