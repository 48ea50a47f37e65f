// A stand-in program for the single-instance test: the first copy prints
// "first" and waits for another copy's request, printing "raised"; a later
// copy prints "second" after it told the first.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("probe");
    tv::SingleInstanceGuard guard(name);
    if (!guard.isFirst()) {
        const bool told = guard.notifyFirst();
        std::printf("second %s\n", told ? "told" : "untold");
        return told ? 0 : 3;
    }
    std::printf("first\n");
    std::fflush(stdout);
    QObject::connect(&guard, &tv::SingleInstanceGuard::activationRequested, &app, [&] {
        std::printf("raised\n");
        std::fflush(stdout);
        app.quit();
    });
    QTimer::singleShot(10000, &app, [&] { app.exit(4); });
    return app.exec();
}
