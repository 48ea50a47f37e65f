#pragma once
// A tab control whose tabs have a fixed width and height, wrap into several
// rows when they do not fit, and are owner-drawn: every tab is filled with one
// colour, its caption centred by the fixed width, and a dotted focus
// rectangle drawn around it. The row of the selected tab sits next to the page.
#include <QColor>
#include <QStringList>
#include <QWidget>

class QStackedWidget;

namespace tv {

class PageControl : public QWidget {
    Q_OBJECT
public:
    PageControl(int tabWidth, int tabHeight, QWidget* parent = nullptr);

    // Owner drawing: fill colour and caption colour; the caption is drawn
    // bold in the control's font.
    void setTabColors(const QColor& fill, const QColor& caption);

    int addPage(QWidget* page, const QString& caption);
    int count() const { return captions_.size(); }
    QWidget* page(int index) const;
    QString tabCaption(int index) const { return captions_.value(index); }
    int currentIndex() const { return current_; }
    QString currentCaption() const { return tabCaption(current_); }
    void setCurrentIndex(int index);

    // Geometry of a tab in this widget's coordinates, after layout.
    QRect tabRect(int index) const;
    int tabRowCount() const;
    int tabWidth() const { return tabWidth_; }

    // The x offset of the caption inside its tab: half the fixed width less
    // half the caption width, rounded to the nearest integer, halves to even.
    static int captionOffset(int tabWidth, int captionWidth);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int tabsPerRow() const;
    void layoutPages();

    int tabWidth_, tabHeight_;
    QColor fill_{0xC0, 0xC0, 0xC0};
    QColor captionColor_{Qt::black};
    QStringList captions_;
    QStackedWidget* stack_;
    int current_ = -1;
};

} // namespace tv
