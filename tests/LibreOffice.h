#pragma once
// Test helper: a real spreadsheet program opens an exported ".xls" file.
// LibreOffice (headless, with a throw-away profile) converts it to a flat
// OpenDocument spreadsheet, and the cells of its first sheet are read back.
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

// Rows of the first sheet; each cell as (value type, text), e.g.
// ("string", "05/03/2024"). Cells without a value type (empty) are left out.
using TabellaLetta = QList<QList<QPair<QString, QString>>>;

// The LibreOffice executable; empty when it is not installed.
inline QString LibreOffice() { return QStandardPaths::findExecutable("soffice"); }

// Empty table and `errore` set when the conversion fails.
inline TabellaLetta LeggiConLibreOffice(const QString &file, QString *errore = nullptr)
{
    QTemporaryDir profilo, uscita;
    QProcess p;
    p.start(LibreOffice(), {"-env:UserInstallation=" + QUrl::fromLocalFile(profilo.path()).toString(), "--headless",
                            "--norestore", "--convert-to", "fods", "--outdir", uscita.path(), file});
    p.waitForFinished(110000);
    QFile f(uscita.filePath(QFileInfo(file).completeBaseName() + ".fods"));
    const QByteArray xml = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (xml.isEmpty()) {
        if (errore) *errore = QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }

    TabellaLetta tabella;
    QXmlStreamReader r(xml);
    int tabelle = 0;
    QString tipo, testo;
    bool inCella = false;
    int inParagrafo = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == u"table:table") ++tabelle;
        if (tabelle != 1) continue;
        if (r.isStartElement() && r.qualifiedName() == u"table:table-row") tabella.append(QList<QPair<QString, QString>>());
        if (r.isStartElement() && r.qualifiedName() == u"table:table-cell") {
            inCella = true;
            tipo = r.attributes().value("office:value-type").toString();
            testo.clear();
        }
        if (inCella && r.isStartElement() && r.qualifiedName() == u"text:p") {
            if (!testo.isEmpty()) testo += '\n';
            ++inParagrafo;
        }
        if (r.isEndElement() && r.qualifiedName() == u"text:p") --inParagrafo;
        if (inParagrafo > 0 && r.isCharacters()) testo += r.text();
        if (r.isEndElement() && r.qualifiedName() == u"table:table-cell") {
            inCella = false;
            if (!tipo.isEmpty() && !tabella.isEmpty()) tabella.last().append({tipo, testo});
        }
    }
    if (tabella.isEmpty() && errore) *errore = QString::fromUtf8(xml.left(2000));
    return tabella;
}
