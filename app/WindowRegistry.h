#pragma once
// Activity windows are made by class name. Each folder's library adds its
// windows through one registration function called at start-up, so the main
// window's catalogue never names a window type. The name is taken from the
// window's own type, so a registration cannot drift from the class it makes.
#include "app/ActivityHost.h"

#include <functional>
#include <map>
#include <type_traits>

#include <QObject>
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

    // The catalogue's name for a window class: its meta-object class name
    // without the namespace ("tv::pente::TfrmMain" is "TfrmMain").
    template <class Window>
    static QString classNameOf()
    {
        // Without its own Q_OBJECT a window would carry its base's name.
        static_assert(std::is_same_v<decltype(&Window::metaObject), const QMetaObject* (Window::*)() const>,
                      "a registered window class needs its own Q_OBJECT");
        return bareClassName(Window::staticMetaObject.className());
    }
    static QString bareClassName(const char* qualifiedName);

    // A window made as `new Window(owner)`.
    template <class Window>
    void addOwned()
    {
        add(classNameOf<Window>(), [](ActivityHost& host) -> QDialog* { return new Window(host.ownerWindow()); });
    }
    // A window made as `new Window(host)`, which asks the host for more.
    template <class Window>
    void addHosted()
    {
        add(classNameOf<Window>(), [](ActivityHost& host) -> QDialog* { return new Window(host); });
    }
    // Under an explicit name; the main window's tests put stand-ins under
    // catalogue names this way. Throws tv::Error when the name is taken.
    void add(const QString& className, Factory factory);

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
