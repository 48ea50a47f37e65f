// The Concentration window: its start, the status line and clock as a game
// is played with the mouse, the play-again question, the picture-set choices
// and the five picture strips themselves.
#include "app/WindowRegistry.h"
#include "recreations/concentration/Memogam.h"
#include "recreations/concentration/unitRecreationsConcentration.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

#include "ui/Components.h"

namespace tv {
void registerConcentrationWindows(WindowRegistry& registry);
}

using tv::concentration::MemoryBoard;
using tv::concentration::TfrmRecreationsConcentration;
using tv::concentration::TMemoryGame;

namespace {

using Place = std::pair<int, int>;

std::map<int, std::vector<Place>> places(const TMemoryGame& game)
{
    std::map<int, std::vector<Place>> where;
    for (int c = 0; c < MemoryBoard::Columns; ++c)
        for (int r = 0; r < MemoryBoard::Rows; ++r)
            if (game.board().layout(c, r) > 0)
                where[game.board().layout(c, r)].emplace_back(c, r);
    return where;
}

void press(TMemoryGame* game, Place p)
{
    QTest::mousePress(game, Qt::LeftButton, Qt::NoModifier, TMemoryGame::placeCentre(p.first, p.second));
}

void release(TMemoryGame* game, Place p)
{
    QTest::mouseRelease(game, Qt::LeftButton, Qt::NoModifier, TMemoryGame::placeCentre(p.first, p.second));
}

void turnTwo(TMemoryGame* game, Place a, Place b)
{
    press(game, a);
    release(game, a);
    press(game, b);
    release(game, b);
}

// Plays every pair but the last; returns the last pair.
std::vector<Place> playAllButOne(TMemoryGame* game)
{
    auto where = places(*game);
    std::vector<Place> last = where.rbegin()->second;
    where.erase(std::prev(where.end()));
    for (const auto& [picture, spots] : where)
        turnTwo(game, spots[0], spots[1]);
    return last;
}

QImage card(const QPixmap& strip, int i)
{
    return strip.toImage().convertToFormat(QImage::Format_ARGB32).copy(i * 70, 0, 70, 80);
}

int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 40)
                ++n;
    return n;
}

// Two renderings of one strip differ at most in a little anti-aliasing.
bool sameStrip(const QPixmap& a, const QPixmap& b)
{
    return a.size() == b.size()
           && differingPixels(a.toImage().convertToFormat(QImage::Format_ARGB32),
                              b.toImage().convertToFormat(QImage::Format_ARGB32)) == 0;
}

// Records each question with its caption and answers No.
class CaptionedQuestions final : public tv::MessageBoxes {
public:
    CaptionedQuestions() { tv::setMessageBoxes(this); }
    ~CaptionedQuestions() override { tv::setMessageBoxes(nullptr); }
    void information(QWidget*, const QString&, const QString&) override {}
    bool confirm(QWidget*, const QString& title, const QString& text, Icon icon) override
    {
        asked.push_back({title, text, icon});
        return false;
    }
    void error(QWidget*, const QString&) override {}

    struct Question {
        QString title, text;
        Icon icon;
    };
    std::vector<Question> asked;
};

// A face's ink is red: toward red from the cream ground, green and blue
// fall at least twice as far as red does. Any other hue (a coloured fill,
// black or blue ink) fails.
bool redOnCream(QRgb pixel)
{
    const QColor cream(0xFF, 0xF6, 0xDC);
    const int r = cream.red() - qRed(pixel);
    const int g = cream.green() - qGreen(pixel);
    const int b = cream.blue() - qBlue(pixel);
    if (qMax(qAbs(r), qMax(qAbs(g), qAbs(b))) <= 24)
        return true; // the ground
    return r >= 0 && g >= 2 * r && b >= 2 * r;
}

} // namespace

TEST(ConcentrationWindow, OpensWithGeometricFiguresDealtAndTheClockRunning)
{
    TfrmRecreationsConcentration w;
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Concentration Memory Game")));
    EXPECT_EQ(w.size(), QSize(627, 442));
    EXPECT_EQ(w.lblFormTitle->text(), QStringLiteral("Concentration Memory Game"));
    EXPECT_EQ(w.lblFormTitle->effect(), tv::EffectLabel::Effect::Lowered);
    EXPECT_EQ(w.lblSelect->text(), QStringLiteral("Select the game you wish to play."));
    EXPECT_EQ(w.MemoryGame1->size(), QSize(425, 325));
    EXPECT_EQ(w.MemoryGame1->PictureCount(), 12);
    EXPECT_TRUE(w.rbPictureSet[0]->isChecked());
    const char* captions[] = {"Geometric Figures", "Number Terms", "Fractions",
                              "Fractions, Decimals and Percent Terms", "School Subjects"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.lblPictureSet[i]->text(), QString::fromLatin1(captions[i]));
    EXPECT_EQ(w.pictureSet(), 0);
    EXPECT_TRUE(sameStrip(w.MemoryGame1->Pictures(), TfrmRecreationsConcentration::pictureStrip(0)));
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Click on two of the cards"));
    EXPECT_EQ(w.lblStatus->width(), 425);
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds:  0"));
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 1000);
    EXPECT_EQ(w.btnNewGame->text(), QStringLiteral("Start New Game"));
    EXPECT_EQ(places(*w.MemoryGame1).size(), 12u);
}

TEST(ConcentrationWindow, MovesWithTheMouseSetTheStatusLine)
{
    TfrmRecreationsConcentration w;
    tv::test::showAndWait(w);
    TMemoryGame* game = w.MemoryGame1;
    const auto where = places(*game);
    const Place a = where.at(3)[0];
    const Place b = where.at(7)[0];

    press(game, a);
    release(game, a);
    press(game, a); // the turned card again: nothing
    release(game, a);
    EXPECT_EQ(game->board().shown(a.first, a.second), 3);
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Click on two of the cards"));

    press(game, b);
    EXPECT_EQ(game->board().shown(b.first, b.second), 7) << "visible while the button is held";
    release(game, b);
    EXPECT_EQ(game->board().shown(a.first, a.second), 0);
    EXPECT_EQ(game->board().shown(b.first, b.second), 0);
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Sorry, Try again..."));

    turnTwo(game, where.at(3)[0], where.at(3)[1]);
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Good Move, A Match!"));
    EXPECT_EQ(game->board().pairsLeft(), 11);

    // The removed places show the board's own colour.
    const QImage shot = game->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(TMemoryGame::placeCentre(a.first, a.second))), QColor(0xD6, 0xB7, 0xA3));
    EXPECT_NE(QColor(shot.pixel(TMemoryGame::placeCentre(b.first, b.second))), QColor(0xD6, 0xB7, 0xA3));
}

TEST(ConcentrationWindow, ClockCountsSecondsFromEachDeal)
{
    TfrmRecreationsConcentration w;
    w.Timer1Timer();
    w.Timer1Timer();
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds: 2"));
    w.btnNewGame->click();
    EXPECT_EQ(w.play().seconds(), 0);
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds:  0"));
    EXPECT_TRUE(w.Timer1->isActive());
    w.Timer1Timer();
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds: 1"));
}

TEST(ConcentrationWindow, TheLastPairAsksToPlayAgainAndNoCloses)
{
    tv::test::ScriptedMessageBoxes boxes;
    TfrmRecreationsConcentration w;
    tv::test::showAndWait(w);
    w.Timer1Timer();
    w.Timer1Timer();
    const std::vector<Place> last = playAllButOne(w.MemoryGame1);
    EXPECT_TRUE(boxes.questions.isEmpty());
    turnTwo(w.MemoryGame1, last[0], last[1]);
    EXPECT_EQ(boxes.questions, QStringList{QStringLiteral("Do you want to play again?")});
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("You won!"));
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds: 2")) << "the winning time stays shown";
    EXPECT_FALSE(w.isVisible()) << "No closes the window";
}

TEST(ConcentrationWindow, YesDealsANewGame)
{
    tv::test::ScriptedMessageBoxes boxes;
    boxes.queueAnswers({true});
    TfrmRecreationsConcentration w;
    tv::test::showAndWait(w);
    w.Timer1Timer();
    const std::vector<Place> last = playAllButOne(w.MemoryGame1);
    turnTwo(w.MemoryGame1, last[0], last[1]);
    EXPECT_EQ(boxes.questions.size(), 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.MemoryGame1->board().pairsLeft(), 12);
    EXPECT_EQ(places(*w.MemoryGame1).size(), 12u);
    EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Click on two of the cards"));
    EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds:  0"));
    EXPECT_TRUE(w.Timer1->isActive());
}

TEST(ConcentrationWindow, ChoosingAPictureSetLoadsItsStripAndDealsAfresh)
{
    TfrmRecreationsConcentration w;
    tv::test::showAndWait(w);
    for (int set : {3, 1, 4, 2, 0}) {
        const auto where = places(*w.MemoryGame1);
        turnTwo(w.MemoryGame1, where.at(1)[0], where.at(1)[1]);
        ASSERT_EQ(w.MemoryGame1->board().pairsLeft(), 11);
        w.Timer1Timer();
        // Every other choice by its caption, the rest by its button.
        if (set % 2)
            QTest::mouseClick(w.lblPictureSet[set], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        else
            tv::test::click(w.rbPictureSet[set]);
        EXPECT_TRUE(w.rbPictureSet[set]->isChecked()) << set;
        EXPECT_EQ(w.pictureSet(), set);
        EXPECT_TRUE(sameStrip(w.MemoryGame1->Pictures(), TfrmRecreationsConcentration::pictureStrip(set))) << set;
        EXPECT_EQ(w.MemoryGame1->board().pairsLeft(), 12) << set;
        EXPECT_EQ(w.lblClock->text(), QStringLiteral("Seconds:  0")) << set;
        EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Click on two of the cards")) << set;
    }
    // The chosen set once more, by button and by caption: the game goes on.
    const auto where = places(*w.MemoryGame1);
    turnTwo(w.MemoryGame1, where.at(1)[0], where.at(1)[1]);
    tv::test::click(w.rbPictureSet[0]);
    QTest::mouseClick(w.lblPictureSet[0], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(w.MemoryGame1->board().pairsLeft(), 11);
}

TEST(ConcentrationPictures, EveryStripHasABackAndTwelveDistinctFaces)
{
    const QPixmap first = TfrmRecreationsConcentration::pictureStrip(0);
    for (int set = 0; set < 5; ++set) {
        const QPixmap strip = TfrmRecreationsConcentration::pictureStrip(set);
        ASSERT_EQ(strip.size(), QSize(13 * 70, 80)) << set;
        std::vector<QImage> cards;
        for (int i = 0; i < 13; ++i)
            cards.push_back(card(strip, i));
        EXPECT_EQ(differingPixels(cards[0], card(first, 0)), 0) << "one card back for every set";
        // Each face is drawn (a blank card would be the face's own corner
        // colour everywhere) and clearly unlike every other card of its set.
        for (int i = 1; i < 13; ++i) {
            QImage blank(70, 80, QImage::Format_ARGB32);
            blank.fill(cards[i].pixel(35, 6));
            EXPECT_GT(differingPixels(cards[i], blank), 60) << "set " << set << " face " << i;
            for (int j = 0; j < i; ++j)
                EXPECT_GT(differingPixels(cards[i], cards[j]), 60) << "set " << set << " cards " << j << " and " << i;
        }
    }
}

TEST(ConcentrationWindow, ThePlayAgainQuestionIsAYesNoQuestionUnderItsCaption)
{
    CaptionedQuestions boxes;
    TfrmRecreationsConcentration w;
    tv::test::showAndWait(w);
    const std::vector<Place> last = playAllButOne(w.MemoryGame1);
    turnTwo(w.MemoryGame1, last[0], last[1]);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].title, QStringLiteral("Congratulations!"));
    EXPECT_EQ(boxes.asked[0].text, QStringLiteral("Do you want to play again?"));
    EXPECT_EQ(boxes.asked[0].icon, tv::MessageBoxes::Icon::Question);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST(ConcentrationPictures, FacesAreRedInkOnACreamGround)
{
    for (int set = 0; set < 5; ++set) {
        const QPixmap strip = TfrmRecreationsConcentration::pictureStrip(set);
        for (int i = 1; i < 13; ++i) {
            const QImage face = card(strip, i);
            int ink = 0;
            int foreign = 0;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x) {
                    const QRgb p = face.pixel(x, y);
                    if (qAlpha(p) < 255)
                        continue; // the rounded corners outside the card
                    if (!redOnCream(p))
                        ++foreign;
                    else if (qRed(p) < 0xF0)
                        ++ink;
                }
            EXPECT_EQ(foreign, 0) << "set " << set << " face " << i;
            EXPECT_GT(ink, 100) << "set " << set << " face " << i;
            // The ground is cream: the middle of the card's left margin.
            EXPECT_EQ(QColor(face.pixel(4, 40)), QColor(0xFF, 0xF6, 0xDC)) << "set " << set << " face " << i;
        }
    }
}

TEST(ConcentrationWindow, RegisteredByClassNameAndFreshEachTime)
{
    tv::WindowRegistry registry;
    tv::registerConcentrationWindows(registry);
    tv::test::FakeActivityHost host;
    for (int i = 0; i < 2; ++i) {
        std::unique_ptr<QDialog> window(registry.create(QStringLiteral("TfrmRecreationsConcentration"), host));
        auto* w = qobject_cast<TfrmRecreationsConcentration*>(window.get());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parent(), &host.owner);
        EXPECT_EQ(w->pictureSet(), 0);
        EXPECT_EQ(w->MemoryGame1->board().pairsLeft(), 12);
        EXPECT_EQ(w->lblClock->text(), QStringLiteral("Seconds:  0"));
        // Play a pair and tick, so a second opening would show any leftover.
        const auto where = places(*w->MemoryGame1);
        turnTwo(w->MemoryGame1, where.at(2)[0], where.at(2)[1]);
        w->Timer1Timer();
    }
}
