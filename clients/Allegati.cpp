#include "clients/Allegati.h"

#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/ShortText.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString NomeAllegato(const QString &origine)
{
    QString nome = NomeNudo(ShortText::BestFit(NomeNudo(QFileInfo(origine).fileName()), '_'));
    // a name longer than the card's field loses the end of its base name,
    // never its extension
    const int massimo = TSchedaCliente::N(TSchedaCliente::File01);
    if (nome.size() > massimo) {
        const qsizetype punto = nome.lastIndexOf(u'.');
        const qsizetype estensione = punto > 0 && nome.size() - punto <= 16 ? nome.size() - punto : 0;
        nome = Trim(nome.left(massimo - estensione)) + nome.right(estensione);
    }
    return nome;
}

bool CopiaAllegato(const QString &origine)
{
    const QFileInfo da(origine);
    const QString a = PercorsoAllegato(NomeAllegato(origine));
    if (a.isEmpty() || !da.isFile()) return false;
    const QFileInfo dest(a);
    if (dest.exists() && dest.canonicalFilePath() == da.canonicalFilePath()) return true;

    QFile sorgente(origine);
    if (!sorgente.open(QIODevice::ReadOnly)) return false;
    // QSaveFile writes a temporary file beside `a` and renames it over `a` on
    // commit; until then, and whenever it fails, `a` is untouched and the
    // temporary file is removed.
    QSaveFile copia(a);
    if (!copia.open(QIODevice::WriteOnly)) return false;
    QByteArray blocco(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 letti = sorgente.read(blocco.data(), blocco.size());
        if (letti < 0) {
            copia.cancelWriting();
            return false;
        }
        if (letti == 0) break;
        if (copia.write(blocco.constData(), letti) != letti) {
            copia.cancelWriting();
            return false;
        }
    }
    return copia.commit();
}
