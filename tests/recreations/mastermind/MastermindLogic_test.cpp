// The game logic alone: scoring, the table and its openings, the filters of
// the three levels, the computer's choices and whole games in both roles.
#include "recreations/mastermind/MastermindLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include <QStringList>

using namespace tv::mastermind;

// Failure messages show the text instead of its bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace tv::mastermind {
inline void PrintTo(const Score& s, std::ostream* out) { *out << '(' << s.reds << ',' << s.whites << ')'; }
} // namespace tv::mastermind

namespace {

PegPattern pat(const char* letters)
{
    PegPattern p;
    for (int i = 0; i < NumPegs; ++i) {
        const char* at = std::strchr(ColourLetters, letters[i]);
        p[i] = at && letters[i] ? static_cast<std::uint8_t>(at - ColourLetters + 1) : 0;
    }
    return p;
}

RandomBelow always(std::uint32_t value)
{
    return [value](std::uint32_t n) { return value % n; };
}

// Plays a self-scored computer game to its end; the number of guesses used.
int playSelfScored(TMastermindGame& game, Level level, const PegPattern& secret, const RandomBelow& random)
{
    game.StartComputerGame(level, secret, true);
    game.ChooseFirstGuess(random);
    for (;;) {
        game.SetScore(game.ScoreAgainstSecret());
        if (game.AdvanceAfterScore() != GameResult::None)
            return game.GuessCount;
    }
}

// The computer's first guess at a level, scored by hand; the next guess.
std::int32_t nextAfter(TMastermindGame& game, Level level, const char* first, Score score)
{
    game.StartComputerGame(level, PegPattern{}, false);
    game.ChooseFirstGuess(always(0));
    game.CurrentGuess().entry = EntryNumber(pat(first));
    game.SetScore(score);
    return game.ChooseNextGuess();
}

} // namespace

TEST(MastermindScore, PairsPegsAsTheRulesSay)
{
    struct Case {
        const char* p;
        const char* q;
        Score expected;
    };
    const Case cases[] = {
        {"RRBB", "BRRG", {1, 2}}, {"RRRR", "RRRR", {4, 0}}, {"RRRR", "BBBB", {0, 0}},
        {"RGBV", "VBGR", {0, 4}}, {"RRBB", "BBRR", {0, 4}}, {"RRRB", "RBBB", {2, 0}},
        {"RRGG", "GRYR", {1, 2}}, {"YYYL", "LYYY", {2, 2}}, {"RBGV", "RBGY", {3, 0}},
        {"RRRR", "RBBB", {1, 0}}, {"BRRR", "RBBB", {0, 2}}, {"LLYY", "YLYL", {2, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScorePattern(pat(c.p), pat(c.q)), c.expected) << c.p << " against " << c.q;
        EXPECT_EQ(ScorePattern(pat(c.q), pat(c.p)), c.expected) << c.q << " against " << c.p;
    }
}

TEST(MastermindScore, AgreesWithColourCountsOverManyPairs)
{
    // Common pegs are the sum over colours of the smaller count in each pattern.
    for (std::int32_t a = 1; a <= NumPatterns; a += 7)
        for (std::int32_t b = 1; b <= NumPatterns; b += 5) {
            const PegPattern p = PatternOfEntry(a), q = PatternOfEntry(b);
            int common = 0, reds = 0;
            for (int colour = 1; colour <= NumColours; ++colour)
                common += std::min(std::count(p.pegs.begin(), p.pegs.end(), colour),
                                   std::count(q.pegs.begin(), q.pegs.end(), colour));
            for (int i = 0; i < NumPegs; ++i)
                reds += p[i] == q[i];
            ASSERT_EQ(ScorePattern(p, q), (Score{reds, common - reds})) << a << " " << b;
        }
}

TEST(MastermindTable, EntriesAreNumberedPositionOneOutermost)
{
    const std::pair<const char*, std::int32_t> known[] = {
        {"RRRR", 1}, {"RRRB", 2}, {"RRBR", 7}, {"RRBB", 8}, {"RGRV", 76}, {"RBRR", 37},
        {"BRRR", 217}, {"BBBB", 260}, {"GGVY", 527}, {"LLLL", 1296},
    };
    for (const auto& [letters, entry] : known) {
        EXPECT_EQ(EntryNumber(pat(letters)), entry) << letters;
        EXPECT_EQ(PatternLetters(PatternOfEntry(entry)), QString::fromLatin1(letters));
    }
    TMastermindGame game;
    EXPECT_EQ(game.EligibleCount, NumPatterns);
    for (std::int32_t entry = 1; entry <= NumPatterns; ++entry) {
        const PatternEntry& e = game.PatternTable[static_cast<std::size_t>(entry)];
        ASSERT_EQ(EntryNumber(e.pattern), entry);
        ASSERT_EQ(e.eligible, 1);
    }
    EXPECT_EQ(EntryNumber(pat("RR-B")), 0);
    EXPECT_FALSE(pat("RR-B").complete());
    EXPECT_TRUE(pat("RRLB").complete());
    EXPECT_EQ(PatternLetters(pat("R-LB")), QStringLiteral("R-LB"));
}

TEST(MastermindTable, NinetyTwoColourOpeningsInTableOrder)
{
    TMastermindGame game;
    ASSERT_EQ(game.OpeningList.size(), 90u);
    EXPECT_TRUE(std::is_sorted(game.OpeningList.begin(), game.OpeningList.end()));
    std::map<std::string, int> shapes;
    for (std::int32_t entry : game.OpeningList) {
        const QString l = PatternLetters(PatternOfEntry(entry));
        std::set<QChar> colours(l.begin(), l.end());
        ASSERT_EQ(colours.size(), 2u) << l.toStdString();
        std::string shape;
        for (QChar c : l)
            shape += c == l[0] ? 'A' : 'B';
        ++shapes[shape];
    }
    EXPECT_EQ(shapes, (std::map<std::string, int>{{"AABB", 30}, {"ABAB", 30}, {"ABBA", 30}}));
    EXPECT_EQ(game.OpeningList.front(), EntryNumber(pat("RRBB")));
    EXPECT_EQ(game.OpeningList.back(), EntryNumber(pat("LYYL")) > EntryNumber(pat("LLYY"))
                                           ? EntryNumber(pat("LYYL")) : EntryNumber(pat("LLYY")));
}

TEST(MastermindChoice, NextGuessesAfterTheFirst)
{
    struct Case {
        Level level;
        const char* first;
        Score score;
        std::int32_t eligible;
        std::int32_t next;
    };
    const Case cases[] = {
        {Level::Average, "RRRR", {0, 0}, 625, 260},     // blue-blue-blue-blue
        {Level::Smarter, "RRBB", {0, 0}, 256, 527},     // green-green-violet-yellow
        {Level::Smarter, "RRBB", {1, 1}, 208, 76},      // red-green-red-violet
        {Level::PrettyDumb, "RRRR", {0, 0}, 625, 260},
        {Level::Average, "RRBB", {1, 1}, 208, 51},      // red-blue-green-green
    };
    for (const Case& c : cases) {
        TMastermindGame game;
        EXPECT_EQ(nextAfter(game, c.level, c.first, c.score), c.next) << c.first << " level " << int(c.level);
        EXPECT_EQ(game.EligibleCount, c.eligible) << c.first << " level " << int(c.level);
        EXPECT_EQ(std::count_if(game.PatternTable.begin() + 1, game.PatternTable.end(),
                                [](const PatternEntry& e) { return e.eligible != 0; }),
                  c.eligible);
    }
}

TEST(MastermindChoice, LevelOneRulesInOrder)
{
    struct Case {
        const char* candidate;
        const char* guess;
        Score score;
        bool eligible;
    };
    const Case cases[] = {
        // Rule 1: no colour of the guess when nothing scored.
        {"BBGG", "RRYY", {0, 0}, true},  {"BBGR", "RRYY", {0, 0}, false},
        // Rule 2: a one-colour guess fixes how many of that colour.
        {"RRBG", "RRRR", {2, 0}, true},  {"RRRG", "RRRR", {2, 0}, false}, {"RBGV", "RRRR", {2, 0}, false},
        // Rule 3: at least the reds in place and the total in common.
        {"RBGY", "RBVL", {2, 0}, true},  {"RGBY", "RBVL", {2, 0}, false}, {"BRYY", "RBVL", {0, 2}, true},
        {"RRYY", "RBVL", {0, 2}, false},
        // Level 1 keeps patterns the exact score would drop (more reds than scored).
        {"RBVY", "RBVL", {2, 0}, true},
    };
    TMastermindGame game;
    for (const Case& c : cases) {
        const GuessRecord last{EntryNumber(pat(c.guess)), c.score.reds, c.score.whites};
        EXPECT_EQ(game.IsEligible(EntryNumber(pat(c.candidate)), last, Level::PrettyDumb), c.eligible)
            << c.candidate << " for " << c.guess;
    }
    // Levels 2 and 3 ask for the exact score and a flag still set.
    const GuessRecord last{EntryNumber(pat("RBVL")), 2, 0};
    EXPECT_FALSE(game.IsEligible(EntryNumber(pat("RBVY")), last, Level::Average));
    EXPECT_TRUE(game.IsEligible(EntryNumber(pat("RBGY")), last, Level::Smarter));
    game.PatternTable[static_cast<std::size_t>(EntryNumber(pat("RBGY")))].eligible = 0;
    EXPECT_FALSE(game.IsEligible(EntryNumber(pat("RBGY")), last, Level::Smarter));
}

TEST(MastermindChoice, DiagnosticTexts)
{
    TMastermindGame game;
    QStringList summary, latest;
    game.log = [&](LogList list, const QString& line) { (list == LogList::Summary ? summary : latest) << line; };
    EXPECT_EQ(nextAfter(game, Level::Smarter, "RRBB", {0, 0}), 527);
    EXPECT_EQ(summary, (QStringList{QStringLiteral("Eligible patterns reduced from 1296 to 256"),
                                    QStringLiteral("GGVY selected as next guess")}));
    // Every entry still flagged, less the guess itself, then one line per candidate.
    ASSERT_EQ(latest.size(), 1295 + 256);
    EXPECT_EQ(latest[0], QStringLiteral("Heuristic 3 rejected , Testing RRRR against Guess RRBB (0,0)"));
    EXPECT_EQ(latest.filter(QStringLiteral("Accepted as eligible , Testing ")).size(), 256);
    EXPECT_TRUE(latest.contains(QStringLiteral("Accepted as eligible , Testing GGGG against Guess RRBB (0,0)")));
    const qsizetype firstMinimax = 1295;
    EXPECT_EQ(latest[firstMinimax], QStringLiteral("Min-max max scoreset size for GGGG is 108(1,0)"));
    EXPECT_TRUE(latest.last().startsWith(QStringLiteral("Min-max max scoreset size for LLLL is ")));

    summary.clear();
    latest.clear();
    nextAfter(game, Level::PrettyDumb, "RRYY", {0, 0});
    EXPECT_EQ(latest[0], QStringLiteral("Heuristic 1 rejected , Testing RRRR against Guess RRYY (0,0)"));
    nextAfter(game, Level::PrettyDumb, "RRRR", {2, 0});
    EXPECT_TRUE(latest.contains(QStringLiteral("Heuristic 2 rejected , Testing RRRB against Guess RRRR (2,0)")));
    latest.clear();
    nextAfter(game, Level::PrettyDumb, "RBVL", {2, 0});
    EXPECT_TRUE(latest.contains(QStringLiteral("Heuristic 3 rejected , Testing RRRR against Guess RBVL (2,0)")));

    // Without a sink nothing is written, and the choice is the same.
    game.log = nullptr;
    EXPECT_EQ(nextAfter(game, Level::Smarter, "RRBB", {0, 0}), 527);
}

TEST(MastermindChoice, OpeningGuesses)
{
    TMastermindGame game;
    for (std::uint32_t i = 0; i < 90; ++i) {
        game.StartComputerGame(Level::Smarter, PegPattern{}, true);
        EXPECT_EQ(game.EligibleCount, NumPatterns);
        EXPECT_EQ(game.ChooseFirstGuess(always(i)), game.OpeningList[i]);
        EXPECT_EQ(game.GuessCount, 1);
        EXPECT_EQ(game.CurrentGuess().reds, -1);
    }
    for (Level level : {Level::PrettyDumb, Level::Average}) {
        game.StartComputerGame(level, PegPattern{}, true);
        EXPECT_EQ(game.ChooseFirstGuess(always(0)), 1);
        game.StartComputerGame(level, PegPattern{}, true);
        EXPECT_EQ(game.ChooseFirstGuess(always(1295)), 1296);
    }
}

TEST(MastermindGames, EverySecretSolvedWithinTenAtLevelsTwoAndThree)
{
    TMastermindGame game;
    for (Level level : {Level::Average, Level::Smarter}) {
        int worst = 0;
        for (std::int32_t secret = 1; secret <= NumPatterns; ++secret) {
            // Openings vary with the secret so every one of them is played.
            const int used = playSelfScored(game, level, PatternOfEntry(secret), always(static_cast<std::uint32_t>(secret * 7)));
            ASSERT_EQ(game.Result(), GameResult::Solved) << "secret " << secret << " level " << int(level);
            ASSERT_EQ(game.CurrentGuess().entry, secret);
            worst = std::max(worst, used);
        }
        EXPECT_LE(worst, MaxGuesses);
        // The smart level needs no more than seven from any opening.
        if (level == Level::Smarter) {
            EXPECT_LE(worst, 7);
        }
    }
}

TEST(MastermindGames, TheTenthUnsolvedGuessEndsTheGame)
{
    // The computer at level 1 does not always find it in ten.
    TMastermindGame game;
    bool found = false;
    for (std::int32_t secret = 1; secret <= NumPatterns && !found; ++secret) {
        playSelfScored(game, Level::PrettyDumb, PatternOfEntry(secret), always(0));
        if (game.Result() == GameResult::TooManyGuesses) {
            found = true;
            EXPECT_EQ(game.GuessCount, MaxGuesses);
            EXPECT_NE(game.CurrentGuess().reds, NumPegs);
        } else {
            ASSERT_EQ(game.Result(), GameResult::Solved);
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(ResultMessage(Role::ComputerSolves, GameResult::TooManyGuesses), QStringLiteral("Too many guesses, you win"));

    // The student: ten wrong guesses, and an eleventh is refused.
    game.StartHumanGame(pat("GGGG"));
    for (int i = 1; i <= MaxGuesses; ++i) {
        EXPECT_EQ(game.Result(), GameResult::None);
        EXPECT_TRUE(game.SubmitGuess(pat("RRBB")));
    }
    EXPECT_EQ(game.Result(), GameResult::TooManyGuesses);
    EXPECT_FALSE(game.SubmitGuess(pat("GGGG")));
    EXPECT_EQ(game.GuessCount, MaxGuesses);
    EXPECT_EQ(ResultMessage(Role::HumanSolves, GameResult::TooManyGuesses), QStringLiteral("Too many guesses, I win!"));
}

TEST(MastermindGames, StudentGuesses)
{
    TMastermindGame game;
    game.StartHumanGame(pat("RRBB"));
    EXPECT_FALSE(game.SubmitGuess(pat("RR-B")));
    EXPECT_EQ(game.GuessCount, 0);
    EXPECT_TRUE(game.SubmitGuess(pat("BRRG")));
    EXPECT_EQ(game.GuessCount, 1);
    EXPECT_EQ(game.Guesses[1].entry, EntryNumber(pat("BRRG")));
    EXPECT_EQ(game.Guesses[1].reds, 1);
    EXPECT_EQ(game.Guesses[1].whites, 2);
    EXPECT_EQ(game.Result(), GameResult::None);
    EXPECT_TRUE(game.SubmitGuess(pat("RRBB")));
    EXPECT_EQ(game.Result(), GameResult::Solved);
    EXPECT_EQ(ResultMessage(Role::HumanSolves, game.Result()), QStringLiteral("You solved it, you win!"));
    EXPECT_FALSE(game.SubmitGuess(pat("RRBB")));

    game.StartHumanGame(pat("RRBB"));
    EXPECT_EQ(game.GuessCount, 0);
    game.GiveUp();
    EXPECT_EQ(ResultMessage(Role::HumanSolves, game.Result()), QStringLiteral("You gave up, I win!"));
    EXPECT_EQ(ResultMessage(Role::HumanSolves, GameResult::None), QString());
}

TEST(MastermindGames, GivingUpWhileScoringTheComputer)
{
    struct Case {
        Score marked;
        GameResult result;
    };
    // The holes set so far are kept; four reds is still a win for the computer.
    const Case cases[] = {{{4, 0}, GameResult::Solved}, {{2, 1}, GameResult::GaveUp}, {{-1, -1}, GameResult::GaveUp}};
    for (const Case& c : cases) {
        TMastermindGame game;
        game.StartComputerGame(Level::Average, PegPattern{}, false);
        game.ChooseFirstGuess(always(5));
        game.SetScore(c.marked);
        game.GiveUp();
        EXPECT_EQ(game.Result(), c.result);
        EXPECT_EQ(game.CurrentGuess().reds, c.marked.reds);
        // The game is over: nothing more is chosen.
        EXPECT_EQ(game.AdvanceAfterScore(), c.result);
        EXPECT_EQ(game.GuessCount, 1);
    }
}

TEST(MastermindGames, InconsistentScoringLeavesNothing)
{
    struct Case {
        Level level;
        std::vector<Score> scores;
        int guesses;
    };
    const Case cases[] = {
        // Nothing of any colour: six one-colour guesses at level 2 rule all out.
        {Level::Average, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 6},
        // A score no pattern can give.
        {Level::Smarter, {{3, 1}}, 1},
        // Four whites on a one-colour guess: only that guess itself had them.
        {Level::PrettyDumb, {{0, 4}}, 1},
        {Level::PrettyDumb, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 6},
    };
    for (const Case& c : cases) {
        TMastermindGame game;
        game.StartComputerGame(c.level, PegPattern{}, false);
        game.ChooseFirstGuess(always(0));
        GameResult r = GameResult::None;
        for (const Score& s : c.scores) {
            ASSERT_EQ(r, GameResult::None);
            game.SetScore(s);
            r = game.AdvanceAfterScore();
        }
        EXPECT_EQ(r, GameResult::ScoredWrong) << int(c.level);
        EXPECT_EQ(game.GuessCount, c.guesses);
        EXPECT_EQ(game.EligibleCount, 0);
        EXPECT_EQ(ResultMessage(Role::ComputerSolves, r), QStringLiteral("You scored wrong, I win!"));
    }
}

TEST(MastermindGames, FirstGuessRightAndMessages)
{
    TMastermindGame game;
    EXPECT_EQ(playSelfScored(game, Level::Average, PatternOfEntry(1), always(0)), 1);
    EXPECT_EQ(game.Result(), GameResult::Solved);
    EXPECT_EQ(ResultMessage(Role::ComputerSolves, game.Result()), QStringLiteral("Solved it , I win!"));
    EXPECT_EQ(ResultMessage(Role::ComputerSolves, GameResult::GaveUp), QStringLiteral("You gave up, I win!"));
    EXPECT_EQ(IncompleteGuessMessage, QStringLiteral("Click on pegholes to set a pattern\rThen click this button"));

    // Random secrets of four colours only, as the secret pattern box offers them.
    std::uint32_t n = 0;
    const PegPattern p = RandomPattern([&n](std::uint32_t bound) { return (n++ * 3) % bound; }, 4);
    EXPECT_EQ(PatternLetters(p), QStringLiteral("RVGB"));
}
