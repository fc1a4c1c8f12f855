#pragma once
// Test helper: keeps what the program hands to the desktop
// (QDesktopServices::openUrl) for some URL schemes instead of opening it.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class RaccoglitoreUrl : public QObject
{
    Q_OBJECT
public:
    // Takes over `schemi` ("file", "mailto", "http", ...) while it lives.
    explicit RaccoglitoreUrl(const QStringList &schemi) : schemi_(schemi)
    {
        for (const QString &s : schemi_) QDesktopServices::setUrlHandler(s, this, "apri");
    }
    ~RaccoglitoreUrl() override
    {
        for (const QString &s : schemi_) QDesktopServices::unsetUrlHandler(s);
    }

    // The local paths of what was opened, in order.
    QStringList File() const
    {
        QStringList f;
        for (const QUrl &u : aperti) f << u.toLocalFile();
        return f;
    }

    QList<QUrl> aperti;

public slots:
    void apri(const QUrl &u) { aperti << u; }

private:
    const QStringList schemi_;
};
