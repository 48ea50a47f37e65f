#pragma once
// Activity windows are made by class name. Each folder's library adds its
// windows through one registration function called at start-up, so the main
// window's catalogue never names a window type.
#include "app/ActivityHost.h"

#include <functional>
#include <map>

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace tv {

class WindowRegistry {
public:
    // Makes a fresh activity window owned by host.ownerWindow().
    using Factory = std::function<QDialog*(ActivityHost& host)>;
    // Creates a window that lives for the whole run (hidden until used).
    using StartupHook = std::function<void(QWidget* mainWindow)>;

    static WindowRegistry& instance();

    void add(const QString& className, Factory factory);
    // A window made as `new Window(owner)`.
    template <class Window>
    void addOwned(const QString& className)
    {
        add(className, [](ActivityHost& host) -> QDialog* { return new Window(host.ownerWindow()); });
    }
    // A window made as `new Window(host)`, which asks the host for more.
    template <class Window>
    void addHosted(const QString& className)
    {
        add(className, [](ActivityHost& host) -> QDialog* { return new Window(host); });
    }
    bool contains(const QString& className) const;
    // nullptr when no window of that class is built.
    QDialog* create(const QString& className, ActivityHost& host) const;
    QStringList classNames() const;

    void addStartupHook(StartupHook hook);
    void runStartupHooks(QWidget* mainWindow) const;

private:
    std::map<QString, Factory> factories_;
    std::vector<StartupHook> startupHooks_;
};

} // namespace tv
