#include "app/unitStudentDataEntry.h"

#include "app/Decoration.h"
#include "ui/Components.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tv {

namespace {

// Width left for the text in a line edit once its frame, its inner margins
// and the caret are taken off.
int lineEditTextRoom(const QLineEdit& box, const QFont& font)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.fontMetrics = QFontMetrics(font);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    // QLineEdit keeps 2 px free on either side of the text; the caret after
    // the last digit takes one more.
    return contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

// Seven digits in the 47 px box: a narrow face, made smaller still should it
// be missing here, so the first digit is never scrolled out of sight.
void fitIdFont(QLineEdit* box)
{
    QFont font(QStringLiteral("Arial Narrow"));
    int pixels = 13;
    font.setPixelSize(pixels);
    while (pixels > 7
           && QFontMetrics(font).horizontalAdvance(QStringLiteral("8888888")) > lineEditTextRoom(*box, font))
        font.setPixelSize(--pixels);
    box->setFont(font);
}

} // namespace

const QString TfrmStudentDataEntry::incompleteMessage =
    QStringLiteral("Please Enter ALL information correctly");

TfrmStudentDataEntry::TfrmStudentDataEntry(QWidget* parent, StudentIdentity& identity,
                                           std::function<void(const QString&)> showStatus)
    : QDialog(parent), identity_(identity), showStatus_(std::move(showStatus))
{
    setObjectName(QStringLiteral("frmStudentDataEntry"));
    setWindowTitle(QStringLiteral("Tallyvale - please tell us who you are"));
    setFixedSize(426, 221);
    setModal(true);

    auto* title = new EffectLabel(QStringLiteral("Tallyvale"),
                                  pixelFont(QStringLiteral("Comic Sans MS"), 24, true),
                                  QColor(0x00, 0x98, 0xB3), EffectLabel::Effect::Lowered, this);
    title->move((width() - title->width()) / 2, 8);
    auto* subtitle = new EffectLabel(QStringLiteral("Student Data Entry"),
                                     pixelFont(QStringLiteral("Arial"), 24, true), Qt::blue,
                                     EffectLabel::Effect::Lowered, this);
    subtitle->move((width() - subtitle->width()) / 2, 40);

    auto caption = [this](const QString& text, const QFont& font, int y) {
        auto* l = new QLabel(text, this);
        l->setFont(font);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        l->setPalette(p);
        l->adjustSize();
        l->move(200 - l->width(), y);
        return l;
    };
    const QFont arial19 = pixelFont(QStringLiteral("Arial"), 19, true);
    caption(QStringLiteral("First Name "), arial19, 84);
    caption(QStringLiteral("Last Name "), arial19, 114);
    caption(QStringLiteral("ID Number"), pixelFont(QStringLiteral("MS Serif"), 19, true), 144);

    lblEditFirstName = new QLineEdit(this);
    lblEditFirstName->setObjectName(QStringLiteral("lblEditFirstName"));
    lblEditFirstName->setGeometry(206, 84, 121, 23);
    lblEditLastName = new QLineEdit(this);
    lblEditLastName->setObjectName(QStringLiteral("lblEditLastName"));
    lblEditLastName->setGeometry(206, 114, 121, 23);
    lblEditID = new MaskEdit(QStringLiteral("0000000;_"), this);
    lblEditID->setObjectName(QStringLiteral("lblEditID"));
    lblEditID->setMaxLength(7);
    lblEditID->setGeometry(206, 144, 47, 23);
    fitIdFont(lblEditID);

    btnSubmit = new NagButton(QStringLiteral("Submit"), Qt::red, Qt::yellow, this);
    btnSubmit->setObjectName(QStringLiteral("btnSubmit"));
    btnSubmit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    btnSubmit->setGeometry(172, 180, 82, 30);
    btnSubmit->setAutoDefault(true);
    connect(btnSubmit, &QPushButton::clicked, this, &TfrmStudentDataEntry::btnSubmitClick);

    // Tab visits the names, then "Submit", then the ID.
    setTabOrder(lblEditFirstName, lblEditLastName);
    setTabOrder(lblEditLastName, btnSubmit);
    setTabOrder(btnSubmit, lblEditID);

    for (QWidget* w : {static_cast<QWidget*>(lblEditFirstName), static_cast<QWidget*>(lblEditLastName),
                       static_cast<QWidget*>(lblEditID)})
        w->installEventFilter(this);

    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF5, 0xEA, 0xD3));
    setPalette(p);
}

void TfrmStudentDataEntry::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF5, 0xEA, 0xD3));
    painter.fillRect(rect(), QBrush(decoration::logOnTile()));
}

void TfrmStudentDataEntry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    FormActivate();
}

void TfrmStudentDataEntry::FormActivate()
{
    lblEditFirstName->clear();
    lblEditLastName->clear();
    lblEditID->clear();
    lblEditFirstName->setFocus();
}

bool TfrmStudentDataEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter walks first name -> last name -> ID -> "Submit".
            if (watched == lblEditFirstName)
                lblEditLastName->setFocus();
            else if (watched == lblEditLastName)
                lblEditID->setFocus();
            else if (watched == lblEditID)
                btnSubmit->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmStudentDataEntry::btnSubmitClick()
{
    // Only emptiness counts: blanks are content, names are taken as typed.
    if (lblEditFirstName->text().isEmpty() || lblEditLastName->text().isEmpty()
        || lblEditID->value().isEmpty()) {
        showStatus_(incompleteMessage);
        return;
    }
    identity_.firstName = lblEditFirstName->text();
    identity_.lastName = lblEditLastName->text();
    identity_.studentID = lblEditID->value();
    identity_.loggedOn = true;
    accept();
}

} // namespace tv
