#include "numbertools/unitChinese.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmChinese::TfrmChinese(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmChinese"));
    setWindowTitle(QStringLiteral("frmChinese"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Not Ready Yet!"), pixelFont(QStringLiteral("Arial"), 32, true), Qt::red,
                        EffectLabel::Effect::Lowered, QRect(0, 10, 440, 44));

    const QFont text = pixelFont(QStringLiteral("Arial"), 15, true);
    auto makeEdit = [this](const QString& name, int x, int y) {
        auto* edit = new QLineEdit(name, this);
        edit->setObjectName(name);
        edit->setGeometry(x, y, 90, 24);
        return edit;
    };
    auto makeText = [this, &text](const QString& s, int x, int y, int w) {
        auto* label = new QLabel(s, this);
        label->setFont(text);
        label->setGeometry(x, y, w, 24);
    };
    makeText(QStringLiteral("x ="), 40, 72, 40);
    Edit1 = makeEdit(QStringLiteral("Edit1"), 84, 72);
    makeText(QStringLiteral("mod"), 184, 72, 40);
    Edit2 = makeEdit(QStringLiteral("Edit2"), 228, 72);
    makeText(QStringLiteral("x ="), 40, 108, 40);
    Edit3 = makeEdit(QStringLiteral("Edit3"), 84, 108);
    makeText(QStringLiteral("mod"), 184, 108, 40);
    Edit4 = makeEdit(QStringLiteral("Edit4"), 228, 108);

    Button1 = makeButton(QStringLiteral("Button1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 150, 90, 28);
    connect(Button1, &QPushButton::clicked, this, &TfrmChinese::Button1Click);

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(150, 154, 120, 20);

    btnExit = addExitButton(QRect(324, 200, 96, 34));

    fixSizeAndCentre(this, 440, 250);
}

void TfrmChinese::Button1Click()
{
    const std::int32_t r1 = strToInt(Edit1->text());
    const std::int32_t m1 = strToInt(Edit2->text());
    const std::int32_t r2 = strToInt(Edit3->text());
    const std::int32_t m2 = strToInt(Edit4->text());
    if (const auto x = chineseRemainderSearch(r1, m1, r2, m2))
        Label1->setText(QString::number(*x));
}

} // namespace tv
