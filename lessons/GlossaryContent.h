#pragma once
// The glossary of the Definitions window as one constant table: for each of
// the 77 terms, in index order, its index text, its section heading, the
// definition, an example in numbers, an optional counter-example and up to
// two illustrations. The window builds its document from this table alone.
//
// Texts are markup: "{s8:p}" is a run in style 8 (here a Greek letter given
// by its Symbol-font letter, "p" for pi), everything else is in the line's
// own style; "\n" starts a new line.
#include <span>
#include <vector>

#include <QString>

namespace tv::glossary {

// Text styles of the definitions document, by number.
enum Style : int {
    DefinitionText = 0,
    DocumentTitle = 1,
    TermHeading = 2,
    IndexEntry = 4,
    ExampleText = 6,
    GreekLetter = 8,  // Symbol 12 pt: "a" shows alpha, "p" shows pi
    SquaredSign = 9,  // the "²" after r in pi r squared
    Phrase = 10,      // italic
    GreekExample = 11 // Symbol bold red, inside examples
};

struct Entry {
    const char16_t* term;       // index text; also the anchor's name and the link's tag
    const char16_t* heading;    // nullptr: the heading repeats the term
    const char16_t* definition; // one sentence to remember (style 0)
    const char16_t* example;    // in numbers (style 6)
    const char16_t* note;       // nullptr, or a counter-example or one more fact (style 0)
    const char16_t* picture1;   // nullptr, or an illustration under kPictureFolder
    const char16_t* picture2;
};

inline constexpr int kTermCount = 77;
inline constexpr int kIllustrationCount = 24;
inline constexpr char16_t kPictureFolder[] = u":/lessons/glossary/";

// Every term, in index order.
std::span<const Entry> entries();

// The section heading of `e`.
QString heading(const Entry& e);
// The resource names of the entry's illustrations (zero, one or two).
std::vector<QString> illustrations(const Entry& e);

// One run of a line: its text and its style.
struct Run {
    QString text;
    int style;
    bool operator==(const Run&) const = default;
};
using Line = std::vector<Run>;

// Splits markup into lines of runs; plain text takes `baseStyle`. Throws
// tv::Error on a run that is not closed or names no style.
std::vector<Line> lines(const char16_t* markup, int baseStyle);

} // namespace tv::glossary
