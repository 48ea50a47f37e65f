#include "app/WindowRegistry.h"

#include "ui/Errors.h"

namespace tv {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

QString WindowRegistry::bareClassName(const char* qualifiedName)
{
    const QString name = QString::fromLatin1(qualifiedName);
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

void WindowRegistry::add(const QString& className, Factory factory)
{
    // A second window under one name would silently replace the first.
    if (!factories_.emplace(className, std::move(factory)).second)
        throw Error(QStringLiteral("The window class \"%1\" is registered twice.").arg(className));
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
