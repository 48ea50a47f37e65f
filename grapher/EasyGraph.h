#pragma once
// The graph control: curves y = f(x) typed as text, drawn into an off-screen
// picture that is redrawn only when something changed, zoomed, panned and
// read with the mouse.
#include "grapher/ExprParser.h"
#include "grapher/GraphGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace tv {

class TSeries;
class TEGHintForm;

// One curve.
class TPoints {
public:
    QColor Color() const { return FColor; }
    void setColor(const QColor& colour);
    // As the user typed it; shown in the legend and the hint.
    QString Text() const { return FText; }
    // Also sets the compile text.
    void setText(const QString& text);
    // What the parser compiles: the text without blanks and stray characters.
    QString CompileText() const { return FCompileText; }
    bool Visible() const { return FVisible; }
    void setVisible(bool visible);
    // 0 = line, 1 = dots.
    int Style() const { return FStyle; }
    void setStyle(int style);

private:
    friend class TSeries;
    explicit TPoints(TSeries* owner) : owner_(owner) {}
    void changed();

    TSeries* owner_;
    QColor FColor{0xFF, 0x00, 0x00};
    QString FText;
    QString FCompileText;
    bool FVisible = true;
    int FStyle = 0;
};

// The curves in order. Every add, delete or curve change calls onChange.
class TSeries {
public:
    TSeries() = default;
    TSeries(const TSeries&) = delete;
    TSeries& operator=(const TSeries&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Throws tv::Error for an index out of range.
    TPoints* Items(int index) const;
    TPoints* Add();
    void Delete(int index);

    std::function<void()> onChange;

private:
    friend class TPoints;
    void changed();
    void checkIndex(int index) const;

    std::vector<std::unique_ptr<TPoints>> items_;
};

// Everything a redraw reads besides the view and the curves.
struct TGraphSettings {
    long double AspectRatio = 1;
    bool MaintainRatio = false;
    TBorderStyle BorderStyle = bstLowered;
    TBorderStyle GraphBorder = bstNone;
    QColor ColorBg{0xFF, 0xFF, 0xFF};
    QColor ColorBg2{0xFF, 0xFF, 0xFF};
    QColor ColorAxis{0x00, 0x00, 0x00};
    QColor ColorGrid{0x80, 0x80, 0x80};
    QColor ColorBorder{0x00, 0x00, 0x00};
    QColor ColorNumb{0x00, 0x00, 0x00};
    TGridStyle GridStyle = gsFull;
    bool NumbHoriz = true;
    bool NumbVert = true;
    TMouseAction MouseZoom = maRight;
    TMouseAction MousePan = maRight;
    TMouseAction MouseFuncHint = maShift;
    int ZoomTime = 200;
    TBgStyle BgStyle = bgsSolid;
    QImage BgImage;

    // The two tones of a bevel, the labels' font and colour, and the decimal
    // point of the labels and hint numbers (the user's locale's at first).
    QColor BevelHighlight{0xFF, 0xFF, 0xFF};
    QColor BevelShadow{0x80, 0x80, 0x80};
    QFont LabelFont;
    QColor LabelColor{0x00, 0x00, 0x00};
    QChar DecimalPoint{'.'};

    TGraphSettings();
};

// Where the plot area and label strips lie for a control of `width` x `height`
// drawn on `device` (the label font is measured there).
TGraphLayout graphLayoutFor(const TGraphSettings& settings, int width, int height, const QPaintDevice* device);

// Paints the whole graph into `painter` (any paint device) at `width` x
// `height`: background, borders, grid, labels and the visible curves.
// `view` is normalised to the plot area in place.
void renderGraph(QPainter& painter, int width, int height, const TGraphSettings& settings, TGraphView& view,
                 const TSeries& curves, TExprParser& parser);

class TEasyGraph : public QWidget {
    Q_OBJECT
public:
    explicit TEasyGraph(QWidget* parent = nullptr);
    ~TEasyGraph() override;

    TSeries& Series() { return series_; }
    const TSeries& Series() const { return series_; }

    const TGraphSettings& settings() const { return settings_; }
    void setSettings(const TGraphSettings& settings);

    // Ignored when a range is empty; reversed bounds are put in order.
    void setView(long double xmin, long double xmax, long double ymin, long double ymax);
    const TGraphView& view() const { return view_; }

    TGraphLayout layout() const;

    // Draws the off-screen picture now if it needs it, and returns it.
    const QImage& picture();
    qint64 lastRedrawMs() const { return lastRedrawMs_; }
    int redrawCount() const { return redrawCount_; }

    bool animating() const { return animation_.running(); }
    // Milliseconds from any fixed start; tests fix it.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    TGraphMouse::State mouseState() const { return mouse_.state(); }
    // The rubber band's rectangle, empty when there is none.
    QRect rubberBand() const { return band_; }
    TEGHintForm* hintForm() const { return hint_; }

signals:
    // The view or the curves changed.
    void OnChange();
    // A curve was added, deleted or changed.
    void seriesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void curvesChanged();
    void redraw();
    bool pictureIsStale() const;
    void handle(const TMouseResult& result);
    void zoomTo(TGraphView target, bool onlyIfSmaller);
    void animationFrame();
    void showHint(int x, int y);
    void hideHint();
    void changeView(const TGraphView& view);

    TSeries series_;
    TGraphSettings settings_;
    TGraphView view_;
    TExprParser parser_;
    QImage bitmap_;
    bool needsRedraw_ = true;
    int bitmapDepth_ = 0;
    qint64 lastRedrawMs_ = 0;
    int redrawCount_ = 0;

    TGraphMouse mouse_;
    QRect band_;
    TEGHintForm* hint_ = nullptr;

    // The zoom animation runs on this user-interface timer: each tick sets
    // the next frame's view and repaints at once.
    TZoomAnimation animation_;
    QTimer animationTimer_;
    qint64 lastFrameAt_ = 0;
    std::function<qint64()> clock_;
};

} // namespace tv
