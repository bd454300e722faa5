# Install step: registers the installed libcorvane.so.1 in the installation's system registry,
# <sysconfdir>/xdg/corvane/registry (/etc/xdg/corvane/registry for the prefix /usr), which hosts find
# through XDG_CONFIG_DIRS. Runs corvreg of the build tree. Under DESTDIR (a staged installation, as
# packaging makes) the registry and the library are taken under it and the library is recorded with
# the path it will have once installed.

if(IS_ABSOLUTE "${CORVANE_LIBDIR}")
    set(library "${CORVANE_LIBDIR}/${CORVANE_LIBRARY_FILE}")
else()
    set(library "${CMAKE_INSTALL_PREFIX}/${CORVANE_LIBDIR}/${CORVANE_LIBRARY_FILE}")
endif()
# GNU layout: the prefix /usr keeps its configuration in /etc.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(etc "/etc")
elseif(IS_ABSOLUTE "${CORVANE_SYSCONFDIR}")
    set(etc "${CORVANE_SYSCONFDIR}")
else()
    set(etc "${CMAKE_INSTALL_PREFIX}/${CORVANE_SYSCONFDIR}")
endif()
set(registry "${etc}/xdg/corvane/registry")

set(root)
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    get_filename_component(destdir "$ENV{DESTDIR}" ABSOLUTE)
    set(root --root "${destdir}")
endif()

message(STATUS "Registering: ${library} in ${registry}")
execute_process(COMMAND "${CORVANE_CORVREG}" ${root} --registry "${registry}" "${library}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot register ${library} in ${registry}:\n${output}")
endif()
