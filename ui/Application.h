#pragma once
// The application object. Its notify() is the one place where an exception
// thrown by any event handler ends: the message is shown in the error box and
// the event loop goes on, so the window that failed stays open and usable.
#include <QApplication>

namespace tv {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an exception's message through the shared message boxes.
    static void reportException(const std::exception& e);
};

// Makes "MS Sans Serif" and "MS Serif" resolve to the metric-compatible
// Liberation faces (fontconfig would pick the wider DejaVu ones).
void installFontSubstitutions();

} // namespace tv
