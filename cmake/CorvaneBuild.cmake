# Shared build settings: one warnings target every layer links, the sanitizer switch, and the one
# helper that adds a test program with its layer label.

add_library(corvane_warnings INTERFACE)
add_library(Corvane::warnings ALIAS corvane_warnings)
target_compile_options(corvane_warnings INTERFACE -Wall -Wextra -Werror)

if(CORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# corvane_add_test(NAME name LAYER layer SOURCES ... LIBS ...)
function(corvane_add_test)
    cmake_parse_arguments(T "" "NAME;LAYER" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} corvane_test_support GTest::gtest GTest::gtest_main corvane_warnings)
    gtest_discover_tests(${T_NAME} PROPERTIES LABELS ${T_LAYER} DISCOVERY_TIMEOUT 60)
endfunction()
