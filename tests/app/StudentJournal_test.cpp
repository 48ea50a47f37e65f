#include "app/StudentJournal.h"
#include "tests/support/FileHelpers.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tv;
using tv::test::readFile;

namespace {

const QLocale kUS(QLocale::English, QLocale::UnitedStates);

struct JournalFixture : ::testing::Test {
    QTemporaryDir dir;
    QDateTime now{QDate(2002, 12, 8), QTime(10, 15, 42)};
    StudentJournal journal{dir.path() + QLatin1Char('/'), kUS, [this] { return now; }};
    StudentIdentity ana{QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"), true};
};

} // namespace

TEST(JournalWhen, UnitedStatesShortDateAndLongTime)
{
    EXPECT_EQ(StudentJournal::formatWhen(QDateTime(QDate(2002, 12, 8), QTime(10, 15, 42)), kUS),
              QStringLiteral("12/8/2002 10:15:42 AM"));
    EXPECT_EQ(StudentJournal::formatWhen(QDateTime(QDate(2002, 12, 8), QTime(22, 5, 1)), kUS),
              QStringLiteral("12/8/2002 10:05:01 PM"));
    // Exactly midnight leaves the blank and the time out; a second later does not.
    EXPECT_EQ(StudentJournal::formatWhen(QDateTime(QDate(2003, 1, 1), QTime(0, 0)), kUS),
              QStringLiteral("1/1/2003"));
    EXPECT_EQ(StudentJournal::formatWhen(QDateTime(QDate(2003, 1, 1), QTime(0, 0, 1)), kUS),
              QStringLiteral("1/1/2003 12:00:01 AM"));
}

TEST(JournalWhen, OtherLocalesKeepTheirOwnOrderWithFourDigitYears)
{
    const QString de = StudentJournal::formatWhen(QDateTime(QDate(2002, 12, 8), QTime(10, 15, 42)),
                                                  QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(de.startsWith(QStringLiteral("08.12.2002 10:15:42"))) << de.toStdString();
    EXPECT_FALSE(de.contains(QStringLiteral("UTC")));
}

TEST_F(JournalFixture, ExampleRunByteForByte)
{
    journal.writeStudentFileLogOn(ana, QStringLiteral("*******"));
    now = QDateTime(QDate(2002, 12, 8), QTime(10, 16, 3));
    journal.writeSheetEntry(ana, QStringLiteral("Skills Review-Adding Decimals"));
    now = QDateTime(QDate(2002, 12, 8), QTime(10, 21, 40));
    journal.writeSheetExit(ana, QStringLiteral("Skills Review-Adding Decimals"), 75, 6, 8);
    journal.writeGradeEntry(ana, QStringLiteral("Skills Review-Adding Decimals"), 75, 6, 8);
    journal.writeVisitEntry(ana, QStringLiteral("Pente"));
    journal.writeVisitExit(ana, QStringLiteral("Pente"));
    now = QDateTime(QDate(2002, 12, 8), QTime(10, 40, 0));
    journal.writeLogOffLines(ana);

    const QList<QByteArray> lines = readFile(journal.dataFilePath()).split('\n');
    ASSERT_EQ(lines.size(), 14); // 13 lines, each ended by CRLF
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0], QByteArray("=================================== \r"));
    EXPECT_EQ(lines[1], QByteArray("Tallyvale Student Record File\r"));
    EXPECT_EQ(lines[3], QByteArray("===================================\r"));
    EXPECT_EQ(lines[4], QByteArray("----> 1234 Ana Lopez  LOGGED ON at - 12/8/2002 10:15:42 AM\r"));
    EXPECT_EQ(lines[5], QByteArray("*******\r"));
    EXPECT_EQ(lines[6], QByteArray("   Enter Ana Lopez(Skills Review-Adding Decimals) 12/8/2002 10:16:03 AM\r"));
    EXPECT_EQ(lines[7], QByteArray("   Exit Ana Lopez (Skills Review-Adding Decimals) 12/8/2002 10:21:40 AM Grade-75\r"));
    EXPECT_EQ(lines[8], QByteArray("     6 of 8 Correct.\r"));
    EXPECT_EQ(lines[9], QByteArray("    Ana Lopez - Entered Pente\r"));
    EXPECT_EQ(lines[10], QByteArray("    Ana Lopez - Exited Pente\r"));
    EXPECT_EQ(lines[11], QByteArray("----> 1234 Ana Lopez  LOGGED OFF at - 12/8/2002 10:40:00 AM\r"));
    EXPECT_EQ(lines[12], QByteArray("**************************\r"));
    EXPECT_EQ(lines[13], QByteArray());

    EXPECT_EQ(readFile(journal.gradeFilePath()),
              QByteArray("1234 Ana Lopez Grade- 75 (Skills Review-Adding Decimals) 12/8/2002 10:21:40 AM\r\n"
                         "        6 of 8 Correct.\r\n"));
}

TEST_F(JournalFixture, AppendsAcrossEventsAndCreatesOnlyWhatIsWritten)
{
    journal.writeLogOnLine(ana);
    EXPECT_FALSE(QFile::exists(journal.gradeFilePath()));
    journal.writeLogOnLine(ana);
    EXPECT_EQ(readFile(journal.dataFilePath()).count("LOGGED ON"), 2);
}

TEST_F(JournalFixture, NoRecordIdWritesNothingAnywhere)
{
    StudentIdentity ninetyNine = ana;
    ninetyNine.studentID = QStringLiteral("99");
    journal.writeStudentFileLogOn(ninetyNine, QStringLiteral("*******"));
    journal.writeLogOnLine(ninetyNine);
    journal.writeLogOffLines(ninetyNine);
    journal.writeVisitEntry(ninetyNine, QStringLiteral("Pente"));
    journal.writeVisitExit(ninetyNine, QStringLiteral("Pente"));
    journal.writeStudentFileString(ninetyNine, QStringLiteral("x"));
    journal.writeSheetEntry(ninetyNine, QStringLiteral("T"));
    journal.writeSheetExit(ninetyNine, QStringLiteral("T"), 0, 0, 0);
    journal.writeGradeEntry(ninetyNine, QStringLiteral("T"), 0, 0, 0);
    EXPECT_FALSE(QFile::exists(journal.dataFilePath()));
    EXPECT_FALSE(QFile::exists(journal.gradeFilePath()));
    // Only exactly "99" is the no-record ID.
    StudentIdentity nine = ana;
    nine.studentID = QStringLiteral("099");
    journal.writeLogOnLine(nine);
    EXPECT_TRUE(QFile::exists(journal.dataFilePath()));
}

TEST_F(JournalFixture, NamesAsTypedAndWindows1252Bytes)
{
    StudentIdentity odd{QStringLiteral("José-Marie"), QString(), QStringLiteral("7"), true};
    journal.writeSheetExit(odd, QStringLiteral("Quiz (3×4÷2) €"), 0, 0, 0);
    journal.writeVisitEntry(odd, QStringLiteral("日本"));
    const QByteArray bytes = readFile(journal.dataFilePath());
    EXPECT_EQ(bytes,
              QByteArray("   Exit Jos\xE9-Marie  (Quiz (3\xD7" "4\xF7" "2) \x80) 12/8/2002 10:15:42 AM Grade-0\r\n"
                         "     0 of 0 Correct.\r\n"
                         "    Jos\xE9-Marie  - Entered ??\r\n"));
}

// Runs `body` with the rights of an ordinary user: root ignores file modes,
// so as root it runs in a child process that gives up its privileges.
static bool asOrdinaryUser(const std::function<bool()>& body)
{
    if (geteuid() != 0)
        return body();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(JournalFixture, WriteProtectedFileRaisesAccessDeniedAndKeepsWhatWasWritten)
{
    journal.writeLogOnLine(ana);
    const QByteArray before = readFile(journal.dataFilePath());
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(journal.dataFilePath()).constData(), 0444), 0);
    const bool denied = asOrdinaryUser([&] {
        try {
            journal.writeLogOnLine(ana);
        } catch (const InOutError& e) {
            return e.message() == QStringLiteral("File access denied");
        }
        return false;
    });
    EXPECT_TRUE(denied);
    EXPECT_EQ(readFile(journal.dataFilePath()), before);
}

TEST(JournalFailure, MissingFolderRaisesIoErrorWithTheNumber)
{
    StudentJournal journal(QStringLiteral("/nonexistent-tallyvale-folder/"), kUS,
                           [] { return QDateTime(QDate(2002, 12, 8), QTime(1, 0)); });
    StudentIdentity who{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1"), true};
    try {
        journal.writeLogOnLine(who);
        ADD_FAILURE() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("I/O error 2"));
    }
}

TEST(JournalFailure, DeviceFullRaisesIoError)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP();
    try {
        StudentJournal::appendLines(QStringLiteral("/dev/full"), {QStringLiteral("x")});
        ADD_FAILURE() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("I/O error 28"));
    }
}
