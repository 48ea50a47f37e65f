#include "app/StudentJournal.h"

#include "ui/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace tv {
namespace {

const QString kDataFileName = QStringLiteral("studentDataFile.Txt");
const QString kGradeFileName = QStringLiteral("studentGradeFile.txt");

// The runtime's input/output error for an errno value.
[[noreturn]] void raiseIoError(int error)
{
    if (error == EACCES || error == EPERM || error == EROFS)
        throw InOutError(QStringLiteral("File access denied"));
    throw InOutError(QStringLiteral("I/O error %1").arg(error));
}

// Qt format tokens outside quotes: widens "yy" to "yyyy" in dates and drops
// the time-zone token "t" (with the blanks before it) from times.
QString adaptFormat(const QString& format, bool isDate)
{
    QString out;
    bool quoted = false;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        int run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const QString token = format.mid(i, run);
        i += run;
        if (!quoted && isDate && c == QLatin1Char('y') && run == 2) {
            out += QStringLiteral("yyyy");
        } else if (!quoted && !isDate && c == QLatin1Char('t')) {
            while (out.endsWith(QLatin1Char(' ')))
                out.chop(1);
        } else {
            out += token;
        }
    }
    return out.trimmed();
}

} // namespace

QByteArray toWindows1252(const QString& text)
{
    QStringEncoder encode("windows-1252");
    QByteArray bytes = encode.encode(text);
    // The converter marks a character it cannot map with the SUB byte, one
    // byte per code point; such characters are written as "?".
    const QList<uint> codePoints = text.toUcs4();
    if (bytes.size() == codePoints.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\x1A' && codePoints[i] != 0x1A)
                bytes[i] = '?';
    }
    return bytes;
}

StudentJournal::StudentJournal(QString folder, QLocale locale, Clock clock)
    : folder_(std::move(folder)), locale_(std::move(locale)), clock_(std::move(clock))
{
}

StudentJournal::StudentJournal()
    : StudentJournal(QDir::toNativeSeparators(QDir::tempPath()) + QDir::separator(), QLocale::system(),
                     [] { return QDateTime::currentDateTime(); })
{
}

QString StudentJournal::dataFilePath() const { return folder_ + kDataFileName; }
QString StudentJournal::gradeFilePath() const { return folder_ + kGradeFileName; }

QString StudentJournal::formatWhen(const QDateTime& moment, const QLocale& locale)
{
    const QString date =
        locale.toString(moment.date(), adaptFormat(locale.dateFormat(QLocale::ShortFormat), true));
    const QTime t = moment.time();
    if (t == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ')
        + locale.toString(t, adaptFormat(locale.timeFormat(QLocale::LongFormat), false));
}

QString StudentJournal::when() const { return formatWhen(clock_(), locale_); }

void StudentJournal::appendLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        raiseIoError(errno);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            raiseIoError(error);
        }
        done += n;
    }
    if (::close(fd) != 0)
        raiseIoError(errno);
}

void StudentJournal::append(const StudentIdentity& who, const QString& path,
                            const QStringList& lines) const
{
    if (who.isNoRecordID())
        return;
    appendLines(path, lines);
}

void StudentJournal::writeStudentFileString(const StudentIdentity& who, const QString& line) const
{
    append(who, dataFilePath(), {line});
}

static QString logLine(const StudentIdentity& who, const char* what, const QString& when)
{
    return QStringLiteral("----> ") + who.studentID + QLatin1Char(' ') + who.firstName
        + QLatin1Char(' ') + who.lastName + QLatin1String(what) + when;
}

void StudentJournal::writeStudentFileLogOn(const StudentIdentity& who,
                                           const QString& closingLine) const
{
    append(who, dataFilePath(),
           {QStringLiteral("=================================== "),
            QStringLiteral("Tallyvale Student Record File"),
            QStringLiteral("Kept by Tallyvale on this computer; append only."),
            QStringLiteral("==================================="),
            logLine(who, "  LOGGED ON at - ", when()), closingLine});
}

void StudentJournal::writeLogOnLine(const StudentIdentity& who) const
{
    append(who, dataFilePath(), {logLine(who, "  LOGGED ON at - ", when())});
}

void StudentJournal::writeLogOffLines(const StudentIdentity& who) const
{
    append(who, dataFilePath(),
           {logLine(who, "  LOGGED OFF at - ", when()), QStringLiteral("**************************")});
}

void StudentJournal::writeVisitEntry(const StudentIdentity& who, const QString& name) const
{
    writeStudentFileString(who, QStringLiteral("    ") + who.firstName + QLatin1Char(' ')
                                    + who.lastName + QStringLiteral(" - Entered ") + name);
}

void StudentJournal::writeVisitExit(const StudentIdentity& who, const QString& name) const
{
    writeStudentFileString(who, QStringLiteral("    ") + who.firstName + QLatin1Char(' ')
                                    + who.lastName + QStringLiteral(" - Exited ") + name);
}

void StudentJournal::writeSheetEntry(const StudentIdentity& who, const QString& title) const
{
    append(who, dataFilePath(),
           {QStringLiteral("   Enter ") + who.firstName + QLatin1Char(' ') + who.lastName
            + QLatin1Char('(') + title + QStringLiteral(") ") + when()});
}

void StudentJournal::writeSheetExit(const StudentIdentity& who, const QString& title, int grade,
                                    int right, int tried) const
{
    append(who, dataFilePath(),
           {QStringLiteral("   Exit ") + who.firstName + QLatin1Char(' ') + who.lastName
                + QStringLiteral(" (") + title + QStringLiteral(") ") + when()
                + QStringLiteral(" Grade-") + QString::number(grade),
            QStringLiteral("     ") + QString::number(right) + QStringLiteral(" of ")
                + QString::number(tried) + QStringLiteral(" Correct.")});
}

void StudentJournal::writeGradeEntry(const StudentIdentity& who, const QString& title, int grade,
                                     int right, int tried) const
{
    append(who, gradeFilePath(),
           {who.studentID + QLatin1Char(' ') + who.firstName + QLatin1Char(' ') + who.lastName
                + QStringLiteral(" Grade- ") + QString::number(grade) + QStringLiteral(" (")
                + title + QStringLiteral(") ") + when(),
            QStringLiteral("        ") + QString::number(right) + QStringLiteral(" of ")
                + QString::number(tried) + QStringLiteral(" Correct.")});
}

} // namespace tv
