#include "numbertools/unitTriangular.h"

#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <algorithm>

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

namespace {

// Rows of 1, 2, ..., Rows dots: the sixth triangular number.
class DotTriangle : public QWidget {
public:
    using QWidget::QWidget;
    static constexpr int Rows = 6;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(0xFF, 0xFA, 0xE6));
        p.setPen(QColor(0x80, 0x60, 0x20));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const qreal step = std::min(width(), height() - 24) / qreal(Rows + 1);
        const qreal radius = step * 0.32;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        for (int row = 0; row < Rows; ++row)
            for (int k = 0; k <= row; ++k) {
                const qreal x = width() / 2.0 + (k - row / 2.0) * step;
                const qreal y = step * (row + 1);
                p.drawEllipse(QPointF(x, y), radius, radius);
            }
        p.setPen(Qt::blue);
        p.setFont(pixelFont(QStringLiteral("Arial"), 12, true));
        p.drawText(QRect(0, height() - 24, width(), 20), Qt::AlignCenter,
                   QStringLiteral("1 + 2 + 3 + 4 + 5 + 6 = 21"));
    }
};

} // namespace

QString TfrmTriangular::lessonText()
{
    return QStringLiteral(
        "A triangular number is the number of dots that make a triangle: one dot on the first row, two on "
        "the second, three on the third, and so on. The picture shows the triangle of six rows, "
        "1 + 2 + 3 + 4 + 5 + 6 = 21 dots.\n"
        "\n"
        "There is a quick way to add 1 + 2 + ... + n. Write the sum forwards, then write it again "
        "backwards underneath, and add the two rows column by column.\n"
        "\n"
        "For n = 2:\n"
        "    1 + 2\n"
        "    2 + 1\n"
        "    3 + 3 = 2 times 3 = 6, so 1 + 2 is half of 6, which is 3.\n"
        "\n"
        "For n = 10:\n"
        "     1 +  2 +  3 + ... +  9 + 10\n"
        "    10 +  9 +  8 + ... +  2 +  1\n"
        "    11 + 11 + 11 + ... + 11 + 11 = 10 times 11 = 110,\n"
        "so 1 + 2 + ... + 10 is half of 110, which is 55.\n"
        "\n"
        "For n = 30 every column adds to 31 and there are 30 columns: 30 times 31 = 930, "
        "so 1 + 2 + ... + 30 = 930 / 2 = 465.\n"
        "\n"
        "In general every column adds to n + 1 and there are n columns, so the two rows together make "
        "n times (n + 1). Each row is half of that:\n"
        "\n"
        "    1 + 2 + 3 + ... + n = n(n + 1) / 2\n"
        "\n"
        "The sum of the first 1000 numbers is therefore 1000 times 1001 divided by 2, which is 500,500.");
}

TfrmTriangular::TfrmTriangular(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmTriangular"));
    setWindowTitle(QStringLiteral("frmTriangular"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Triangular Numbers"), pixelFont(QStringLiteral("Arial"), 32, true),
                        Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 640, 44));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Text, Qt::blue);
    Memo1->setPalette(p);
    Memo1->setPlainText(lessonText());
    Memo1->setGeometry(12, 62, 400, 380);

    Image1 = new DotTriangle(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(426, 62, 200, 200);

    btnExit = addExitButton(QRect(530, 408, 96, 34));

    fixSizeAndCentre(this, 640, 456);
}

void TfrmTriangular::FormActivate() { setBackground(this, toolPalette::ToolFormColor); }

} // namespace tv
