#pragma once
// Hands addresses, "mailto:" links and files to the desktop.
#include <QString>
#include <QUrl>

#include <functional>

class TMisc
{
public:
    // sCommand: a web address, a "mailto:" link or a path; callers wrap paths
    // and "mailto:" links in double quotes. When nothing can open it (a file
    // that does not exist, no mail program, browser or viewer), the user is
    // told in a warning box and the result is false.
    static bool Open(const QString &sCommand);
    // The warning shown when nothing opened `url`.
    static QString MessaggioNonAperto(const QUrl &url);
    // Test seam: who opens the URL (QDesktopServices::openUrl unless set;
    // an empty function restores it).
    static void ImpostaApertura(std::function<bool(const QUrl &)> apri);
    // The URL that Open hands to the desktop for sCommand.
    static QUrl UrlPer(const QString &sCommand);
};
