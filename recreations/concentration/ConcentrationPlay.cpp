#include "recreations/concentration/ConcentrationPlay.h"

namespace tv::concentration {

const std::array<PictureSet, 5> kPictureSets = {{
    {"Geometric Figures", ":/concentration/geometric.svg"},
    {"Number Terms", ":/concentration/numberterms.svg"},
    {"Fractions", ":/concentration/fractions.svg"},
    {"Fractions, Decimals and Percent Terms", ":/concentration/values.svg"},
    {"School Subjects", ":/concentration/subjects.svg"},
}};

void ConcentrationPlay::newGame()
{
    status_ = clickTwoText();
    seconds_ = 0;
    running_ = true;
}

void ConcentrationPlay::endOfGame()
{
    status_ = wonText();
    running_ = false;
}

void ConcentrationPlay::tick()
{
    if (running_)
        ++seconds_;
}

QString ConcentrationPlay::clockText() const
{
    if (seconds_ == 0)
        return QStringLiteral("Seconds:  0");
    return QStringLiteral("Seconds: ") + QString::number(seconds_);
}

} // namespace tv::concentration
