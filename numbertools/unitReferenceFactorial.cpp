#include "numbertools/unitReferenceFactorial.h"

#include "numbertools/Factorials.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace tv {

using namespace toolwindow;

TfrmReferenceFindFactorials::TfrmReferenceFindFactorials(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceFindFactorials"));
    setWindowTitle(QStringLiteral("Tallyvale   -   Factorials"));

    addTitle(QStringLiteral("Factorials"), pixelFont(QStringLiteral("Arial"), 32, true),
             Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 519, 44));

    ValueListEditor1 = new QTableWidget(0, 2, this);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setHorizontalHeaderLabels({QStringLiteral("Number"), QStringLiteral("Number Factorial")});
    ValueListEditor1->verticalHeader()->hide();
    ValueListEditor1->verticalHeader()->setDefaultSectionSize(19);
    ValueListEditor1->horizontalHeader()->setHighlightSections(false);
    ValueListEditor1->horizontalHeader()->setStretchLastSection(true);
    ValueListEditor1->setColumnWidth(0, 38);
    ValueListEditor1->setColumnWidth(1, 165);
    ValueListEditor1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ValueListEditor1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ValueListEditor1->setGeometry(155, 64, 209, 265);
    // "Number" is wider than its 38 px column in the table's own font.
    fitColumnTitles(ValueListEditor1->horizontalHeader(), pixelFont(QStringLiteral("Arial Narrow"), 12));

    // This window's Exit keeps its own colours rather than the palette's.
    btnExit = addExitButton(QRect(395, 296, 96, 34));
    btnExit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 19, true));
    setButtonColors(btnExit, QColor(0xFA, 0xDF, 0xA0), Qt::red);

    fixSizeAndCentre(this, 519, 375);
}

void TfrmReferenceFindFactorials::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    for (const FactorialRow& row : factorialTable()) {
        const int r = ValueListEditor1->rowCount();
        ValueListEditor1->insertRow(r);
        auto* key = new QTableWidgetItem(QString::number(row.n));
        key->setBackground(palette().color(QPalette::Button));
        ValueListEditor1->setItem(r, 0, key);
        ValueListEditor1->setItem(r, 1, new QTableWidgetItem(QString::number(row.value)));
    }
}

} // namespace tv
