#pragma once
// The guessing game with a secret row of four pegs in six colours, without
// any window: the pattern table, scoring, the eligibility filters of the
// three skill levels, the computer's choice of guess and the course of a
// game in either role. The window only shows what this decides.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

namespace tv::mastermind {

constexpr int NumColours = 6;
constexpr int NumPegs = 4;
constexpr int NumPatterns = 1296;
constexpr int MaxGuesses = 10;
constexpr int NumScoreClasses = 21;
// One letter per colour 1..6: red, blue, green, violet, yellow, light blue.
inline constexpr char ColourLetters[] = "RBGVYL";

// Four colour bytes, position 1 (leftmost) first; colour 0 is an empty hole.
struct PegPattern {
    std::array<std::uint8_t, NumPegs> pegs{};

    std::uint8_t& operator[](int i) { return pegs[static_cast<std::size_t>(i)]; }
    std::uint8_t operator[](int i) const { return pegs[static_cast<std::size_t>(i)]; }
    bool complete() const;
    bool operator==(const PegPattern&) const = default;
};

// "RRBB"; an empty hole shows as '-'.
QString PatternLetters(const PegPattern& p);
// The table entry 1..1296 of a complete pattern, 0 for an incomplete one.
std::int32_t EntryNumber(const PegPattern& p);
// The pattern of entry 1..1296.
PegPattern PatternOfEntry(std::int32_t entry);

struct Score {
    std::int32_t reds = 0;
    std::int32_t whites = 0;
    bool operator==(const Score&) const = default;
};

// Reds: same colour in the same place. Whites: the pegs of p that pair with
// an unpaired peg of q of the same colour (first such peg of q), less the reds.
Score ScorePattern(const PegPattern& p, const PegPattern& q);
// reds * 5 + whites, 0..20.
inline int ScoreClass(const Score& s) { return s.reds * 5 + s.whites; }

struct PatternEntry {
    PegPattern pattern;
    std::uint8_t eligible = 1;
};

// One guess of the game; reds and whites are -1 until it is scored.
struct GuessRecord {
    std::int32_t entry = 0;
    std::int32_t reds = -1;
    std::int32_t whites = -1;
};

enum class Level { PrettyDumb = 1, Average = 2, Smarter = 3 };
enum class Role { HumanSolves, ComputerSolves };
enum class GameResult { None, Solved, TooManyGuesses, GaveUp, ScoredWrong };

// The closing message of a game in that role; empty while it goes on.
QString ResultMessage(Role role, GameResult result);
extern const QString IncompleteGuessMessage;
extern const QString ScoringErrorMessage;

// Random below n (0 .. n-1); the window passes the program's generator,
// tests a fixed sequence.
using RandomBelow = std::function<std::uint32_t(std::uint32_t n)>;

// A pattern of `colours` colours (1..colours) drawn uniformly.
PegPattern RandomPattern(const RandomBelow& random, int colours = NumColours);

// The diagnostic log's two lists.
enum class LogList { Summary, LatestGuess };
using LogSink = std::function<void(LogList list, const QString& line)>;

class TMastermindGame {
public:
    TMastermindGame();

    // Rebuilds the pattern table and the opening list: every entry
    // eligible, no guess, no result.
    void NewGame();

    // The student guesses a secret of the computer's.
    void StartHumanGame(const PegPattern& secret);
    // Records and scores a complete guess; false (nothing recorded) when a
    // hole is empty. Returns through Result() whether the game ended.
    bool SubmitGuess(const PegPattern& guess);

    // The computer guesses the student's secret. `secret` may be incomplete
    // when the student keeps it to themselves (then they score unchecked).
    void StartComputerGame(Level level, const PegPattern& secret, bool selfScoring);
    // The first guess: any entry at levels 1 and 2, an opening at level 3.
    std::int32_t ChooseFirstGuess(const RandomBelow& random);
    // Scores the current guess against the known secret.
    Score ScoreAgainstSecret() const;
    // Sets the current guess's score.
    void SetScore(const Score& score);
    // After a scored guess: solved, too many guesses, or the next guess
    // (recorded unscored), or scored wrong when no pattern is left.
    GameResult AdvanceAfterScore();

    // The student gives up. When the computer guesses, a score already set
    // to four reds still counts as solved.
    void GiveUp();

    // Level-dependent filter of one candidate against the last scored guess.
    bool IsEligible(std::int32_t candidate, const GuessRecord& last, Level level) const;
    // The next guess's entry number, or 0 when no pattern is left.
    std::int32_t ChooseNextGuess();
    // Level 3's choice among the candidates (entries in table order): the
    // one whose largest score class over the list is smallest, the earliest
    // on equal sizes; 0 for an empty list.
    std::int32_t MinimaxGuess(const std::vector<std::int32_t>& candidates) const;

    // Entry 1..1296 (index 0 unused).
    std::array<PatternEntry, NumPatterns + 1> PatternTable;
    std::int32_t EligibleCount = 0;
    std::vector<std::int32_t> OpeningList;
    // Records 1..10 (index 0 unused); GuessCount of them in use.
    std::array<GuessRecord, MaxGuesses + 1> Guesses;
    std::int32_t GuessCount = 0;

    Level level = Level::PrettyDumb;
    PegPattern Secret;
    bool selfScoring = false;

    Role role() const { return role_; }
    GameResult Result() const { return result_; }
    // The current (last) record; only valid when GuessCount > 0.
    GuessRecord& CurrentGuess() { return Guesses[static_cast<std::size_t>(GuessCount)]; }
    const GuessRecord& CurrentGuess() const { return Guesses[static_cast<std::size_t>(GuessCount)]; }

    // Receives the diagnostic texts; none are made while it is empty.
    LogSink log;

private:
    void addGuess(std::int32_t entry);
    void write(LogList list, const QString& line) const;

    Role role_ = Role::HumanSolves;
    GameResult result_ = GameResult::None;
};

} // namespace tv::mastermind
