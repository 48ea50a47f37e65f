#pragma once
// Style tables of the sheet documents and the small text rules the view
// follows (Greek letters, word delimiters). Plain data and functions: no
// widgets, so they are tested without a display.
#include <algorithm>
#include <utility>
#include <vector>

#include <QColor>
#include <QString>

namespace tv {

// Paragraph mode of an append: continue the current paragraph on the same
// line, or start a new paragraph in paragraph style 0 to 3.
constexpr int kContinueParagraph = -1;

// One numbered text style. Sizes are points.
struct TextStyle {
    QString name;
    QString fontName = QStringLiteral("Arial");
    int sizePt = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = QColor(0, 0, 0);
    // A link style: runs in it are link runs, numbered and clickable.
    bool link = false;
    // Colour while the pointer is over a link run; invalid means none.
    QColor hoverColor;
    // Shifted up by 60 % of its height, at the same size.
    bool raised = false;
    // Plain letters shown as the Greek letters the Symbol font maps them to.
    bool greek = false;
};

// One numbered paragraph style. Indents are pixels at 96 dpi.
struct ParaStyle {
    enum class Align { Left, Centre, Justify };
    QString name;
    Align align = Align::Left;
    int firstLineIndent = 0;
    int leftIndent = 0;
};

struct StyleTable {
    std::vector<TextStyle> text;
    std::vector<ParaStyle> paragraphs;

    bool hasTextStyle(int no) const { return no >= 0 && no < static_cast<int>(text.size()); }
    bool hasParaStyle(int no) const { return no >= 0 && no < static_cast<int>(paragraphs.size()); }

    // The sheet base window's table: 19 text styles and the four paragraph styles.
    static StyleTable sheet();
    // The order-of-operations sheet: text styles 0 to 12 of the sheet table.
    static StyleTable orderOfOperations();
    // The first general review sheet: 0 to 13 of the sheet table plus a bold
    // raised "BoldNormal" as style 14.
    static StyleTable generalReview();
    // The four paragraph styles every sheet shares.
    static std::vector<ParaStyle> sheetParagraphs();
};

// The Greek character the Symbol font shows for `c` ("p" -> π, "a" -> α);
// characters without a Greek counterpart come back unchanged.
QChar symbolToGreek(QChar c);
QString symbolToGreek(const QString& text);

// The blank and . ; , : ( ) { } " / \ separate words; so does an embedded
// object (a control or a rule).
bool isWordDelimiter(QChar c);
// The word of `text` around position `pos` as [begin, end); empty (begin ==
// end) when `pos` is on a delimiter with no word before it.
std::pair<int, int> wordBoundsAt(const QString& text, int pos);

} // namespace tv
