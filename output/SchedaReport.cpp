#include "output/SchedaReport.h"

#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"
#include "ui/TMisc.h"
#include "output/ModelliReport.h"
#include "output/Report.h"

#include <QDir>
#include <QFileInfo>


namespace {

const char *const kAutore = "Pratovia";

// Why a PDF could not be written, as the user can mend it.
QString TestoPercorsoNonScritto(const QString &file)
{
    const QFileInfo cartella(QFileInfo(file).absolutePath());
    if (!cartella.isDir() || !cartella.isWritable())
        return QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                              "programma.");
    return QStringLiteral("Accertarsi che il file ") + QDir::toNativeSeparators(file)
           + QStringLiteral(" non sia aperto in un altro programma.");
}

// The template filled and laid out, ready for one output.
std::unique_ptr<TReport> ModuloPronto(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo)
{
    auto modulo = std::make_unique<TReport>(ModelloReport(modello));
    CompilaModulo(*modulo, memo);
    modulo->Prepara(owner);
    return modulo;
}

} // namespace

QString TestoVoce(const VoceScheda &voce, std::span<const QString> testi)
{
    QString t = QString::fromUtf8(voce.prima);
    for (size_t i = 0; i < voce.campi.size(); ++i) {
        if (i > 0) t += QString::fromUtf8(voce.unione);
        const size_t campo = size_t(voce.campi[i]);
        if (campo < testi.size()) t += Trim(testi[campo]);
    }
    return t;
}

QVector<TestoMemo> TestiMemo(const std::vector<VoceScheda> &voci, std::span<const QString> testi,
                             const QString &memoCalce, const QDateTime &quando)
{
    QVector<TestoMemo> memo;
    memo.reserve(qsizetype(voci.size()) + 1);
    for (const VoceScheda &v : voci) memo.append({QString::fromLatin1(v.memo), TestoVoce(v, testi)});
    if (!memoCalce.isEmpty()) memo.append({memoCalce, CalceStampa(quando)});
    return memo;
}

QString CalceStampa(const QDateTime &quando)
{
    return QStringLiteral("Stampa eseguita in data ") + ScriviData(quando.date()) + QStringLiteral(" alle ore ") +
           quando.time().toString(QStringLiteral("HH:mm:ss"));
}

void CompilaModulo(TReport &modulo, const QVector<TestoMemo> &memo)
{
    modulo.Pagina(1)->ImpostaOrientamento(QPageLayout::Portrait);
    for (const TestoMemo &m : memo)
        if (TReportMemo *t = modulo.TrovaMemo(m.memo)) t->ImpostaTesto(m.testo);
}

void AnteprimaModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo)
{
    ModuloPronto(owner, modello, memo)->Anteprima(owner);
}

bool StampaModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo)
{
    return ModuloPronto(owner, modello, memo)->Stampa(owner);
}

bool PdfModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo, const QString &file,
               const QString &titolo)
{
    const std::unique_ptr<TReport> modulo = ModuloPronto(owner, modello, memo);
    TEsportazionePdf pdf;
    pdf.fileName = CartellaProgramma() + file;
    pdf.title = titolo;
    pdf.subject = titolo;
    pdf.author = QString::fromUtf8(kAutore);
    pdf.creator = QString::fromUtf8(kAutore);
    // A file that cannot be written (open in a reader that locks it) ends the
    // action here: there is nothing to announce or to open.
    if (!modulo->EsportaPdf(pdf)) {
        Msg::Errore(owner, QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\n\r\n\r")
                               + TestoPercorsoNonScritto(pdf.fileName));
        return false;
    }
    const QString domanda = QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\n")
                            + Msg::FileSalvato(pdf.fileName) + QStringLiteral("\r\n\r\nSi vuole aprire il file?");
    if (Msg::Domanda(owner, domanda)) TMisc::Open(u'"' + pdf.fileName + u'"');
    return true;
}
