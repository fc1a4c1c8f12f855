#include "output/Stampa.h"

#include <QFont>
#include <QFontDatabase>

namespace {
QString &PercorsoPdf()
{
    static QString percorso;
    return percorso;
}
} // namespace

const char *const kNessunaStampante =
    "Attenzione: nessuna stampante è installata nel sistema.\n\r\n\r"
    "Installare una stampante e riprovare.";

void ImpostaStampaSuPdf(const QString &pdfPath) { PercorsoPdf() = pdfPath; }

QString StampaSuPdf() { return PercorsoPdf(); }

void InstallaSostituzioniFont()
{
    static bool fatto = false;
    if (fatto) return;
    fatto = true;
    const struct {
        const char *manca, *sostituto;
    } coppie[] = {
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
        {"Verdana", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
    };
    for (const auto &c : coppie) {
        const QString manca = QString::fromLatin1(c.manca);
        if (!QFontDatabase::hasFamily(manca))
            QFont::insertSubstitution(manca, QString::fromLatin1(c.sostituto));
    }
}
