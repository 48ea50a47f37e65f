#pragma once
// The activity catalogue as data: which caption stands on which tab and
// sub-tab, which handler it is bound to, which window class it opens, and the
// record name written around the visit (empty for most).
#include <vector>

#include <QString>
#include <QStringList>

namespace tv {

struct CatalogueEntry {
    QString tab;
    QString subTab;      // empty on tabs without sub-tabs
    QString caption;
    QString handler;     // several captions may share one handler
    QString windowClass; // what the handler opens
    QString recordName;  // "Entered"/"Exited" name, or empty
    QString group;       // bold heading the caption stands under, or empty
};

struct CatalogueTab {
    QString caption;
    QStringList subTabs;  // empty: the entries stand on the tab's own page
    QStringList headings; // bold headings on the page itself, in order
    int subTabWidth = 0;  // fixed sub-tab width in pixels
    bool subTabsOwnerDrawn = false;
};

// The ten main tabs in tab order.
const std::vector<CatalogueTab>& catalogueTabs();
// Every entry, tab by tab in tab order.
const std::vector<CatalogueEntry>& catalogue();

} // namespace tv
