#include "recreations/drills/DrillWidgets.h"

#include "ui/Components.h"

#include <QIcon>
#include <QPainter>
#include <QStringList>

static void initDrillsQrc() { Q_INIT_RESOURCE(drills); }

namespace tv::drills {

namespace {

void initResources()
{
    static const bool done = (initDrillsQrc(), true);
    (void)done;
}

QPixmap picture(const QString& name, int w, int h)
{
    initResources();
    return QIcon(QStringLiteral(":/drills/") + name).pixmap(w, h);
}

QLabel* pictureLabel(QWidget* parent, const QString& objectName, const QString& file)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(picture(file, 72, 72));
    label->setFixedSize(72, 72);
    label->hide();
    return label;
}

const QColor MeterFill(0xFF, 0xFF, 0x80);
const QColor MeterGround(0xC6, 0x63, 0x00);
const int MeterTop = 8;

} // namespace

const QStringList& meterLabels()
{
    static const QStringList labels{QStringLiteral("Genius"),  QStringLiteral("Pro"),
                                    QStringLiteral("Not bad!"), QStringLiteral("Amateur"),
                                    QStringLiteral("Wake Up"), QStringLiteral("Are You Alive?")};
    return labels;
}

ScoreMeter::ScoreMeter(int maximum, int start, QWidget* parent) : QWidget(parent), value_(maximum, start)
{
    setObjectName(QStringLiteral("ScoreMeter"));
    setFixedSize(BarWidth + 100, BarHeight + 2 * MeterTop);
}

void ScoreMeter::setValue(int value)
{
    if (value_.set(value))
        update();
}

void ScoreMeter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect bar(0, MeterTop, BarWidth, BarHeight);
    p.fillRect(bar, MeterGround);
    const int filled = value_.maximum() > 0
        ? static_cast<int>(static_cast<long long>(BarHeight) * value_.value() / value_.maximum())
        : 0;
    p.fillRect(QRect(0, MeterTop + BarHeight - filled, BarWidth, filled), MeterFill);
    p.setPen(QColor(0x60, 0x30, 0x00));
    p.drawRect(bar.adjusted(0, 0, -1, -1));

    p.setFont(pointFont(QStringLiteral("Arial"), 8, true));
    p.setPen(QColor(0x80, 0x00, 0x00));
    const QStringList& labels = meterLabels();
    const int step = BarHeight / static_cast<int>(labels.size() - 1);
    for (int i = 0; i < labels.size(); ++i) {
        const int y = MeterTop + i * step;
        p.drawLine(BarWidth, y, BarWidth + 4, y);
        p.drawText(QRect(BarWidth + 7, y - 8, width() - BarWidth - 7, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   labels[i]);
    }
}

RaisedTitle::RaisedTitle(const QString& text, const QFont& font, const QColor& colour, QWidget* parent)
    : QWidget(parent), text_(text), colour_(colour)
{
    setFont(font);
    const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft, text_);
    setFixedSize(r.width() + 6, r.height() + 4);
}

void RaisedTitle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QRect r = rect().adjusted(2, 1, -2, -1);
    auto draw = [&](int dx, int dy, const QColor& c) {
        p.setPen(c);
        p.drawText(r.translated(dx, dy), Qt::AlignLeft | Qt::AlignTop, text_);
    };
    draw(-1, -1, Qt::white);
    draw(2, 2, QColor(0x60, 0x60, 0x60));
    draw(0, 0, colour_);
}

QLabel* numberPanel(QWidget* parent, const QString& name, const QColor& face, const QColor& text, int pixelSize)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    setBackground(panel, face);
    setTextColour(panel, text);
    panel->setFont(pixelFont(QStringLiteral("Arial"), pixelSize, true));
    return panel;
}

void setBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    w->setPalette(pal);
}

QLabel* rightPicture(QWidget* parent) { return pictureLabel(parent, QStringLiteral("imgRight"), QStringLiteral("right.svg")); }
QLabel* wrongPicture(QWidget* parent) { return pictureLabel(parent, QStringLiteral("imgWrong"), QStringLiteral("wrong.svg")); }
QPixmap magicFactorsPicture() { return picture(QStringLiteral("magicgrid.svg"), 132, 112); }

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int pt)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(pointFont(QStringLiteral("Arial"), pt, true));
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace tv::drills
