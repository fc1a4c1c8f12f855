#include "clients/Allegati.h"

#include "storage/Cartella.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CartellaAllegati()
{
    return CartellaProgramma() + QStringLiteral("Documenti_Allegati") + QDir::separator();
}

QString NomeNudo(const QString &nome)
{
    const QString s = Trim(nome);
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i] == u'/' || s[i] == u'\\') inizio = i + 1;
    // a drive ("C:name") is a folder part too
    if (s.size() - inizio >= 2 && s[inizio + 1] == u':' && s[inizio].unicode() < 128 && s[inizio].isLetter())
        inizio += 2;
    const QString nudo = Trim(QStringView(s).mid(inizio));
    if (nudo == u"." || nudo == u"..") return QString();
    return nudo;
}

QString PercorsoAllegato(const QString &nome)
{
    const QString nudo = NomeNudo(nome);
    return nudo.isEmpty() ? QString() : CartellaAllegati() + nudo;
}

QString ComandoApriAllegato(const QString &nome)
{
    const QString percorso = PercorsoAllegato(nome);
    return percorso.isEmpty() ? QString() : u'"' + percorso + u'"';
}

bool PreparaCartellaAllegati()
{
    return QDir().mkpath(CartellaAllegati());
}

bool CopiaAllegato(const QString &origine)
{
    const QFileInfo da(origine);
    const QString a = PercorsoAllegato(da.fileName());
    if (a.isEmpty() || !da.isFile()) return false;
    const QFileInfo dest(a);
    if (dest.exists()) {
        if (dest.canonicalFilePath() == da.canonicalFilePath()) return true;
        if (!QFile::remove(a)) return false;
    }
    return QFile::copy(origine, a);
}
