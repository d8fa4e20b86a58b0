#pragma once

#include <QString>
#include <functional>

namespace korbelant {

class DataHome;
class UiPort;

// The help document KORBELANT.pdf in the data home, opened with the desktop's program for it.
class HelpDocument
{
public:
    // Hands a document to the desktop; false when nothing could open it.
    using Opener = std::function<bool(const QString& path)>;

    static inline const QString kFailed =
        QStringLiteral("Beim Aufrufen der Hilfedatei ist ein Fehler aufgegtreten. Prüfen Sie bitte ob ein "
                       "geeigneter PDF-Reader "
                       "installiert ist.");

    HelpDocument(const DataHome& home, UiPort& ui, Opener opener);

    // Returns false after telling the user when the document is missing or cannot be opened.
    bool OpenHelp();

private:
    const DataHome& m_home;
    UiPort& m_ui;
    Opener m_opener;
};

} // namespace korbelant
