#include "sheets/RichDocumentStyles.h"

namespace tv {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 0xFF);
const QColor kNavy(0, 0, 0x80);
const QColor kMaroon(0x80, 0, 0);
const QColor kRed(0xFF, 0, 0);

TextStyle style(const char* name, const char* font, int size, const QColor& color)
{
    TextStyle s;
    s.name = QString::fromLatin1(name);
    s.fontName = QString::fromLatin1(font);
    s.sizePt = size;
    s.color = color;
    return s;
}

TextStyle bold(TextStyle s) { s.bold = true; return s; }
TextStyle italic(TextStyle s) { s.italic = true; return s; }
TextStyle underlined(TextStyle s) { s.underline = true; return s; }
TextStyle raised(TextStyle s) { s.raised = true; return s; }
TextStyle greek(TextStyle s) { s.greek = true; return s; }
TextStyle link(TextStyle s, const QColor& hover = QColor())
{
    s.link = true;
    s.hoverColor = hover;
    return s;
}

} // namespace

std::vector<ParaStyle> StyleTable::sheetParagraphs()
{
    using A = ParaStyle::Align;
    return {
        {QStringLiteral("Paragraph Style"), A::Left, 0, 0},
        {QStringLiteral("Centered"), A::Centre, 0, 0},
        {QStringLiteral("Indented Question"), A::Justify, -30, 30},
        {QStringLiteral("AnswerIndent"), A::Left, -18, 48},
    };
}

StyleTable StyleTable::sheet()
{
    StyleTable t;
    t.text = {
        style("Normal text", "Arial", 12, kBlack),
        bold(style("Heading", "Arial", 16, kBlue)),
        bold(style("Subheading", "Arial", 14, kNavy)),
        italic(style("Keywords", "Arial", 12, kMaroon)),
        link(underlined(style("Jump 1", "Arial", 12, kBlue)), kRed),
        link(bold(underlined(style("Jump 2", "Arial", 12, kBlue)))),
        bold(italic(style("BoldRedItalic", "Arial", 12, kRed))),
        bold(style("BoldRed", "Arial", 12, kRed)),
        style("Red", "Arial", 12, kRed),
        bold(italic(style("BoldBlueItalic", "Arial", 12, kBlue))),
        bold(style("BoldBlue", "Arial", 12, kBlue)),
        style("Blue", "Arial", 12, kBlue),
        bold(style("BoldNormal", "Arial", 12, kBlack)),
        raised(bold(style("SuperscriptBoldRed", "Arial", 10, kRed))),
        italic(style("NormalItalic", "Arial", 12, kBlack)),
        raised(style("SuperscriptNormal", "Arial", 10, kBlack)),
        greek(bold(style("GreekBoldBlue", "Symbol", 14, kBlue))),
        greek(bold(style("GreekBoldRed", "Symbol", 14, kRed))),
        greek(style("GreekNormal", "Symbol", 14, kBlack)),
    };
    t.paragraphs = sheetParagraphs();
    return t;
}

StyleTable StyleTable::orderOfOperations()
{
    StyleTable t = sheet();
    t.text.resize(13);
    return t;
}

StyleTable StyleTable::generalReview()
{
    StyleTable t = sheet();
    t.text.resize(14);
    t.text.push_back(raised(bold(style("BoldNormal", "Arial", 10, kBlack))));
    return t;
}

QChar symbolToGreek(QChar c)
{
    // The Symbol font's letters: A-Z and a-z in its own order of Greek letters.
    static const char16_t upper[26] = {
        u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t lower[26] = {
        u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(upper[u - u'A']);
    if (u >= u'a' && u <= u'z')
        return QChar(lower[u - u'a']);
    return c;
}

QString symbolToGreek(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = symbolToGreek(c);
    return out;
}

bool isWordDelimiter(QChar c)
{
    switch (c.unicode()) {
    case u' ': case u'.': case u';': case u',': case u':': case u'(': case u')':
    case u'{': case u'}': case u'"': case u'/': case u'\\':
    case QChar::ObjectReplacementCharacter:
    case QChar::Nbsp: case QChar::LineSeparator: case QChar::ParagraphSeparator: case u'\t':
        return true;
    default:
        return false;
    }
}

std::pair<int, int> wordBoundsAt(const QString& text, int pos)
{
    const int n = static_cast<int>(text.size());
    pos = std::clamp(pos, 0, n);
    // A click just after a word's last letter still means that word.
    if ((pos == n || isWordDelimiter(text[pos])) && pos > 0 && !isWordDelimiter(text[pos - 1]))
        --pos;
    if (pos == n || isWordDelimiter(text[pos]))
        return {pos, pos};
    int begin = pos;
    while (begin > 0 && !isWordDelimiter(text[begin - 1]))
        --begin;
    int end = pos;
    while (end < n && !isWordDelimiter(text[end]))
        ++end;
    return {begin, end};
}

} // namespace tv
