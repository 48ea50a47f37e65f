#include "recreations/mastermind/MastermindLogic.h"

#include <algorithm>
#include <memory>

namespace tv::mastermind {

const QString IncompleteGuessMessage = QStringLiteral("Click on pegholes to set a pattern\rThen click this button");
const QString ScoringErrorMessage = QStringLiteral("Oops - you made a scoring error, I'll correct it for you");

namespace {

std::size_t at(std::int32_t entry) { return static_cast<std::size_t>(entry); }

// The score class of every pair of entries, worked out once: the level-3
// choice scores hundreds of thousands of pairs per guess.
class ScoreClassTable {
public:
    ScoreClassTable() : classes_(std::make_unique<std::uint8_t[]>(NumPatterns * NumPatterns))
    {
        for (std::int32_t a = 1; a <= NumPatterns; ++a) {
            const PegPattern p = PatternOfEntry(a);
            for (std::int32_t b = a; b <= NumPatterns; ++b) {
                const auto c = static_cast<std::uint8_t>(ScoreClass(ScorePattern(p, PatternOfEntry(b))));
                classes_[index(a, b)] = c;
                classes_[index(b, a)] = c;
            }
        }
    }
    int operator()(std::int32_t a, std::int32_t b) const { return classes_[index(a, b)]; }

private:
    static std::size_t index(std::int32_t a, std::int32_t b)
    {
        return static_cast<std::size_t>(a - 1) * NumPatterns + static_cast<std::size_t>(b - 1);
    }
    std::unique_ptr<std::uint8_t[]> classes_;
};

const ScoreClassTable& scoreClasses()
{
    static const ScoreClassTable table;
    return table;
}

// Pegs of p that pair with a peg of q of the same colour, each peg of q
// paired at most once.
int commonColours(const PegPattern& p, const PegPattern& q)
{
    std::array<bool, NumPegs> paired{};
    int common = 0;
    for (int i = 0; i < NumPegs; ++i)
        for (int j = 0; j < NumPegs; ++j)
            if (!paired[static_cast<std::size_t>(j)] && p[i] == q[j]) {
                paired[static_cast<std::size_t>(j)] = true;
                ++common;
                break;
            }
    return common;
}

int samePlaces(const PegPattern& p, const PegPattern& q)
{
    int same = 0;
    for (int i = 0; i < NumPegs; ++i)
        same += p[i] == q[i];
    return same;
}

// The level-1 rule that rejects the candidate (1..3), or 0.
int dumbRuleRejecting(const PegPattern& k, const PegPattern& g, const Score& s)
{
    const int t = s.reds + s.whites;
    if (t == 0)
        for (int i = 0; i < NumPegs; ++i)
            for (int j = 0; j < NumPegs; ++j)
                if (k[i] == g[j])
                    return 1;
    if (g[0] == g[1] && g[1] == g[2] && g[2] == g[3]) {
        int n = 0;
        for (int i = 0; i < NumPegs; ++i)
            n += k[i] == g[0];
        if (n != t)
            return 2;
    }
    if (samePlaces(k, g) < s.reds || commonColours(k, g) < t)
        return 3;
    return 0;
}

QString scoreText(std::int32_t reds, std::int32_t whites)
{
    return QString::asprintf(" (%d,%d)", reds, whites);
}

} // namespace

bool PegPattern::complete() const
{
    return std::none_of(pegs.begin(), pegs.end(), [](std::uint8_t c) { return c == 0; });
}

QString PatternLetters(const PegPattern& p)
{
    QString text;
    for (std::uint8_t c : p.pegs)
        text += (c >= 1 && c <= NumColours) ? QLatin1Char(ColourLetters[c - 1]) : QLatin1Char('-');
    return text;
}

std::int32_t EntryNumber(const PegPattern& p)
{
    std::int32_t entry = 0;
    for (std::uint8_t c : p.pegs) {
        if (c < 1 || c > NumColours)
            return 0;
        entry = entry * NumColours + (c - 1);
    }
    return entry + 1;
}

PegPattern PatternOfEntry(std::int32_t entry)
{
    PegPattern p;
    std::int32_t rest = entry - 1;
    for (int i = NumPegs - 1; i >= 0; --i) {
        p[i] = static_cast<std::uint8_t>(rest % NumColours + 1);
        rest /= NumColours;
    }
    return p;
}

Score ScorePattern(const PegPattern& p, const PegPattern& q)
{
    Score s;
    s.reds = samePlaces(p, q);
    s.whites = commonColours(p, q) - s.reds;
    return s;
}

QString ResultMessage(Role role, GameResult result)
{
    const bool human = role == Role::HumanSolves;
    switch (result) {
    case GameResult::None:
        return {};
    case GameResult::Solved:
        return human ? QStringLiteral("You solved it, you win!") : QStringLiteral("Solved it , I win!");
    case GameResult::TooManyGuesses:
        return human ? QStringLiteral("Too many guesses, I win!") : QStringLiteral("Too many guesses, you win");
    case GameResult::GaveUp:
        return QStringLiteral("You gave up, I win!");
    case GameResult::ScoredWrong:
        return QStringLiteral("You scored wrong, I win!");
    }
    return {};
}

PegPattern RandomPattern(const RandomBelow& random, int colours)
{
    PegPattern p;
    for (int i = 0; i < NumPegs; ++i)
        p[i] = static_cast<std::uint8_t>(1 + random(static_cast<std::uint32_t>(colours)));
    return p;
}

// ---------------------------------------------------------------------------

TMastermindGame::TMastermindGame() { NewGame(); }

void TMastermindGame::NewGame()
{
    OpeningList.clear();
    for (std::int32_t entry = 1; entry <= NumPatterns; ++entry) {
        PatternEntry& e = PatternTable[at(entry)];
        e.pattern = PatternOfEntry(entry);
        e.eligible = 1;
        const PegPattern& p = e.pattern;
        const bool aabb = p[0] == p[1] && p[2] == p[3] && p[0] != p[2];
        const bool abab = p[0] == p[2] && p[1] == p[3] && p[0] != p[1];
        const bool abba = p[0] == p[3] && p[1] == p[2] && p[0] != p[1];
        if (aabb || abab || abba)
            OpeningList.push_back(entry);
    }
    EligibleCount = NumPatterns;
    Guesses.fill(GuessRecord{});
    GuessCount = 0;
    result_ = GameResult::None;
}

void TMastermindGame::addGuess(std::int32_t entry)
{
    ++GuessCount;
    CurrentGuess() = GuessRecord{entry, -1, -1};
}

void TMastermindGame::StartHumanGame(const PegPattern& secret)
{
    NewGame();
    role_ = Role::HumanSolves;
    Secret = secret;
}

bool TMastermindGame::SubmitGuess(const PegPattern& guess)
{
    if (result_ != GameResult::None || GuessCount >= MaxGuesses || !guess.complete())
        return false;
    addGuess(EntryNumber(guess));
    const Score s = ScorePattern(guess, Secret);
    CurrentGuess().reds = s.reds;
    CurrentGuess().whites = s.whites;
    if (s.reds == NumPegs)
        result_ = GameResult::Solved;
    else if (GuessCount == MaxGuesses)
        result_ = GameResult::TooManyGuesses;
    return true;
}

void TMastermindGame::StartComputerGame(Level newLevel, const PegPattern& secret, bool selfScore)
{
    NewGame();
    role_ = Role::ComputerSolves;
    level = newLevel;
    Secret = secret;
    selfScoring = selfScore;
}

std::int32_t TMastermindGame::ChooseFirstGuess(const RandomBelow& random)
{
    std::int32_t entry = 0;
    if (level == Level::Smarter)
        entry = OpeningList[random(static_cast<std::uint32_t>(OpeningList.size()))];
    else
        entry = 1 + static_cast<std::int32_t>(random(NumPatterns));
    addGuess(entry);
    return entry;
}

Score TMastermindGame::ScoreAgainstSecret() const
{
    return ScorePattern(PatternTable[at(CurrentGuess().entry)].pattern, Secret);
}

void TMastermindGame::SetScore(const Score& score)
{
    CurrentGuess().reds = score.reds;
    CurrentGuess().whites = score.whites;
}

GameResult TMastermindGame::AdvanceAfterScore()
{
    if (result_ != GameResult::None)
        return result_;
    if (CurrentGuess().reds == NumPegs) {
        result_ = GameResult::Solved;
    } else if (GuessCount >= MaxGuesses) {
        result_ = GameResult::TooManyGuesses;
    } else {
        const std::int32_t next = ChooseNextGuess();
        if (next == 0)
            result_ = GameResult::ScoredWrong;
        else
            addGuess(next);
    }
    return result_;
}

void TMastermindGame::GiveUp()
{
    if (result_ != GameResult::None)
        return;
    const bool solved = role_ == Role::ComputerSolves && GuessCount > 0 && CurrentGuess().reds == NumPegs;
    result_ = solved ? GameResult::Solved : GameResult::GaveUp;
}

bool TMastermindGame::IsEligible(std::int32_t candidate, const GuessRecord& last, Level lvl) const
{
    const Score s{last.reds, last.whites};
    if (lvl == Level::PrettyDumb)
        return dumbRuleRejecting(PatternTable[at(candidate)].pattern, PatternTable[at(last.entry)].pattern, s) == 0;
    return PatternTable[at(candidate)].eligible != 0 && scoreClasses()(candidate, last.entry) == ScoreClass(s);
}

void TMastermindGame::write(LogList list, const QString& line) const
{
    if (log)
        log(list, line);
}

std::int32_t TMastermindGame::ChooseNextGuess()
{
    const GuessRecord& last = CurrentGuess();
    const std::int32_t before = EligibleCount;
    // A guess that was not right is never right; guard the count against a
    // guess that had already been ruled out.
    PatternEntry& guessed = PatternTable[at(last.entry)];
    if (guessed.eligible) {
        guessed.eligible = 0;
        --EligibleCount;
    }

    const PegPattern& g = guessed.pattern;
    const QString against = QStringLiteral(", Testing %1 against Guess ") ;
    std::vector<std::int32_t> candidates;
    candidates.reserve(static_cast<std::size_t>(EligibleCount));
    for (std::int32_t entry = 1; entry <= NumPatterns; ++entry) {
        PatternEntry& e = PatternTable[at(entry)];
        if (!e.eligible)
            continue;
        int rule = 0;
        if (level == Level::PrettyDumb)
            rule = dumbRuleRejecting(e.pattern, g, Score{last.reds, last.whites});
        else if (!IsEligible(entry, last, level))
            rule = 3;
        if (rule != 0) {
            e.eligible = 0;
            --EligibleCount;
        } else {
            candidates.push_back(entry);
        }
        if (log) {
            const QString head = rule == 0 ? QStringLiteral("Accepted as eligible ")
                                           : QStringLiteral("Heuristic %1 rejected ").arg(rule);
            write(LogList::LatestGuess, head + against.arg(PatternLetters(e.pattern)) + PatternLetters(g)
                                            + scoreText(last.reds, last.whites));
        }
    }
    write(LogList::Summary, QStringLiteral("Eligible patterns reduced from %1 to %2").arg(before).arg(EligibleCount));

    std::int32_t choice = 0;
    if (!candidates.empty())
        choice = level == Level::Smarter ? MinimaxGuess(candidates) : candidates.front();
    if (choice != 0)
        write(LogList::Summary, PatternLetters(PatternTable[at(choice)].pattern) + QStringLiteral(" selected as next guess"));
    return choice;
}

std::int32_t TMastermindGame::MinimaxGuess(const std::vector<std::int32_t>& candidates) const
{
    const ScoreClassTable& classes = scoreClasses();
    std::int32_t best = 0;
    int bestSize = 0;
    int bestClass = 0;
    for (std::int32_t g : candidates) {
        std::array<int, NumScoreClasses> counts{};
        int largest = 0;
        bool beaten = false;
        for (std::int32_t s : candidates) {
            const int c = ++counts[static_cast<std::size_t>(classes(g, s))];
            largest = std::max(largest, c);
            // A candidate must beat the best so far strictly: stop counting
            // as soon as one class reaches it.
            if (best != 0 && largest >= bestSize) {
                beaten = true;
                break;
            }
        }
        if (!beaten) {
            best = g;
            bestSize = largest;
            // The first class (in class order) of that size.
            bestClass = static_cast<int>(std::find(counts.begin(), counts.end(), largest) - counts.begin());
        }
        if (log)
            write(LogList::LatestGuess, QStringLiteral("Min-max max scoreset size for ")
                                            + PatternLetters(PatternTable[at(g)].pattern) + QStringLiteral(" is ")
                                            + QString::number(bestSize)
                                            + QStringLiteral("(%1,%2)").arg(bestClass / 5).arg(bestClass % 5));
    }
    return best;
}

} // namespace tv::mastermind
