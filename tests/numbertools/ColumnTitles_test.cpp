// Every column title of every number-tool table is shown whole.
#include "app/WindowRegistry.h"
#include "numbertools/RegisterNumberTools.h"
#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolWindow.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include <memory>

using namespace tv;

TEST(ColumnTitles, NoTableWindowCutsATitle)
{
    WindowRegistry registry;
    registerNumberToolsWindows(registry);
    test::FakeActivityHost host;
    int tables = 0;
    for (const QString& name : registry.classNames()) {
        std::unique_ptr<QDialog> w(registry.create(name, host));
        test::showExposed(*w);
        for (QTableView* table : w->findChildren<QTableView*>()) {
            const QHeaderView* header = table->horizontalHeader();
            if (header->isHidden())
                continue;
            ++tables;
            const QFontMetrics fm(header->font());
            for (int s = 0; s < header->count(); ++s) {
                const QString title = table->model()->headerData(s, Qt::Horizontal).toString();
                EXPECT_LE(fm.horizontalAdvance(title), toolwindow::headerTitleRoom(header, s))
                    << name.toStdString() << ": " << title.toStdString() << " in "
                    << header->sectionSize(s) << " px";
            }
            EXPECT_GE(QFontInfo(header->font()).pixelSize(), 8) << name.toStdString();
        }
        for (SequenceTableView* view : w->findChildren<SequenceTableView*>()) {
            ++tables;
            const QFontMetrics fm(view->titleFont());
            const QString titles[] = {view->keyTitle(), view->valueTitle()};
            for (int c = 0; c < 2; ++c)
                EXPECT_LE(fm.horizontalAdvance(titles[c]), view->titleRect(c).width())
                    << name.toStdString() << ": " << titles[c].toStdString();
        }
        w->close();
    }
    // Factorials, Pentagonal, Square Root, and two each in the Fibonacci windows.
    EXPECT_EQ(tables, 7);
}

TEST(ColumnTitles, FactorialsKeepsItsColumnWidths)
{
    WindowRegistry registry;
    registerNumberToolsWindows(registry);
    test::FakeActivityHost host;
    std::unique_ptr<QDialog> w(registry.create(QStringLiteral("TfrmReferenceFindFactorials"), host));
    auto* table = w->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnWidth(0), 38);
    EXPECT_GE(table->columnWidth(1), 165); // the last column stretches to the table's edge
}
