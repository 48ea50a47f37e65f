// Shared test entry: the program's own application object (with its
// exception handler and font substitutions) so widget tests run as the
// program does, headless.
#include "ui/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    tv::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
