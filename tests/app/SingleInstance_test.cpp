#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QUuid>

#include <csignal>

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

TEST(SingleInstance, ASecondProcessEndsAndRaisesTheFirst)
{
    const QString name = uniqueName();
    QProcess first;
    first.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {name});
    ASSERT_TRUE(waitForLine(first, "first"));

    QProcess second;
    second.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {name});
    ASSERT_TRUE(second.waitForFinished(8000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().startsWith("second told"));
    EXPECT_TRUE(waitForLine(first, "raised"));
    first.waitForFinished(3000);
}

TEST(SingleInstance, ACrashedFirstCopyDoesNotBlockTheNext)
{
    const QString name = uniqueName();
    QProcess crashed;
    crashed.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {name});
    ASSERT_TRUE(waitForLine(crashed, "first"));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    crashed.waitForFinished(3000);

    QProcess next;
    next.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {name});
    EXPECT_TRUE(waitForLine(next, "first"));
    next.kill();
    next.waitForFinished(3000);
}
