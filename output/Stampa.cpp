#include "output/Stampa.h"

#include "ui/Stile.h"

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
    Stile::InstallaSostituzioniCaratteri();
}
