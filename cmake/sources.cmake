# Code without any Win32 dependency: built into the program and, natively, into the unit tests.
set(PORTABLE_SOURCES
    settings/ini_text.cpp
    settings/text_encoding.cpp
    settings/section_list.cpp
    settings/value_text.cpp
    settings/aircraft_value.cpp
    targets/target_catalogue.cpp
    targets/target_catalogue_data.cpp
    targets/target_rule.cpp
    registration/list_entry.cpp
)

# The command-line twin's own code without Win32, tested natively too.
set(CHECK_PORTABLE_SOURCES
    check/options.cpp
    check/line_diff.cpp
    check/target_names.cpp
)

# Everything else in the four code folders is the Win32 editor; main.cpp holds only its entry point, so that
# the tests can link the rest with the real resources. The command-line twin lives in check/.
file(GLOB PROGRAM_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/../app/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../settings/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../targets/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../registration/*.cpp)
list(FILTER PROGRAM_SOURCES EXCLUDE REGEX "/app/(main|runtime)\\.cpp$")
file(GLOB CHECK_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../check/*.cpp)
list(FILTER CHECK_SOURCES EXCLUDE REGEX "/check/main\\.cpp$")

set(RESOURCE_SCRIPT resources/skyvarn.rc)
