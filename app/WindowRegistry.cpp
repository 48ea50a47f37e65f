#include "app/WindowRegistry.h"

#include <QDialog>

namespace tv {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString& className, Factory factory)
{
    factories_[className] = std::move(factory);
}

bool WindowRegistry::contains(const QString& className) const
{
    return factories_.count(className) != 0;
}

QDialog* WindowRegistry::create(const QString& className, ActivityHost& host) const
{
    auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : it->second(host);
}

QStringList WindowRegistry::classNames() const
{
    QStringList names;
    for (const auto& [name, factory] : factories_)
        names << name;
    return names;
}

void WindowRegistry::addStartupHook(StartupHook hook) { startupHooks_.push_back(std::move(hook)); }

void WindowRegistry::runStartupHooks(QWidget* mainWindow) const
{
    for (const auto& hook : startupHooks_)
        hook(mainWindow);
}

} // namespace tv
