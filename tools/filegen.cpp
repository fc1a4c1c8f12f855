// Build step: writes the files delivered with the program into its folder:
// the password file holding the initial password, and the PDF guide.
#include "storage/Crypt.h"
#include "app/GuidaPdf.h"
#include "storage/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pratovia_filegen <program folder>\n");
        return 2;
    }
    const QString cartella = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    try {
        // Stored passwords are upper-cased before they are scrambled. An
        // existing password file is left alone: it may hold a changed password.
        if (!QFileInfo::exists(cartella + QStringLiteral("unins000.dll")))
            IniFile::WriteString(cartella + QStringLiteral("unins000.dll"), QStringLiteral("Accesso"),
                             QStringLiteral("Valore"), CriptaPassword(QStringLiteral("LAMPADINAVERDE")));
        ScriviGuidaPdf(cartella + QStringLiteral("Guida.pdf"));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "pratovia_filegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
