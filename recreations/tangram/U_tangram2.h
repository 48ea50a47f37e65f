#pragma once
// The Tangram window: a board on which the student drags pieces from the
// tray onto the white silhouettes of a figure read from a figures file, and
// a panel of buttons to load a file and move between its figures. The rules
// live in tTangram; the widgets only pass events on and paint.
#include "recreations/tangram/U_TPiece2.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace tv::tangram {

// Asks the student for a figures file. `chosen` gets the path, or an empty
// text for Cancel; it may be called later, after the dialog closes, so no
// event loop of its own is needed.
class FigureFileChooser {
public:
    virtual ~FigureFileChooser() = default;
    virtual void choose(QWidget* parent, const QString& title, const QString& filter, const QString& folder,
                        std::function<void(const QString&)> chosen) = 0;
};

// The toolkit's open-file dialog, shown window-modal without blocking.
class DialogFigureFileChooser final : public FigureFileChooser {
public:
    void choose(QWidget* parent, const QString& title, const QString& filter, const QString& folder,
                std::function<void(const QString&)> chosen) override;
};

// "Name|*.a|Other|*.*" to the toolkit's "Name (*.a);;Other (*.*)".
QString toolkitFilter(const QString& barFilter);

// The board widget: paints what tTangram lists and passes it the mouse.
class tTangramView : public QWidget {
    Q_OBJECT
public:
    explicit tTangramView(QWidget* parent = nullptr);

    // Made at the widget's present size; before that the board is empty.
    void createBoard();
    tTangram* board() const { return board_.get(); }

    // Where a reaction's side effects go; tests record them.
    std::function<void(QPoint globalPos)> movePointer;
    std::function<void()> beep;
    std::function<void()> solved;

    // Passes a key code on; true when the board used it.
    bool keyDown(int keyCode);

    // Shown on the play area while no figures are loaded.
    static const QString EmptyHint;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void apply(const Reaction& r);

    std::unique_ptr<tTangram> board_;
};

class TfrmTangram : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTangram(QWidget* parent = nullptr);
    ~TfrmTangram() override;

    // Replaces the open-file dialog (not owned); tests answer it.
    void setFileChooser(FigureFileChooser* chooser) { chooser_ = chooser ? chooser : &dialogChooser_; }

    tTangramView* Board;
    QFrame* pnlButtons;
    QPushButton* btnLoad;
    QPushButton* btnNext;
    QPushButton* btnPrevious;
    QPushButton* btnRestart;
    QPushButton* btnExit;
    QLabel* imgDecoration;
    QLabel* lblStatus;

    static const QString StatusText;
    static const QString DialogTitle;
    static const QString DialogFilter;

public slots:
    void FormActivate();
    void btnLoadClick();
    void btnNextClick();
    void btnPreviousClick();
    void btnRestartClick();
    void btnExitClick();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadFile(const QString& path);
    void setCaption();

    DialogFigureFileChooser dialogChooser_;
    FigureFileChooser* chooser_;
    bool activated_ = false;
};

} // namespace tv::tangram
