# Debian binary packages through CPack (scripts/package builds them): one package per install
# component, with dependencies on the system's libraries from dpkg-shlibdeps.
#
#   libcorvane1     Runtime      the shared libraries and their registry entry
#   libcorvane-dev  Development  headers, link names, CMake package, pkg-config files
#   corvane-tools   Tools        corvcal, corvobj, corvreg and their man pages

set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <corvane-devel@lists.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese lunisolar calendar controls and calendar library")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_COMPONENTS_ALL Runtime Development Tools)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcorvane1 carries a shlibs file, so packages built against it get their dependency.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg-shlibdeps meets Corvane's own libraries in the build tree; the dependencies between the
# packages come from the components instead.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${PROJECT_BINARY_DIR}/calendar ${PROJECT_BINARY_DIR}/platform/automation ${PROJECT_BINARY_DIR}/library)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libcorvane1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Corvane shared libraries\n libcorvane-calendar (the lunisolar calendar), libcorvane-host (the host side\n of the C ABI) and libcorvane (the controls and CQxCal, created by ProgID).")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libcorvane-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Corvane development files\n Headers, CMake package (find_package(Corvane)) and pkg-config files.")
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME corvane-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
    "Corvane command-line tools\n corvcal (the calendar in a terminal), corvobj (object browser), corvreg\n (registration of Corvane libraries).")
set(CPACK_COMPONENT_TOOLS_DEPENDS Runtime)

# The system registry the install step writes is configuration: dpkg keeps an administrator's edits.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(WRITE ${PROJECT_BINARY_DIR}/debian-runtime/conffiles "/etc/xdg/corvane/registry\n")
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian-runtime/conffiles)
endif()

include(CPack)
