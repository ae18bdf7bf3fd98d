// Window tests run headless: test discovery starts this program without the tests'
// environment, so the offscreen platform is chosen here when nothing else was.

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/ProgramStart.h"
#include "app/WindowTestSupport.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  StartProgram();
  SetUpWindowTestProgram();
  return RUN_ALL_TESTS();
}
