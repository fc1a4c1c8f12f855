#include "app/Avvio.h"

#include "app/Finestre.h"
#include "ui/Disegni.h"
#include "ui/Stile.h"
#include "app/TfrmPassword.h"
#include "output/Stampa.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int AvviaProgramma(int argc, char *argv[])
{
    // The media backend: GStreamer plays the MP3 alert; the FFmpeg backend
    // crashes on machines without a sound card. Windows keeps its own backend.
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
#endif
    // Software rendering: no dependence on the graphics driver.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pratovia"));
    QApplication::setOrganizationName(QStringLiteral("Pratovia"));
    // Windows are shown and hidden; the program ends only when asked to.
    QApplication::setQuitOnLastWindowClosed(false);
    ApplicaStile(app);
    InstallaSostituzioniFont();
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 128, 256}) icona.addPixmap(Stile::Logo(QSize(lato, lato)));
    app.setWindowIcon(icona);
    // The toolkit's own dialogs (print, file) in Italian.
    auto *traduzione = new QTranslator(&app);
    if (traduzione->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || traduzione->load(QStringLiteral("qtbase_it"), QCoreApplication::applicationDirPath()))
        QCoreApplication::installTranslator(traduzione);
    CreaFinestre();
    App().frmPassword->show();
    const int esito = app.exec();
    DistruggiFinestre();
    return esito;
}
