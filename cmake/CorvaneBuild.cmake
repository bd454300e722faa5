# Shared build settings: one warnings target every layer links, the sanitizer switch, and the one
# helper that adds a test program with its layer label.

add_library(corvane_warnings INTERFACE)
add_library(Corvane::warnings ALIAS corvane_warnings)
target_compile_options(corvane_warnings INTERFACE -Wall -Wextra -Werror)
# GCC 12 reports false -Wrestrict overlaps inside std::string's operator+ at -O3 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(corvane_warnings INTERFACE -Wno-restrict)
endif()

if(CORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# corvane_link_exports(target map): a shared library exports what the version script `map` names and
# keeps every other symbol local. Undefined symbols are link errors, except under clang's sanitizers,
# whose runtime comes with the executable.
function(corvane_link_exports target map)
    target_link_options(${target} PRIVATE -Wl,--version-script=${map})
    if(NOT (CORVANE_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang"))
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
endfunction()

# corvane_add_test(NAME name LAYER layer SOURCES ... LIBS ... [QT])
# QT: the program runs GoogleTest under a QApplication (corvane_qt_test_main) on Qt's offscreen
# platform, so control tests run headless.
function(corvane_add_test)
    cmake_parse_arguments(T "QT" "NAME;LAYER" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} corvane_test_support GTest::gtest corvane_warnings)
    set(environment "")
    if(T_QT)
        target_link_libraries(${T_NAME} PRIVATE corvane_qt_test_main)
        set(environment "QT_QPA_PLATFORM=offscreen")
    else()
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${T_NAME} PROPERTIES LABELS ${T_LAYER} ENVIRONMENT "${environment}" DISCOVERY_TIMEOUT 60)
endfunction()
