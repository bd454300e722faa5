# The main of Qt test programs (corvane_add_test ... QT): GoogleTest under a QApplication, headless on
# Qt's offscreen platform - the tests' environment says so, and the main falls back to it when nothing
# is set (test discovery runs the programs outside ctest).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_library(corvane_qt_test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/support/QtTestMain.cpp)
target_link_libraries(corvane_qt_test_main PUBLIC Qt6::Widgets Qt6::Test GTest::gtest PRIVATE corvane_warnings)
