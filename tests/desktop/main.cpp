// The desktop tests' main(): one QApplication for the whole run. Without an X display
// (outside scripts/with-desktop.sh) Qt runs offscreen and the X11 tests skip themselves.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
