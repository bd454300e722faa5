# What `cmake --install` puts where, in the GNU layout: the shared libraries with versioned SONAMEs,
# the public headers, the tools, an exported relocatable CMake package and pkg-config files, the man
# pages, the licence, and the registration of libcorvane.so.1 in the installation's system registry.
#
# Components, which CorvanePackaging.cmake turns into Debian packages:
#   Runtime      the libraries, the registry entry, the licence        (libcorvane1)
#   Development  headers, link names, CMake package, pkg-config files  (libcorvane-dev)
#   Tools        corvcal, corvobj, corvreg and their man pages          (corvane-tools)

set(CORVANE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Corvane)

if(CORVANE_INSTALL_RPATH)
    # Relative, so that an installed tree still works when it moves: programs look in their lib
    # folder, libraries beside themselves.
    file(RELATIVE_PATH libFromBin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
    set_target_properties(corvcal corvobj corvreg PROPERTIES INSTALL_RPATH "$ORIGIN/${libFromBin}")
    set_target_properties(corvane_calendar corvane_host_shared corvane PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()

# ---- libraries and headers ------------------------------------------------------------------------

install(TARGETS corvane_calendar corvane_host_shared
    EXPORT CorvaneTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development)
# Loaded by path through the registry by hosts; linked by Qt programs for its widgets (Corvane::Widgets).
if(CORVANE_WITH_QT)
    install(TARGETS corvane
        EXPORT CorvaneWidgetsExport
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development)
else()
    install(TARGETS corvane
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development)
endif()

# Only the public headers: the C ABI and its C++ wrapper, the calendar API and the widgets.
install(FILES
    ${PROJECT_SOURCE_DIR}/include/corvane/calendar.h
    ${PROJECT_SOURCE_DIR}/include/corvane/calendar.hpp
    ${PROJECT_SOURCE_DIR}/include/corvane/corvane.h
    ${PROJECT_SOURCE_DIR}/include/corvane/corvane.hpp
    ${CORVANE_WIDGET_HEADERS}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/corvane
    COMPONENT Development)

# ---- CMake package: find_package(Corvane 1.0 COMPONENTS Calendar Host Widgets) --------------------

install(EXPORT CorvaneTargets NAMESPACE Corvane:: DESTINATION ${CORVANE_CMAKE_DIR} COMPONENT Development)
if(CORVANE_WITH_QT)
    # find_package(Corvane COMPONENTS Widgets) finds CorvaneWidgetsTargets.cmake, which finds Qt first.
    install(EXPORT CorvaneWidgetsExport
        NAMESPACE Corvane::
        FILE CorvaneWidgetsExport.cmake
        DESTINATION ${CORVANE_CMAKE_DIR}
        COMPONENT Development)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/CorvaneWidgetsTargets.cmake
        DESTINATION ${CORVANE_CMAKE_DIR}
        COMPONENT Development)
endif()
include(CMakePackageConfigHelpers)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/CorvaneConfig.cmake.in
    ${PROJECT_BINARY_DIR}/CorvaneConfig.cmake
    INSTALL_DESTINATION ${CORVANE_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/CorvaneConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/CorvaneConfig.cmake ${PROJECT_BINARY_DIR}/CorvaneConfigVersion.cmake
    DESTINATION ${CORVANE_CMAKE_DIR}
    COMPONENT Development)

# ---- pkg-config: corvane-calendar, corvane-host ---------------------------------------------------

# The prefix is found from the .pc file's own folder, so the files follow a moved tree too.
file(RELATIVE_PATH CORVANE_PC_PREFIX_FROM_PCDIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" CORVANE_PC_PREFIX_FROM_PCDIR "${CORVANE_PC_PREFIX_FROM_PCDIR}")
foreach(pc corvane-calendar corvane-host)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
endforeach()

# ---- tools, man pages, licence --------------------------------------------------------------------

install(TARGETS corvcal corvobj corvreg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Tools)
# Every page under doc/man, as it is at install time.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/man/
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT Tools
    FILES_MATCHING PATTERN "*.1")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
    DESTINATION ${CMAKE_INSTALL_DOCDIR}
    COMPONENT Runtime)

# ---- registration -----------------------------------------------------------------------------------

# libcorvane.so.1 goes into the installation's system registry (see RegisterInstalledLibrary.cmake).
install(CODE "set(CORVANE_CORVREG \"$<TARGET_FILE:corvreg>\")
set(CORVANE_LIBRARY_FILE \"$<TARGET_SONAME_FILE_NAME:corvane>\")
set(CORVANE_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
set(CORVANE_SYSCONFDIR \"${CMAKE_INSTALL_SYSCONFDIR}\")"
    COMPONENT Runtime)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/RegisterInstalledLibrary.cmake COMPONENT Runtime)
