#pragma once
// The student journal: two append-only Windows-1252 text files in the temp
// folder. Plain C++ (no widgets) so every record line is tested byte for byte.
#include <functional>

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace tv {

struct StudentIdentity {
    QString firstName;
    QString lastName;
    QString studentID;
    bool loggedOn = false;

    // The ID "99" logs on normally but leaves no record anywhere.
    bool isNoRecordID() const { return studentID == QLatin1String("99"); }
};

// Windows-1252 bytes of `text`; a character without such a byte becomes "?".
QByteArray toWindows1252(const QString& text);

class StudentJournal {
public:
    using Clock = std::function<QDateTime()>;

    // `folder` ends with a path separator. The clock and locale are injectable
    // so tests produce exact time stamps.
    StudentJournal(QString folder, QLocale locale, Clock clock);
    // The system temp folder, the user's regional settings, the wall clock.
    StudentJournal();

    QString folder() const { return folder_; }
    QString dataFilePath() const;  // folder + "studentDataFile.Txt"
    QString gradeFilePath() const; // folder + "studentGradeFile.txt"

    // WHEN: short date, one blank, long time; the time left out at midnight.
    QString when() const;
    static QString formatWhen(const QDateTime& moment, const QLocale& locale);

    // Main window writers.
    void writeStudentFileString(const StudentIdentity& who, const QString& line) const;
    void writeStudentFileLogOn(const StudentIdentity& who, const QString& closingLine) const;
    void writeLogOnLine(const StudentIdentity& who) const;
    void writeLogOffLines(const StudentIdentity& who) const;
    void writeVisitEntry(const StudentIdentity& who, const QString& name) const;
    void writeVisitExit(const StudentIdentity& who, const QString& name) const;

    // Sheet writers.
    void writeSheetEntry(const StudentIdentity& who, const QString& title) const;
    void writeSheetExit(const StudentIdentity& who, const QString& title, int grade, int right,
                        int tried) const;
    void writeGradeEntry(const StudentIdentity& who, const QString& title, int grade, int right,
                         int tried) const;

    // Opens (appending or creating), writes each line + CRLF in Windows-1252,
    // closes. Throws InOutError with the runtime's text on any failure.
    static void appendLines(const QString& path, const QStringList& lines);

private:
    void append(const StudentIdentity& who, const QString& path, const QStringList& lines) const;

    QString folder_;
    QLocale locale_;
    Clock clock_;
};

} // namespace tv
