#pragma once
// Only one copy of the program runs per user. The first copy holds a lock
// named after the program file and the user, kept in the user's runtime folder
// (never the temporary folder, which each copy may see differently), and
// listens on a local socket of the same name in the abstract namespace, so a
// crash leaves nothing behind; a later copy asks it to bring its window to the
// front and then ends.
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace tv {

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // `name` is the program's file name without the folder.
    explicit SingleInstanceGuard(const QString& name, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    bool isFirst() const { return first_; }
    // From a later copy: asks the first to raise its window. True when it was told.
    bool notifyFirst(int timeoutMs = 2000) const;

    // The folder of the lock: XDG_RUNTIME_DIR when it is a folder of this user,
    // else /run/user/<uid>, else a private folder of this user under /tmp.
    static QString runtimeFolder();
    // Where the guard for `name` keeps its lock.
    static QString lockPath(const QString& name);

signals:
    // In the first copy: another copy asked for the window.
    void activationRequested();

private:
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool first_ = false;
};

} // namespace tv
