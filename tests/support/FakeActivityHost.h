#pragma once
// Stands in for the main window so an activity window can be built and
// driven alone in a test. The journal writes into a private temp folder with
// a fixed clock and United States regional settings.
#include "app/ActivityHost.h"
#include "app/StudentJournal.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

namespace tv::test {

class FakeActivityHost final : public ActivityHost {
public:
    FakeActivityHost()
        : journal_(QDir(dir_.path()).absolutePath() + QLatin1Char('/'),
                   QLocale(QLocale::English, QLocale::UnitedStates),
                   [this] { return now; })
    {
        who.firstName = QStringLiteral("Ana");
        who.lastName = QStringLiteral("Lopez");
        who.studentID = QStringLiteral("1234");
        who.loggedOn = true;
    }

    QWidget* ownerWindow() override { return &owner; }
    StudentIdentity identity() const override { return who; }
    QString selectedTabCaption() const override { return tabCaption; }
    const StudentJournal& journal() const override { return journal_; }

    StudentIdentity who;
    QString tabCaption = QStringLiteral("Part 1");
    QDateTime now = QDateTime(QDate(2002, 12, 8), QTime(10, 15, 42));
    QWidget owner;

private:
    QTemporaryDir dir_;
    StudentJournal journal_;
};

} // namespace tv::test
