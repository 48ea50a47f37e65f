#pragma once
// The shared information box: one instance made at start-up and kept for the
// whole run. Every caller sets its caption, colours and message, so whatever
// the previous use left behind never shows.
#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QString>

class QFrame;
class QLabel;

namespace tv {
class NagButton;
}

namespace tv::lessons {

class TinfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit TinfoDialog(QWidget* parent = nullptr);

    QFrame* frame = nullptr;
    QLabel* lblDialog = nullptr;
    NagButton* OKBtn = nullptr;

    // The box's background and the OK button's face.
    void setColours(const QColor& background, const QColor& okFace);
    QColor background() const;
    QColor okFace() const;

public slots:
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// The instance made at start-up (null in a window built alone).
extern QPointer<TinfoDialog> infoDialog;

} // namespace tv::lessons
