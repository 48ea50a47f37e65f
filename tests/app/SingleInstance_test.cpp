#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>

#include <csignal>

#include <unistd.h>

using namespace tv;

namespace {

QString uniqueName() { return QStringLiteral("tallyvale-test-") + QUuid::createUuid().toString(QUuid::Id128); }

bool waitForLine(QProcess& p, const QByteArray& line, int ms = 8000)
{
    QByteArray seen;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        p.waitForReadyRead(100);
        seen += p.readAllStandardOutput();
        if (seen.contains(line))
            return true;
        if (p.state() == QProcess::NotRunning && !p.bytesAvailable())
            break;
    }
    return seen.contains(line);
}

// Each copy is started with a temporary folder of its own, as two copies
// started from different shells or launchers may be.
class SingleInstanceProcesses : public ::testing::Test {
protected:
    void start(QProcess& p, const QTemporaryDir& tmp, const QString& runtime = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        if (!runtime.isEmpty())
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {name});
    }
    void TearDown() override { QFile::remove(SingleInstanceGuard::lockPath(name)); }

    const QString name = uniqueName();
    QTemporaryDir tmpA, tmpB;
};

} // namespace

TEST(SingleInstance, SecondGuardTellsTheFirst)
{
    const QString name = uniqueName();
    SingleInstanceGuard first(name);
    ASSERT_TRUE(first.isFirst());
    QSignalSpy raised(&first, &SingleInstanceGuard::activationRequested);
    SingleInstanceGuard second(name);
    EXPECT_FALSE(second.isFirst());
    EXPECT_TRUE(second.notifyFirst());
    EXPECT_TRUE(raised.wait(3000));
}

TEST(SingleInstance, TheLockIsNamedAfterProgramAndUserOutsideTheTemporaryFolder)
{
    const QByteArray saved = qgetenv("TMPDIR");
    QTemporaryDir a, b;
    qputenv("TMPDIR", QFile::encodeName(a.path()));
    const QString inA = SingleInstanceGuard::lockPath(QStringLiteral("tallyvale"));
    qputenv("TMPDIR", QFile::encodeName(b.path()));
    const QString inB = SingleInstanceGuard::lockPath(QStringLiteral("tallyvale"));
    if (saved.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", saved);

    EXPECT_EQ(inA, inB);
    EXPECT_FALSE(inA.startsWith(a.path()) || inA.startsWith(b.path())) << inA.toStdString();
    EXPECT_TRUE(inA.endsWith(QStringLiteral("/tallyvale-%1.lock").arg(::getuid()))) << inA.toStdString();
    EXPECT_TRUE(QDir(SingleInstanceGuard::runtimeFolder()).exists());
}

TEST_F(SingleInstanceProcesses, ASecondProcessWithAnotherTemporaryFolderEndsAndRaisesTheFirst)
{
    QProcess first;
    start(first, tmpA);
    ASSERT_TRUE(waitForLine(first, "first"));

    QProcess second;
    start(second, tmpB);
    ASSERT_TRUE(second.waitForFinished(8000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().startsWith("second told"));
    EXPECT_TRUE(waitForLine(first, "raised"));
    first.waitForFinished(3000);
}

TEST_F(SingleInstanceProcesses, ACrashedFirstCopyDoesNotBlockTheNext)
{
    QProcess crashed;
    start(crashed, tmpA);
    ASSERT_TRUE(waitForLine(crashed, "first"));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    crashed.waitForFinished(3000);

    QProcess next;
    start(next, tmpB);
    EXPECT_TRUE(waitForLine(next, "first"));
    next.kill();
    next.waitForFinished(3000);
}

TEST_F(SingleInstanceProcesses, ACopyThatFindsItsLockElsewhereStillDefersToTheFirst)
{
    QTemporaryDir runtime;
    QProcess first;
    start(first, tmpA, runtime.path());
    ASSERT_TRUE(waitForLine(first, "first"));

    QProcess second;
    start(second, tmpB);
    ASSERT_TRUE(second.waitForFinished(8000));
    EXPECT_TRUE(second.readAllStandardOutput().startsWith("second told"));
    EXPECT_TRUE(waitForLine(first, "raised"));
    first.waitForFinished(3000);
}
