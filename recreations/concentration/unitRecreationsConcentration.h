#pragma once
// The Concentration memory game window: the student chooses one of five
// picture sets and clears the board of pairs against a seconds clock.
#include "recreations/concentration/ConcentrationPlay.h"

#include <array>

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tv {
class EffectLabel;
}

namespace tv::concentration {

class TMemoryGame;

class TfrmRecreationsConcentration : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRecreationsConcentration(QWidget* parent = nullptr);

    // A picture set's strip as the board uses it (card back first).
    static QPixmap pictureStrip(int set);
    const ConcentrationPlay& play() const { return play_; }
    int pictureSet() const { return pictureSet_; }

    tv::EffectLabel* lblFormTitle;
    QLabel* lblSelect;
    // The picture-set choices; each caption is a label beside its button so
    // the long captions can wrap.
    std::array<QRadioButton*, 5> rbPictureSet{};
    std::array<QLabel*, 5> lblPictureSet{};
    QPushButton* btnNewGame;
    tv::EffectLabel* lblStatus;
    QLabel* lblClock;
    TMemoryGame* MemoryGame1;
    QTimer* Timer1;

public slots:
    void btnNewGameClick();
    void rbPictureSetClick(int set);
    void MemoryGame1NewGame();
    void MemoryGame1GoodMove();
    void MemoryGame1BadMove();
    void MemoryGame1EndOfGame();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showPlay();

    ConcentrationPlay play_;
    int pictureSet_ = -1;
    bool centred_ = false;
};

} // namespace tv::concentration
