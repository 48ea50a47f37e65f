#include "numbertools/unitReferenceDayofWeek.h"

#include "numbertools/DayOfWeek.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmReferenceDayOfWeek::TfrmReferenceDayOfWeek(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceDayOfWeek"));
    setWindowTitle(QStringLiteral("Tallyvale Date Calculator") + CaptionNotice);

    addTitle(QStringLiteral("Tallyvale, Day of the Week"), pixelFont(QStringLiteral("Arial"), 29, true),
             QColor(0x01, 0x46, 0xFE), EffectLabel::Effect::Shadow, QRect(15, 8, 490, 40),
             Qt::AlignLeft | Qt::AlignVCenter);

    auto* instruction = new QLabel(
        QStringLiteral("Enter a year, month and day and click the \"Find day of Week' button to find out what day "
                       "of the week this date falls on. Use it to find out what day of the week you were born on "
                       "or what date any event happened on."),
        this);
    instruction->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    instruction->setStyleSheet(QStringLiteral("color: #FF0080"));
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instruction->setGeometry(15, 52, 490, 70);

    const QFont promptFont = pixelFont(QStringLiteral("MS Sans Serif"), 13, true);
    auto addRow = [&](const QString& prompt, const QString& name, const QString& initial, int y) {
        addPrompt(prompt, promptFont, QRect(15, y + 2, 120, 20));
        auto* edit = new QLineEdit(initial, this);
        edit->setObjectName(name);
        edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
        edit->setGeometry(140, y, 70, 24);
        return edit;
    };
    lblYear = addRow(QStringLiteral("Year (4 Digits):"), QStringLiteral("lblYear"), QStringLiteral("2000"), 128);
    lblMonth = addRow(QStringLiteral("Month:"), QStringLiteral("lblMonth"), QStringLiteral("1"), 158);
    lblDay = addRow(QStringLiteral("Day of Month:"), QStringLiteral("lblDay"), QStringLiteral("1"), 188);

    btnDayOfWeek = makeButton(QStringLiteral("Find Day Of Week"), this);
    btnDayOfWeek->setObjectName(QStringLiteral("btnDayOfWeek"));
    btnDayOfWeek->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    btnDayOfWeek->setGeometry(260, 130, 150, 30);
    connect(btnDayOfWeek, &QPushButton::clicked, this, &TfrmReferenceDayOfWeek::btnDayOfWeekClick);

    btnExit = addExitButton(QRect(260, 176, 150, 32));

    NAGLabel1 = new QLabel(this);
    NAGLabel1->setObjectName(QStringLiteral("NAGLabel1"));
    NAGLabel1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 32, true));
    NAGLabel1->setStyleSheet(QStringLiteral("color: red"));
    NAGLabel1->setGeometry(15, 232, 490, 44);

    fixSizeAndCentre(this, 519, 299);
}

void TfrmReferenceDayOfWeek::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    setButtonColors(btnDayOfWeek, toolPalette::ToolButtonColor, palette().color(QPalette::ButtonText));
    applyExitColors(btnExit);
}

void TfrmReferenceDayOfWeek::btnDayOfWeekClick()
{
    NAGLabel1->setText(dayOfWeekAnswer(lblYear->text(), lblMonth->text(), lblDay->text()));
}

} // namespace tv
