# The Windows program (mingw-w64 cross build or MSVC) and, when asked for, its Win32 and end-to-end tests.
enable_language(RC)

option(SKYVARN_BUILD_TESTS "Build the Win32 and end-to-end tests" OFF)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

if(MSVC)
    add_compile_options(/W4 /WX /utf-8)
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options(-Wall -Wextra -Werror)
    # Small: no exceptions or type information (nothing uses them), each function in a section of its own
    # so that the linker drops what nothing calls, and the C runtime's own printf.
    add_compile_options(-Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections
                        -fno-asynchronous-unwind-tables)
    # The editor is optimised as one whole at link time (a sixth smaller); the objects also keep their
    # ordinary code, so that the tests and the check link them as they are, without that pass (which this
    # compiler fails on for the check's code).
    add_compile_options(-flto -ffat-lto-objects)
    add_link_options(-fno-lto)
    # In one partition: split in two, this compiler fails on code that one part calls in the other (an
    # internal error in binds_to_current_def_p).
    set(WHOLE_PROGRAM -flto -flto-partition=one)
    add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 _GLIBCXX_ASSERTIONS)
    # Everything static: the program must run with nothing but the DLLs Windows ships.
    add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections $<$<CONFIG:Release>:-s>)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The version resource takes the project's VERSION, so that it is said in one place.
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

# The resource compiler does not report what the script includes; name it, so that an edited manifest,
# icon or identifier header rebuilds the programs.
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/skyvarn.ico;${CMAKE_SOURCE_DIR}/resources/skyvarn-config.manifest;${CMAKE_BINARY_DIR}/generated/version.h")

add_library(skyvarn_program STATIC ${PORTABLE_SOURCES} ${PROGRAM_SOURCES})
target_include_directories(skyvarn_program PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources
                                                  ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(skyvarn_program PUBLIC comctl32 uxtheme user32 advapi32 kernel32)

add_executable(skyvarn-config WIN32 app/main.cpp app/runtime.cpp ${RESOURCE_SCRIPT})
target_link_libraries(skyvarn-config PRIVATE skyvarn_program)
# The editor's command-line twin: a console program of its own folder, over the editor's code and resources.
add_library(skyvarn_check STATIC ${CHECK_SOURCES})
target_link_libraries(skyvarn_check PUBLIC skyvarn_program)
add_executable(skyvarn-check check/main.cpp app/runtime.cpp ${RESOURCE_SCRIPT})
target_link_libraries(skyvarn-check PRIVATE skyvarn_check)
target_compile_definitions(skyvarn-check PRIVATE SKYVARN_CHECK_PROGRAM)
if(MSVC)
    target_link_options(skyvarn-config PRIVATE /MANIFEST:NO)
    target_link_options(skyvarn-check PRIVATE /MANIFEST:NO)
else()
    target_link_options(skyvarn-config PRIVATE ${WHOLE_PROGRAM})
endif()

if(SKYVARN_BUILD_TESTS)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

    file(GLOB SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
    add_library(skyvarn_test_support STATIC ${SUPPORT_SOURCES})
    target_link_libraries(skyvarn_test_support PUBLIC skyvarn_check GTest::gtest)
    target_include_directories(skyvarn_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)

    # One executable per test file: each owns its directory and settings file. The Win32 tests link the
    # program's code and its real resources; the end-to-end tests drive the real program from outside.
    file(GLOB WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
    file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
    foreach(test_source IN LISTS WIN32_TESTS E2E_TESTS)
        get_filename_component(test_name ${test_source} NAME_WE)
        add_executable(${test_name} ${test_source} ${RESOURCE_SCRIPT})
        target_link_libraries(${test_name} PRIVATE skyvarn_test_support GTest::gtest_main)
        add_dependencies(${test_name} skyvarn-config)
    endforeach()

    # The benchmark (run by the host build's `benchmark` target, never as a test): the floor program made
    # from the editor's own templates, and an empty dialog for reference.
    add_executable(bench_floor WIN32 tools/bench/floor.cpp ${RESOURCE_SCRIPT})
    target_include_directories(bench_floor PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(bench_floor PRIVATE comctl32)
    add_executable(bench_baseline WIN32 tools/bench/baseline.cpp tools/bench/baseline.rc)
    target_link_libraries(bench_baseline PRIVATE comctl32)
    add_executable(benchmark tools/bench/benchmark.cpp ${RESOURCE_SCRIPT})
    target_link_libraries(benchmark PRIVATE skyvarn_test_support)
    target_include_directories(benchmark PRIVATE ${CMAKE_SOURCE_DIR}/tools)
    add_dependencies(benchmark skyvarn-config bench_baseline bench_floor)

    # The write path on real file systems, driven by the scripts of tests/fs.
    add_executable(fs_driver tests/fs/fs_driver.cpp)
    target_link_libraries(fs_driver PRIVATE skyvarn_program)

    # The user guide's screenshots (scripts/screenshots.sh).
    add_executable(screenshots tools/screenshots/screenshots.cpp)
    target_link_libraries(screenshots PRIVATE skyvarn_test_support)
    target_include_directories(screenshots PRIVATE ${CMAKE_SOURCE_DIR}/tools)
    add_dependencies(screenshots skyvarn-config)
endif()
