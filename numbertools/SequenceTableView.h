#pragma once
// A two-column key/value table with column titles, as the sequence windows
// show them. Rows are produced on demand, only those on screen, so a table
// of two thousand million rows opens and scrolls as fast as one of ten.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace tv {

class SequenceTableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Key and value texts of one row (0-based).
    using RowSource = std::function<std::pair<QString, QString>(std::int64_t row)>;

    SequenceTableView(const QString& keyTitle, const QString& valueTitle, QWidget* parent = nullptr);

    void setColumnWidths(int keyWidth, int valueWidth);
    int keyColumnWidth() const { return keyWidth_; }
    int valueColumnWidth() const { return valueWidth_; }
    QString keyTitle() const { return keyTitle_; }
    QString valueTitle() const { return valueTitle_; }
    // Cell background and text colour (the font is the widget's own).
    void setCellColors(const QColor& background, const QColor& text);
    QColor cellBackground() const { return cellBackground_; }
    QColor cellText() const { return cellText_; }

    // Replaces every row by `count` rows read from `source` when shown.
    void setRowSource(std::int64_t count, RowSource source);
    // Adds one stored row at the end (tables of a few rows filled step by step).
    void appendRow(const QString& key, const QString& value);
    void clearRows();

    std::int64_t rowCount() const;
    QString keyAt(std::int64_t row) const;
    QString valueAt(std::int64_t row) const;

    // The first row on screen and the selected row (-1 when none).
    // Where a column's title is drawn (0 the key, 1 the value) and the font
    // it is drawn in: the view's own, made smaller when a title would not fit
    // its column whole.
    QRect titleRect(int column) const;
    QFont titleFont() const;

    std::int64_t topRow() const;
    std::int64_t currentRow() const { return current_; }
    void setCurrentRow(std::int64_t row);
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::pair<QString, QString> row(std::int64_t index) const;
    int visibleRows() const;
    void updateScrollRange();

    QString keyTitle_, valueTitle_;
    int keyWidth_ = 64, valueWidth_ = 160;
    QColor cellBackground_ = Qt::white, cellText_ = Qt::black;
    std::int64_t count_ = 0;
    RowSource source_;
    std::vector<std::pair<QString, QString>> stored_;
    std::int64_t current_ = -1;
};

} // namespace tv
