#pragma once
// What an activity window may ask of the program that opens it. The main
// window implements it; tests pass a stand-in so a window can be built alone.
#include "app/StudentJournal.h"

#include <QString>

class QWidget;

namespace tv {

class ActivityHost {
public:
    virtual ~ActivityHost() = default;
    // The owner of activity windows (the main window).
    virtual QWidget* ownerWindow() = 0;
    // The identity of the student logged on now.
    virtual StudentIdentity identity() const = 0;
    // Caption of the main window's selected tab ("Part 1", "Skills Review", ...).
    virtual QString selectedTabCaption() const = 0;
    virtual const StudentJournal& journal() const = 0;
};

} // namespace tv
