#pragma once

#include <QString>
#include <functional>

namespace korbelant {

class DataHome;
class UiPort;

// The help document KORBELANT.pdf in the data home, opened with the desktop's program for it.
// The program carries its own copy, built from the manual, and puts it into the data home.
class HelpDocument
{
public:
    // Hands a document to the desktop; false when nothing could open it.
    using Opener = std::function<bool(const QString& path)>;

    static inline const QString kFailed =
        QStringLiteral("Beim Aufrufen der Hilfedatei ist ein Fehler aufgegtreten. Prüfen Sie bitte ob ein "
                       "geeigneter PDF-Reader "
                       "installiert ist.");
    // The program's copy.
    static inline const QString kProgramCopy = QStringLiteral(":/manual/KORBELANT.pdf");

    // "Die Hilfedatei KORBELANT.pdf wurde nicht gefunden." and, on a line of its own, the path.
    static QString missingMessage(const QString& path);

    HelpDocument(const DataHome& home, UiPort& ui, Opener opener);

    // Returns false after telling the user when the document is missing or cannot be opened.
    bool OpenHelp();

    // Puts the program's copy into the data home when the home has none or an older one (by the
    // time the program's copy was made); a newer one stays. False when it cannot be written.
    static bool install(const DataHome& home);

private:
    const DataHome& m_home;
    UiPort& m_ui;
    Opener m_opener;
};

} // namespace korbelant
