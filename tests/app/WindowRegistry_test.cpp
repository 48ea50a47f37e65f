// Windows are registered under their own class name, without namespace, and
// a name is taken once.
#include "app/WindowRegistry.h"
#include "tests/support/FakeActivityHost.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QDialog>

#include <memory>

namespace tv::test::nested {

class TfrmOwnedProbe : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOwnedProbe(QWidget* owner) : QDialog(owner) {}
};

class TfrmHostedProbe : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHostedProbe(ActivityHost& host)
        : QDialog(host.ownerWindow()), tabCaption(host.selectedTabCaption())
    {
    }
    QString tabCaption;
};

} // namespace tv::test::nested

namespace tv::test::other {

// Another game's window of the same bare name.
class TfrmOwnedProbe : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOwnedProbe(ActivityHost& host) : QDialog(host.ownerWindow()) {}
};

} // namespace tv::test::other

namespace {

using tv::WindowRegistry;
using namespace tv::test::nested;

TEST(WindowRegistry, NamesWindowsByTheirBareClassName)
{
    WindowRegistry registry;
    registry.addOwned<TfrmOwnedProbe>();
    registry.addHosted<TfrmHostedProbe>();
    EXPECT_EQ(registry.classNames(),
              QStringList({QStringLiteral("TfrmHostedProbe"), QStringLiteral("TfrmOwnedProbe")}));

    tv::test::FakeActivityHost host;
    host.tabCaption = QStringLiteral("Tutorials");
    std::unique_ptr<QDialog> owned(registry.create(QStringLiteral("TfrmOwnedProbe"), host));
    ASSERT_NE(qobject_cast<TfrmOwnedProbe*>(owned.get()), nullptr);
    EXPECT_EQ(owned->parentWidget(), &host.owner);
    std::unique_ptr<QDialog> hosted(registry.create(QStringLiteral("TfrmHostedProbe"), host));
    auto* probe = qobject_cast<TfrmHostedProbe*>(hosted.get());
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->parentWidget(), &host.owner);
    EXPECT_EQ(probe->tabCaption, QStringLiteral("Tutorials"));

    EXPECT_EQ(registry.create(QStringLiteral("tv::test::nested::TfrmOwnedProbe"), host), nullptr);
}

TEST(WindowRegistry, RefusesASecondRegistrationOfOneName)
{
    struct Case {
        const char* what;
        void (*second)(WindowRegistry&);
    };
    const Case cases[] = {
        {"same class again", [](WindowRegistry& r) { r.addOwned<TfrmOwnedProbe>(); }},
        {"same bare name in another namespace",
         [](WindowRegistry& r) { r.addHosted<tv::test::other::TfrmOwnedProbe>(); }},
        {"explicit name", [](WindowRegistry& r) {
             r.add(QStringLiteral("TfrmOwnedProbe"), [](tv::ActivityHost&) -> QDialog* { return nullptr; });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowRegistry registry;
        registry.addOwned<TfrmOwnedProbe>();
        try {
            c.second(registry);
            ADD_FAILURE() << "no error";
        } catch (const tv::Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("\"TfrmOwnedProbe\""))) << e.what();
        }
        // The first registration still makes its window.
        tv::test::FakeActivityHost host;
        std::unique_ptr<QDialog> window(registry.create(QStringLiteral("TfrmOwnedProbe"), host));
        EXPECT_NE(qobject_cast<TfrmOwnedProbe*>(window.get()), nullptr);
    }
}

} // namespace

#include "WindowRegistry_test.moc"
