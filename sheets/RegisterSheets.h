#pragma once
// The sheet windows: each with its class name, its content table and how to
// make it. Registration and the content check both walk this one list.
#include <vector>

#include <QString>

class QDialog;

namespace tv {

class ActivityHost;
class WindowRegistry;
namespace sheet {
struct SheetContent;
}

struct SheetListing {
    QString className;
    const sheet::SheetContent* content = nullptr;
    QDialog* (*make)(ActivityHost& host) = nullptr;
};

// Every sheet built from a content table, in catalogue order.
const std::vector<SheetListing>& sheetListings();

// Adds this folder's activity windows to the registry; called once at start-up.
void registerSheetsWindows(WindowRegistry& registry);

} // namespace tv
