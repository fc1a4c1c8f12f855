#pragma once
// Runs one test function again as an unprivileged user, for the cases where
// file permissions matter: root (as in CI) reads and writes anywhere.
//
//   if (ComeUtente::Radice()) {
//       ... prepare the folder, readable by everybody ...
//       QCOMPARE(ComeUtente::Esegui("nomeDellaFunzione", {{"CARTELLA", path}}), 0);
//       return;
//   }
//   ... the checks, as a plain user ...
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

namespace ComeUtente {

// True when the test runs as root and must hand the checks to a plain user.
inline bool Radice()
{
    return geteuid() == 0;
}

// Why the checks cannot run as a plain user here, or empty when they can.
inline QString Impedimento()
{
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) return QStringLiteral("no setpriv");
    // The plain user must be able to reach the test executable.
    for (QFileInfo f(QCoreApplication::applicationFilePath()); !f.isRoot(); f = QFileInfo(f.absolutePath())) {
        const auto p = f.permissions();
        if (f.isDir() ? !(p & QFileDevice::ExeOther) : !(p & QFileDevice::ReadOther))
            return f.absoluteFilePath() + QStringLiteral(" cannot be reached by a plain user");
    }
    return {};
}

// Runs `funzione` of this test executable as the user "nobody", with the
// given environment variables; returns its exit code (0: every check passed).
inline int Esegui(const QString &funzione, const QList<QPair<QString, QString>> &ambiente = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[k, v] : ambiente) env.insert(k, v);
    env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                        QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                        QCoreApplication::applicationFilePath(), funzione});
    if (!p.waitForFinished(60000)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

// Makes `cartella` and what it holds readable by everybody, and the folder
// itself not writable.
inline void SolaLettura(const QString &cartella)
{
    const auto r = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto x = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    for (const QFileInfo &f : QDir(cartella).entryInfoList(QDir::Files))
        QFile::setPermissions(f.absoluteFilePath(), r | QFileDevice::WriteOwner);
    QFile::setPermissions(cartella, r | x);
}

} // namespace ComeUtente
