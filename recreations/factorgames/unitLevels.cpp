#include "recreations/factorgames/unitLevels.h"

#include "recreations/drills/DrillWidgets.h"
#include "ui/Components.h"

#include <QLabel>
#include <QPushButton>

namespace tv::factors {

QPointer<TForm2> Form2;

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Maximum Factors"));
    setFixedSize(250, 250);
    drills::setBackground(this, QColor(0x67, 0xC6, 0xFE));

    Label1 = new QLabel(QStringLiteral("  Maximum Factors\n---------------------------\nEasy .................... 3\n"
                                       "Moderate .............5\nAverage ...............7\nHard ...................11\n"
                                       "Very Hard ..........17\nHighly Difficult ...23"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pointFont(QStringLiteral("Arial"), 10, true));
    drills::setTextColour(Label1, QColor(0x80, 0x00, 0x00));
    Label1->setGeometry(40, 16, 190, 170);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnDone = new QPushButton(QStringLiteral("Done"), this);
    btnDone->setObjectName(QStringLiteral("btnDone"));
    btnDone->setGeometry(85, 200, 80, 30);
    connect(btnDone, &QPushButton::clicked, this, &TForm2::btnDoneClick);
}

void TForm2::btnDoneClick() { accept(); }

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace tv::factors
