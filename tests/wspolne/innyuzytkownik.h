// Read-only files stop nothing for root, which CI runs as. A test that needs file
// permissions to count runs its checks in a copy of this test program started as user
// nobody; the folder it works in is passed in LK_KATALOG_TESTU.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QtTest>

#include <unistd.h>

namespace innyUzytkownik {

// The folder handed to the copy, or empty in the test program itself.
inline QString katalogDziecka()
{
    return qEnvironmentVariable("LK_KATALOG_TESTU");
}

// Lets user nobody into every folder of `katalog` and write every file in it, except
// the files named in `tylkoDoOdczytu`, which become read-only for everyone.
inline void udostepnij(const QString &katalog, const QStringList &tylkoDoOdczytu)
{
    QFile::setPermissions(katalog, QFileDevice::Permissions(0x7777));
    QDirIterator it(katalog, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        if (it.fileInfo().isDir())
            QFile::setPermissions(s, QFileDevice::Permissions(0x7777));
        else if (tylkoDoOdczytu.contains(QDir(katalog).relativeFilePath(s)))
            QFile::setPermissions(s, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        else
            QFile::setPermissions(s, QFileDevice::Permissions(0x6666));
    }
}

// As root: runs the test function `funkcja` in a copy of this program as user nobody
// and returns true with the copy's result checked. Otherwise returns false: the caller
// runs its checks itself.
inline bool uruchomJakoNobody(const char *funkcja, const QString &katalog)
{
    if (::geteuid() != 0)
        return false;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LK_KATALOG_TESTU"), katalog);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), katalog);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), katalog);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(katalog);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
             QCoreApplication::applicationFilePath(), QString::fromLatin1(funkcja)});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        QTest::qFail("the copy run as nobody did not finish", __FILE__, __LINE__);
        return true;
    }
    const QByteArray wyjscie = p.readAll();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning().noquote() << QString::fromLocal8Bit(wyjscie);
    [&] {
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }();
    return true;
}

// Starts `program` in `p` as user nobody, with `dom` (a folder nobody may write) as its
// home and runtime folder.
inline void uruchomProcesJakoNobody(QProcess &p, const QString &program, const QStringList &argumenty,
                                    const QString &dom)
{
    QProcessEnvironment env = p.processEnvironment();
    if (env.isEmpty())
        env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dom);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dom);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                   QStringLiteral("--clear-groups"), program}
                                           + argumenty);
}

} // namespace innyUzytkownik
