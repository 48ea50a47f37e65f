#pragma once
// The legend of a graph control: one row per curve with its visibility check
// box, a swatch of its colour and its typed text.
#include <QListWidget>
#include <QPointer>

namespace tv {

class TEasyGraph;

class TEGLegendList : public QListWidget {
    Q_OBJECT
public:
    explicit TEGLegendList(QWidget* parent = nullptr);

    // Linking a control makes the list follow its curves.
    void setEasyGraph(TEasyGraph* graph);
    TEasyGraph* EasyGraph() const { return graph_; }
    bool CheckBoxes() const { return checkBoxes_; }
    void setCheckBoxes(bool on);
    int ItemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

    // The selected row, -1 when none.
    int ItemIndex() const;
    void setItemIndex(int row);

    // Where a row's check box is drawn (and takes clicks).
    QRect checkBoxRect(int row) const;
    // Brings the rows in line with the curves. With as many rows as before the
    // selection stays and clicked() is emitted again; otherwise none is selected.
    void rebuild();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<TEasyGraph> graph_;
    QMetaObject::Connection link_;
    bool checkBoxes_ = true;
    int itemHeight_ = 16;
};

} // namespace tv
