// The figures and pieces files: what a good pair gives, what every kind of
// broken file says, that a failed load leaves the board exactly as it was,
// and a bounded random-mutation run of both loaders.
#include "tests/recreations/tangram/TangramTestData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <random>

using namespace tv::tangram;
using namespace tv::tangram::test;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A small good pair to break one thing at a time: one triangle, one figure.
const QByteArray kPieces = "Test pieces\n1\nA\n3 3 0 0\n3\n0 0\n4 0\n0 4\n";
const QByteArray kFigures = "Test figures\nset.txt\n1\nOne\n1 0 5 5 0 0\n";

// Everything a load could change, to compare before and after.
struct BoardState {
    std::vector<std::vector<QPoint>> pieces, homes, targets;
    std::vector<std::uint32_t> colours;
    int figures, current, selected, placed;
    QString path;

    explicit BoardState(const tTangram& b)
        : figures(b.figureCount()), current(b.CurrentFigure()), selected(b.Selected()), placed(b.PlacedCount()),
          path(b.figuresPath())
    {
        auto shapes = [](const std::vector<tpiece>& list) {
            std::vector<std::vector<QPoint>> out;
            for (const tpiece& p : list)
                out.emplace_back(p.screenVertices().begin(), p.screenVertices().end());
            return out;
        };
        pieces = shapes(b.pieces());
        homes = shapes(b.homePieces());
        targets = shapes(b.targets());
        for (const tpiece& p : b.pieces())
            colours.push_back(p.colour);
    }
    bool operator==(const BoardState&) const = default;
};

} // namespace

TEST(TangramFiles, ANewFileReplacesEverythingAndLineEndsDoNotMatter)
{
    tTangram b(BoardWidth, BoardHeight);
    b.LoadFigures(dataPath("classic.tan"));
    b.SelectFigure(3);
    b.LoadFigures(dataPath("odd.tan"));
    EXPECT_EQ(b.pieceCount(), 3);
    EXPECT_EQ(b.figureCount(), 2);
    EXPECT_EQ(b.CurrentFigure(), 0);
    EXPECT_TRUE(b.targets().empty());
    QByteArray crlf = kPieces;
    crlf.replace("\n", "  \r\n");
    EXPECT_EQ(parsePiecesText(crlf, QStringLiteral("set.txt"), b.geometry()).pieces[0].screen[1],
              parsePiecesText(kPieces, QStringLiteral("set.txt"), b.geometry()).pieces[0].screen[1]);
}

TEST(TangramFiles, BrokenFilesSayWhatIsWrongAndLeaveTheBoardAsItWas)
{
    struct Row {
        const char* what;
        std::optional<QByteArray> figures; // nothing: the file is missing
        std::optional<QByteArray> pieces;
        const char* message;
    };
    QByteArray big(MaxFileBytes + 10, ' ');
    big.prepend(kFigures);
    const Row rows[] = {
            {"figures file missing", std::nullopt, kPieces, "The figures file \"set.tan\" could not be found."},
            {"pieces file missing", kFigures, std::nullopt,
             "The pieces file \"set.txt\" named in \"set.tan\" could not be found."},
            {"empty figures file", QByteArray(), kPieces, "Line 2 of the figures file \"set.tan\" does not name a pieces file."},
            {"no pieces name", "Title\n   \n1\n", kPieces, "Line 2 of the figures file \"set.tan\" does not name a pieces file."},
            {"pieces cut short", kFigures, "T\n1\nA\n3 3 0 0\n3\n0 0\n4 0\n",
             "The pieces file \"set.txt\" ends too soon: a number was expected on line 8."},
            {"empty pieces file", kFigures, "", "The pieces file \"set.txt\" ends too soon: a number was expected on line 1."},
            {"a word for the count", kFigures, "T\nseven\n",
             "Line 2 of the pieces file \"set.txt\" holds \"seven\" where a whole number should be."},
            {"digits and letters", kFigures, "T\n1\nA\n3 3x 0 0\n",
             "Line 4 of the pieces file \"set.txt\" holds \"3x\" where a whole number should be."},
            {"binary junk", kFigures, QByteArray("T\n\x01\xff\x80\n", 6),
             "Line 2 of the pieces file \"set.txt\" holds \"???\" where a whole number should be."},
            {"negative piece count", kFigures, "T\n-3\n",
             "Line 2 of the pieces file \"set.txt\" gives -3 pieces, but a set holds 1 to 64 pieces."},
            {"a million pieces", kFigures, "T\n1000000\n",
             "Line 2 of the pieces file \"set.txt\" gives 1000000 pieces, but a set holds 1 to 64 pieces."},
            {"five corners", kFigures, "T\n1\nA\n3 3 0 0\n5\n0 0\n4 0\n4 4\n2 6\n0 4\n",
             "Line 5 of the pieces file \"set.txt\" says piece 1 (A) has 5 corners, but a piece has 3 or 4."},
            {"a name with a place-holder", kFigures, "T\n1\n%2 %1\n3 3 0 0\n9\n",
             "Line 5 of the pieces file \"set.txt\" says piece 1 (%2 %1) has 9 corners, but a piece has 3 or 4."},
            {"two corners", kFigures, "T\n1\n\n3 3 0 0\n2\n0 0\n4 0\n",
             "Line 5 of the pieces file \"set.txt\" says piece 1 has 2 corners, but a piece has 3 or 4."},
            {"home far off the board", kFigures, "T\n1\nA\n5000 3 0 0\n3\n0 0\n4 0\n0 4\n",
             "Line 4 of the pieces file \"set.txt\" puts piece 1 (A) at 5000, 3, which is outside the tray of 18 by 48 units."},
            {"home above the board", kFigures, "T\n1\nA\n3 -1 0 0\n3\n0 0\n4 0\n0 4\n",
             "Line 4 of the pieces file \"set.txt\" puts piece 1 (A) at 3, -1, which is outside the tray of 18 by 48 units."},
            {"corner far off", kFigures, "T\n1\nA\n3 3 0 0\n3\n0 0\n400 0\n0 4\n",
             "Line 7 of the pieces file \"set.txt\" puts a corner of piece 1 (A) more than 100 units from its centre."},
            {"number past 32 bits", kFigures, "T\n1\nA\n3 3 4294967296 0\n",
             "Line 4 of the pieces file \"set.txt\" holds the number 4294967296, which is far too large."},
            {"twenty digits", kFigures, "T\n99999999999999999999\n",
             "Line 2 of the pieces file \"set.txt\" holds the number 99999999999999999999, which is far too large."},
            {"a number far below zero", kFigures, "T\n1\nA\n3 3 -99999999999 0\n",
             "Line 4 of the pieces file \"set.txt\" holds the number -99999999999, which is far too small."},
            {"a NUL and a tab in a piece name", kFigures, QByteArray("T\n1\nA\0B\tC\n3 3 0 0\n9\n", 20),
             "Line 5 of the pieces file \"set.txt\" says piece 1 (A?B?C) has 9 corners, but a piece has 3 or 4."},
            {"a NUL in the pieces file's name", QByteArray("T\nset\0.txt\n1\n", 13), kPieces,
             "The pieces file \"set?.txt\" named in \"set.tan\" could not be found."},
            {"figure count of 2^31", "T\nset.txt\n2147483648\n", kPieces,
             "Line 3 of the figures file \"set.tan\" holds the number 2147483648, which is far too large."},
            {"no figures", "T\nset.txt\n0\n", kPieces,
             "Line 3 of the figures file \"set.tan\" gives 0 figures, but a file holds 1 to 1000 figures."},
            {"figure count without figures", "T\nset.txt\n1000\nOne\n1 0 5 5 0 0\n", kPieces,
             "The figures file \"set.tan\" ends too soon: a number was expected on line 6."},
            {"figures cut short", "T\nset.txt\n1\nOne\n1 0 5 5\n", kPieces,
             "The figures file \"set.tan\" ends too soon: a number was expected on line 6."},
            {"colour 12", "T\nset.txt\n1\nOne\n1 12 5 5 0 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" gives the colour 12, but colours are numbered 0 to 11."},
            {"colour -1 on an unused piece", "T\nset.txt\n1\nOne\n0 -1 5 5 0 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" gives the colour -1, but colours are numbered 0 to 11."},
            {"silhouette far off", "T\nset.txt\n1\nOne\n1 0 2000000000 5 0 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" puts piece 1 of figure 1 (One) far off the board."},
            {"silhouette over the tray", "T\nset.txt\n1\nOne\n1 0 40 5 0 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" puts piece 1 of figure 1 (One) outside the play area."},
            {"silhouette centred on the divider", "T\nset.txt\n1\nOne\n1 0 37 5 4 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" puts piece 1 of figure 1 (One) outside the play area."},
            {"silhouette past the bottom", "T\nset.txt\n1\nOne\n1 0 5 46 0 0\n", kPieces,
             "Line 5 of the figures file \"set.tan\" puts piece 1 of figure 1 (One) outside the play area."},
            {"figures file too large", big, kPieces, "The figures file \"set.tan\" is too large to be a Tangram file."},
    };
    for (const Row& r : rows) {
        QTemporaryDir dir;
        const QString figuresPath = dir.filePath(QStringLiteral("set.tan"));
        if (r.figures)
            writeFile(figuresPath, *r.figures);
        if (r.pieces)
            writeFile(dir.filePath(QStringLiteral("set.txt")), *r.pieces);

        tTangram b(BoardWidth, BoardHeight);
        b.LoadFigures(dataPath("classic.tan"));
        b.SelectFigure(2);
        b.MouseDown(grabPoint(b, 1), Button::Right);
        const BoardState before(b);
        try {
            b.LoadFigures(figuresPath);
            ADD_FAILURE() << r.what << ": loaded";
        } catch (const TangramFileError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(r.message)) << r.what;
        }
        EXPECT_TRUE(BoardState(b) == before) << r.what << ": the board changed";
    }
}

TEST(TangramFiles, FoldersAndNamesThatLeaveTheFolderAreRefused)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("inner.tan"));
    tTangram b(BoardWidth, BoardHeight);
    struct Row {
        QString path;
        QByteArray figures;
        const char* message;
    };
    const Row rows[] = {
            {dir.filePath(QStringLiteral("inner.tan")), {}, "The figures file \"inner.tan\" is a folder, not a file."},
            {dir.filePath(QStringLiteral("a.tan")), "T\ninner.tan\n1\n",
             "The pieces file \"inner.tan\" named in \"a.tan\" is a folder, not a file."},
            // An absolute name is still looked for inside the figures file's folder.
            {dir.filePath(QStringLiteral("b.tan")), "T\n" + dataPath("classic.txt").toLatin1() + "\n3\n",
             "The pieces file \"classic.txt\" named in \"b.tan\" could not be found."},
    };
    for (const Row& r : rows) {
        if (!r.figures.isNull())
            writeFile(r.path, r.figures);
        try {
            b.LoadFigures(r.path);
            ADD_FAILURE() << "loaded " << r.path.toStdString();
        } catch (const TangramFileError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(r.message));
        }
        EXPECT_FALSE(b.hasFigures());
    }
}

namespace {

// One to three random changes to a file's text: the damage of hand editing
// and truncation, and some no hand would do.
QByteArray mutate(QByteArray text, std::mt19937& random)
{
    static const char* const words[] = {"0", "-1", "1", "3", "4", "5", "12", "64", "65", "1001", "2147483647",
                                        "-2147483648", "2147483648", "99999999999", "x", "", "\n", "3.5", "--1"};
    for (int k = 1 + int(random() % 3); k > 0; --k) {
        const qsizetype at = qsizetype(random() % std::uint32_t(text.size() + 1));
        const qsizetype lineStart = text.lastIndexOf('\n', std::max<qsizetype>(at - 1, 0)) + 1;
        const qsizetype nl = text.indexOf('\n', at);
        const qsizetype lineEnd = nl < 0 ? text.size() : nl + 1;
        switch (random() % 6) {
        case 0: // a byte changed, or junk inserted
            text.insert(at, QByteArray(1 + int(random() % 4), char(random() % 256)));
            break;
        case 1: { // a word replaced
            qsizetype end = at;
            while (end < text.size() && text[end] != ' ' && text[end] != '\n')
                ++end;
            text.replace(at, end - at, words[random() % std::size(words)]);
            break;
        }
        case 2: text.truncate(at); break;                           // cut short
        case 3: text.remove(lineStart, lineEnd - lineStart); break; // a line left out
        case 4: text.insert(lineStart, text.mid(lineStart, lineEnd - lineStart)); break; // a line twice
        default: // a line break added or taken away
            if (nl >= 0 && random() % 2)
                text[nl] = ' ';
            else
                text.insert(at, '\n');
        }
    }
    return text;
}

} // namespace

TEST(TangramFiles, RandomlyDamagedFilesNeverHurt)
{
    const QByteArray sources[][2] = {
            {fileBytes(dataPath("classic.tan")), fileBytes(dataPath("classic.txt"))},
            {fileBytes(dataPath("odd.tan")), fileBytes(dataPath("odd.txt"))},
            {kFigures, kPieces},
    };
    ASSERT_FALSE(sources[0][0].isEmpty());
    std::mt19937 random(4242);
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir dir;
    int runs = 0, loaded = 0, refused = 0;
    // A few seconds at most, however slow the machine or the sanitizers.
    while (runs < 20000 && (clock.elapsed() < 3000 || runs < 300)) {
        const auto& source = sources[std::size_t(runs) % std::size(sources)];
        QByteArray figures = source[0], pieces = source[1];
        switch (random() % 3) {
        case 0: figures = mutate(figures, random); break;
        case 1: pieces = mutate(pieces, random); break;
        default:
            figures = mutate(figures, random);
            pieces = mutate(pieces, random);
        }
        tTangram b(BoardWidth, BoardHeight);
        std::optional<FigureSet> set;
        try {
            if (runs % 40 == 0) { // now and then through real files
                const QString f = dir.filePath(QStringLiteral("fuzz.tan"));
                writeFile(f, figures);
                const FiguresHead head = readFiguresHead(figures, QStringLiteral("fuzz.tan"));
                if (!head.piecesName.contains(QLatin1Char('/'))) {
                    QFile out(dir.filePath(head.piecesName));
                    if (out.open(QIODevice::WriteOnly)) // names such as ".." cannot be written
                        out.write(pieces);
                }
                b.LoadFigures(f);
                ++loaded;
            } else {
                set = parseFigureSet(figures, QStringLiteral("fuzz.tan"), pieces, b.geometry());
                b.adopt(std::move(*set), QStringLiteral("fuzz.tan"));
                ++loaded;
            }
        } catch (const TangramFileError& e) {
            ++refused;
            const QString m = e.message();
            ASSERT_TRUE(m.startsWith(QStringLiteral("The ")) || m.startsWith(QStringLiteral("Line "))) << m.toStdString();
            ASSERT_TRUE(m.endsWith(QLatin1Char('.'))) << m.toStdString();
        }
        // Whatever loaded must play: every figure, a few presses and moves.
        for (int f = 1; f <= b.figureCount(); ++f) {
            b.SelectFigure(f);
            for (int i = 0; i < 6; ++i) {
                const QPoint p(int(random() % 700), int(random() % 600));
                b.MouseDown(p, random() % 2 ? Button::Left : Button::Right);
                b.MouseMove(QPoint(int(random() % 700), int(random() % 600)));
                b.KeyDown(KeyF);
            }
            (void)b.paintList();
        }
        ++runs;
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, runs / 4);
    std::printf("[ fuzz     ] %d runs: %d loaded, %d refused\n", runs, loaded, refused);
}
