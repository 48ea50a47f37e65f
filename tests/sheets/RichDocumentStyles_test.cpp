// Style tables and the text rules of the sheet document, without a display.
#include "sheets/RichDocumentStyles.h"

#include <gtest/gtest.h>

using namespace tv;

namespace {

struct Expected {
    const char* name;
    const char* font;
    int size;
    bool bold, italic, underline, raised;
    QRgb color;
};

// The sheet table as the sheets rely on it, written out independently.
const Expected kSheet[] = {
    {"Normal text", "Arial", 12, false, false, false, false, 0x000000},
    {"Heading", "Arial", 16, true, false, false, false, 0x0000FF},
    {"Subheading", "Arial", 14, true, false, false, false, 0x000080},
    {"Keywords", "Arial", 12, false, true, false, false, 0x800000},
    {"Jump 1", "Arial", 12, false, false, true, false, 0x0000FF},
    {"Jump 2", "Arial", 12, true, false, true, false, 0x0000FF},
    {"BoldRedItalic", "Arial", 12, true, true, false, false, 0xFF0000},
    {"BoldRed", "Arial", 12, true, false, false, false, 0xFF0000},
    {"Red", "Arial", 12, false, false, false, false, 0xFF0000},
    {"BoldBlueItalic", "Arial", 12, true, true, false, false, 0x0000FF},
    {"BoldBlue", "Arial", 12, true, false, false, false, 0x0000FF},
    {"Blue", "Arial", 12, false, false, false, false, 0x0000FF},
    {"BoldNormal", "Arial", 12, true, false, false, false, 0x000000},
    {"SuperscriptBoldRed", "Arial", 10, true, false, false, true, 0xFF0000},
    {"NormalItalic", "Arial", 12, false, true, false, false, 0x000000},
    {"SuperscriptNormal", "Arial", 10, false, false, false, true, 0x000000},
    {"GreekBoldBlue", "Symbol", 14, true, false, false, false, 0x0000FF},
    {"GreekBoldRed", "Symbol", 14, true, false, false, false, 0xFF0000},
    {"GreekNormal", "Symbol", 14, false, false, false, false, 0x000000},
};

void expectStyle(const TextStyle& s, const Expected& e, int no)
{
    SCOPED_TRACE(no);
    EXPECT_EQ(s.name, QString::fromLatin1(e.name));
    EXPECT_EQ(s.fontName, QString::fromLatin1(e.font));
    EXPECT_EQ(s.sizePt, e.size);
    EXPECT_EQ(s.bold, e.bold);
    EXPECT_EQ(s.italic, e.italic);
    EXPECT_EQ(s.underline, e.underline);
    EXPECT_EQ(s.raised, e.raised);
    EXPECT_EQ(s.color.rgb() & 0xFFFFFF, e.color);
}

} // namespace

TEST(SheetStyleTable, HoldsTheNineteenTextStylesInOrder)
{
    const StyleTable t = StyleTable::sheet();
    ASSERT_EQ(t.text.size(), std::size(kSheet));
    for (int i = 0; i < static_cast<int>(t.text.size()); ++i)
        expectStyle(t.text[i], kSheet[i], i);
}

TEST(SheetStyleTable, OnlyTheJumpStylesAreLinksAndOnlyJumpOneChangesColourUnderThePointer)
{
    const StyleTable t = StyleTable::sheet();
    for (int i = 0; i < static_cast<int>(t.text.size()); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.text[i].link, i == 4 || i == 5);
        EXPECT_EQ(t.text[i].hoverColor.isValid(), i == 4);
        EXPECT_EQ(t.text[i].greek, i >= 16);
    }
    EXPECT_EQ(t.text[4].hoverColor, QColor(255, 0, 0));
}

TEST(SheetStyleTable, ShorterTablesOfTheTwoSheetsThatBringTheirOwn)
{
    const StyleTable order = StyleTable::orderOfOperations();
    ASSERT_EQ(order.text.size(), 13u);
    for (int i = 0; i < 13; ++i)
        expectStyle(order.text[i], kSheet[i], i);
    EXPECT_FALSE(order.hasTextStyle(13));
    EXPECT_TRUE(order.hasTextStyle(12));

    const StyleTable review = StyleTable::generalReview();
    ASSERT_EQ(review.text.size(), 15u);
    for (int i = 0; i < 14; ++i)
        expectStyle(review.text[i], kSheet[i], i);
    // Style 14 is a bold superscript here, italic on every other sheet.
    expectStyle(review.text[14], {"BoldNormal", "Arial", 10, true, false, false, true, 0x000000}, 14);
    EXPECT_TRUE(StyleTable::sheet().text[14].italic);
}

TEST(SheetStyleTable, FourParagraphStylesWithHangingIndents)
{
    const auto p = StyleTable::sheetParagraphs();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].name, QStringLiteral("Paragraph Style"));
    EXPECT_EQ(p[1].align, ParaStyle::Align::Centre);
    EXPECT_EQ(p[2].name, QStringLiteral("Indented Question"));
    EXPECT_EQ(p[2].align, ParaStyle::Align::Justify);
    EXPECT_EQ(p[2].firstLineIndent, -30);
    EXPECT_EQ(p[2].leftIndent, 30);
    EXPECT_EQ(p[3].name, QStringLiteral("AnswerIndent"));
    EXPECT_EQ(p[3].align, ParaStyle::Align::Left);
    EXPECT_EQ(p[3].firstLineIndent, -18);
    EXPECT_EQ(p[3].leftIndent, 48);
    for (const StyleTable& t : {StyleTable::sheet(), StyleTable::orderOfOperations(), StyleTable::generalReview()})
        EXPECT_EQ(t.paragraphs.size(), 4u);
}

TEST(SymbolLetters, ShowAsTheirGreekCharacters)
{
    EXPECT_EQ(symbolToGreek(QChar(u'p')), QChar(u'π'));
    EXPECT_EQ(symbolToGreek(QChar(u'a')), QChar(u'α'));
    EXPECT_EQ(symbolToGreek(QStringLiteral("abgdq")), QStringLiteral("αβγδθ"));
    EXPECT_EQ(symbolToGreek(QStringLiteral("PSW")), QStringLiteral("ΠΣΩ"));
    // Digits, blanks and signs keep their own shape.
    EXPECT_EQ(symbolToGreek(QStringLiteral("2p r = 6.28")), QStringLiteral("2π ρ = 6.28"));
    // Every letter maps to a different Greek character.
    QString all;
    for (char16_t c = u'a'; c <= u'z'; ++c)
        all += symbolToGreek(QChar(c));
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        all += symbolToGreek(QChar(c));
    for (int i = 0; i < all.size(); ++i) {
        EXPECT_GE(all[i].unicode(), 0x0391);
        EXPECT_LE(all[i].unicode(), 0x03D6);
        EXPECT_EQ(all.indexOf(all[i]), i) << "repeated " << i;
    }
}

TEST(WordDelimiters, AreTheBlankAndTheSheetPunctuation)
{
    for (QChar c : QStringLiteral(" .;,:(){}\"/\\"))
        EXPECT_TRUE(isWordDelimiter(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("aZ09+-=×÷'?!"))
        EXPECT_FALSE(isWordDelimiter(c)) << int(c.unicode());
    EXPECT_TRUE(isWordDelimiter(QChar::ObjectReplacementCharacter));
}

TEST(WordDelimiters, WordBoundsAroundAPosition)
{
    const QString t = QStringLiteral("(x+y)/2, then 3.5");
    using P = std::pair<int, int>;
    EXPECT_EQ(wordBoundsAt(t, 2), P(1, 4));  // "x+y": plus and minus do not split
    EXPECT_EQ(wordBoundsAt(t, 6), P(6, 7));  // "2"
    EXPECT_EQ(wordBoundsAt(t, 4), P(1, 4));  // just after "x+y" still means it
    EXPECT_EQ(wordBoundsAt(t, 9), P(9, 13)); // "then"
    EXPECT_EQ(wordBoundsAt(t, 16), P(16, 17)); // the period splits "3.5"
    EXPECT_EQ(wordBoundsAt(t, 17), P(16, 17)); // end of text
    EXPECT_EQ(wordBoundsAt(t, 0), P(0, 0));    // on "(" with nothing before
    EXPECT_EQ(wordBoundsAt(QString(), 0), P(0, 0));
    EXPECT_EQ(wordBoundsAt(t, 99), P(16, 17)); // clamped
}
