// Several processes appending to one record file at the same moment.
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestConcorrenza : public QObject
{
    Q_OBJECT
private slots:
    void appendSimultanei();
    void appendSenzaBloccoDiByte();
    void fileDiBloccoNonCreabile();
    void fileDiBloccoAbbandonato();
};

void TestConcorrenza::appendSimultanei()
{
    QTemporaryDir dir;
    const int processi = 4, perProcesso = 400;
    std::vector<std::unique_ptr<QProcess>> figli;
    for (int k = 0; k < processi; ++k) {
        auto p = std::make_unique<QProcess>();
        p->start(APPENDER_PATH, {dir.path(), QString("P%1").arg(k), QString::number(perProcesso)});
        figli.push_back(std::move(p));
    }
    QSet<qint64> posizioni;
    QHash<QString, qint64> posizioneDi; // what each process was told
    for (int k = 0; k < processi; ++k) {
        QVERIFY(figli[k]->waitForFinished(60000));
        QCOMPARE(figli[k]->exitCode(), 0);
        const QList<QByteArray> righe = figli[k]->readAllStandardOutput().split('\n');
        int i = 0;
        for (const QByteArray &r : righe) {
            if (r.isEmpty()) continue;
            const qint64 p = r.toLongLong();
            QVERIFY2(!posizioni.contains(p), "two appends got the same position");
            posizioni.insert(p);
            posizioneDi.insert(QString("P%1-%2").arg(k).arg(i++), p);
        }
        QCOMPARE(i, perProcesso);
    }

    ImpostaCartellaProgramma(dir.path());
    int letti = 0;
    LeggiTutto<TSchedaServizio>("Servizi_Cliente_1.pro", [&](const TSchedaServizio &r, qint64 p) {
        ++letti;
        const QString chiave = r.Get(TSchedaServizio::Servizi);
        // Each record is whole and sits where its writer was told it went.
        QCOMPARE(posizioneDi.value(chiave), p);
        const int i = chiave.section('-', 1).toInt();
        QCOMPARE(r.Get(TSchedaServizio::Agente), QString(28, QChar(u'A' + (i % 26))));
        QCOMPARE(r.Get(TSchedaServizio::Importo), QString("%1,00").arg(i));
    });
    ImpostaCartellaProgramma(QString());
    QCOMPARE(letti, processi * perProcesso);
}

// The same appends on a file system where the byte-range lock reports "not
// supported": the lock file beside the data file keeps them exclusive.
void TestConcorrenza::appendSenzaBloccoDiByte()
{
    qputenv("PRATOVIA_BLOCCO_NON_SUPPORTATO", "1");
    const auto ripristina = qScopeGuard([] { qunsetenv("PRATOVIA_BLOCCO_NON_SUPPORTATO"); });
    appendSimultanei();
}

void TestConcorrenza::fileDiBloccoNonCreabile()
{
    QTemporaryDir dir;
    ImpostaCartellaProgramma(dir.path());
    ImpostaBloccoNonSupportato(true);
    const auto ripristina = qScopeGuard([] {
        ImpostaBloccoNonSupportato(false);
        ImpostaCartellaProgramma(QString());
    });
    TSchedaServizio r;
    r.Set(TSchedaServizio::Servizi, QStringLiteral("Visita"));
    {
        TArchivio a;
        a.Open(QStringLiteral("Servizi_Cliente_7.pro"), TSchedaServizio::Dimensione);
        QCOMPARE(a.Append(r), qint64(1));
        QCOMPARE(a.Append(r), qint64(2));
    }
    // the lock file is gone once the append is done
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Servizi_Cliente_7.pro")});

    // a lock file that cannot be created (its name is one the file system
    // refuses as too long): the append fails and writes nothing
    const QString lungo = QString(251, u'x') + QStringLiteral(".pro");
    TArchivio a;
    a.Open(lungo, TSchedaServizio::Dimensione);
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Append(r));
    QCOMPARE(a.Count(), qint64(0));
}

// A lock file left by a program that died while appending (an hour old) does
// not keep every later append out.
void TestConcorrenza::fileDiBloccoAbbandonato()
{
    QTemporaryDir dir;
    ImpostaCartellaProgramma(dir.path());
    ImpostaBloccoNonSupportato(true);
    const auto ripristina = qScopeGuard([] {
        ImpostaBloccoNonSupportato(false);
        ImpostaCartellaProgramma(QString());
    });
    const QString blocco = dir.filePath(QStringLiteral("Servizi_Cliente_3.pro.lock"));
    {
        QFile f(blocco);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("4242\nPratovia\naltro-computer\n");
        QVERIFY(f.flush());
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    QElapsedTimer t;
    t.start();
    TSchedaServizio r;
    r.Set(TSchedaServizio::Servizi, QStringLiteral("Visita"));
    TArchivio a;
    a.Open(QStringLiteral("Servizi_Cliente_3.pro"), TSchedaServizio::Dimensione);
    QCOMPARE(a.Append(r), qint64(1));
    QVERIFY(t.elapsed() < 10000);
    QVERIFY(!QFileInfo::exists(blocco));
}

QTEST_APPLESS_MAIN(TestConcorrenza)
#include "test_concorrenza.moc"
