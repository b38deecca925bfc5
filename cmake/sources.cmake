# Code without any Win32 dependency: built into the program and, natively, into the unit tests.
set(PORTABLE_SOURCES
    settings/ini_text.cpp
    settings/settings_text.cpp
    settings/line_diff.cpp
    settings/section_list.cpp
    settings/value_text.cpp
    settings/aircraft_value.cpp
    targets/target_catalogue.cpp
    targets/target_catalogue_data.cpp
    targets/target_names.cpp
    registration/list_entry.cpp
    app/check_options.cpp
)

# Everything else in the four code folders is the Win32 program; main.cpp and check_main.cpp hold only the
# entry points of the editor and of its dry run, so that the tests can link the rest with the real resources.
file(GLOB PROGRAM_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/../app/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../settings/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../targets/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../registration/*.cpp)
list(FILTER PROGRAM_SOURCES EXCLUDE REGEX "/app/(check_main|main|runtime)\\.cpp$")

set(RESOURCE_SCRIPT resources/skyvarn.rc)
