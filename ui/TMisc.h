#pragma once
// Hands addresses, "mailto:" links and files to the desktop.
#include <QString>
#include <QUrl>

class TMisc
{
public:
    // sCommand: a web address, a "mailto:" link or a path; callers wrap paths
    // and "mailto:" links in double quotes. Failures are silent.
    static void Open(const QString &sCommand);
    // The URL that Open hands to the desktop for sCommand.
    static QUrl UrlPer(const QString &sCommand);
};
