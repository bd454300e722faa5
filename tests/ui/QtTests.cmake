# Qt test programs: GoogleTest under a main that runs a QApplication. They run headless on Qt's
# offscreen platform: the tests' environment says so, and the main falls back to it when nothing is
# set (test discovery runs the programs outside ctest).
find_package(Qt6 REQUIRED COMPONENTS Test)

add_library(corvane_qt_test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/support/QtTestMain.cpp)
target_link_libraries(corvane_qt_test_main PUBLIC Qt6::Widgets Qt6::Test GTest::gtest PRIVATE corvane_warnings)

# corvane_add_qt_test(NAME name LAYER layer SOURCES ... LIBS ...)
function(corvane_add_qt_test)
    cmake_parse_arguments(T "" "NAME;LAYER" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} corvane_qt_test_main corvane_warnings)
    gtest_discover_tests(${T_NAME}
        PROPERTIES LABELS ${T_LAYER} ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endfunction()
