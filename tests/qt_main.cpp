// Runs a GoogleTest suite inside a QApplication on the offscreen platform: real widgets, no
// display.
#include "shell/fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::SetProgramFonts(); // as the program does
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
