# The Linux host build: native unit tests of the portable code under the sanitizers, the two Windows
# builds (64-bit for the tests under Wine, 32-bit i686 release), and every test registered with CTest.
include(ExternalProject)
enable_testing()

add_compile_options(-Wall -Wextra -Werror)

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

# --- native unit tests -----------------------------------------------------------------------------
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(skyvarn_portable STATIC ${PORTABLE_SOURCES} ${CHECK_PORTABLE_SOURCES})
target_include_directories(skyvarn_portable PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(skyvarn_portable PUBLIC ${SANITIZE})
target_link_options(skyvarn_portable PUBLIC ${SANITIZE})

file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
foreach(test_source IN LISTS NATIVE_TESTS)
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE skyvarn_portable GTest::gtest_main)
    add_test(NAME native.${test_name} COMMAND ${test_name})
    set_tests_properties(native.${test_name} PROPERTIES LABELS native TIMEOUT 120)
endforeach()

# --- the Windows builds ----------------------------------------------------------------------------
set(WIN64_DIR ${CMAKE_BINARY_DIR}/win64)
set(WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
foreach(arch IN ITEMS win64 win32)
    if(arch STREQUAL win64)
        set(toolchain ${CMAKE_SOURCE_DIR}/cmake/mingw-x86_64.cmake)
        set(with_tests ON)
    else()
        set(toolchain ${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake)
        set(with_tests OFF)
    endif()
    ExternalProject_Add(${arch}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/${arch}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${toolchain}
                   -DCMAKE_BUILD_TYPE=Release
                   -DSKYVARN_BUILD_TESTS=${with_tests}
                   -DGTEST_SOURCE_DIR=${GTEST_SOURCE_DIR}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        USES_TERMINAL_BUILD ON)
endforeach()

# --- tests under Wine -----------------------------------------------------------------------------
# One prefix under the build folder; the runner silences Wine's chatter unless a test fails.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)

add_test(NAME wine.prefix_up COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh up ${WINE_PREFIX})
add_test(NAME wine.prefix_down COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh down ${WINE_PREFIX})
set_tests_properties(wine.prefix_up PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine LABELS wine)
set_tests_properties(wine.prefix_down PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine LABELS wine)

# The end-to-end tests run once against the x64 build beside them and once against the shipped i686
# release, which they start in its place; the build is the second part of each test's name. The i686 runs
# need 32-bit Wine, which scripts/install-deps.sh installs where the kernel runs 32-bit programs; elsewhere
# they are skipped, saying so.
execute_process(COMMAND /usr/lib/wine/wine --version RESULT_VARIABLE WINE32_STATUS OUTPUT_QUIET ERROR_QUIET)
string(REPLACE "/" "\\" RELEASE_FOR_WINE "Z:${WIN32_DIR}/bin/skyvarn-config.exe")
file(GLOB WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
foreach(test_source IN LISTS WIN32_TESTS E2E_TESTS)
    get_filename_component(test_name ${test_source} NAME_WE)
    get_filename_component(test_dir ${test_source} DIRECTORY)
    get_filename_component(kind ${test_dir} NAME)
    set(builds x64)
    if(kind STREQUAL e2e)
        list(APPEND builds i686)
    endif()
    foreach(build IN LISTS builds)
        set(name ${kind}.${test_name})
        if(kind STREQUAL e2e)
            set(name ${kind}.${build}.${test_name})
        endif()
        set(runner ${WINE_RUN})
        if(build STREQUAL i686)
            set(runner ${WINE_RUN} --32-bit)
        endif()
        add_test(NAME ${name} COMMAND ${runner} ${WINE_PREFIX} ${WIN64_DIR}/bin/${test_name}.exe)
        # The program allows one instance per desktop, so the Wine tests take turns.
        set_tests_properties(${name} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK wine LABELS "${kind};${build}" TIMEOUT 120)
        if(build STREQUAL i686)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "SKYVARN_EDITOR=${RELEASE_FOR_WINE}"
                                 SKIP_RETURN_CODE 77)
        endif()
    endforeach()
endforeach()

# The release packages: `cmake --build build --target package` makes skyvarn-config-VERSION-win32.zip with
# the two 32-bit programs and skyvarn-config-VERSION-win64.zip with the two 64-bit ones (for a Wine that runs
# no 32-bit programs), each with a read-me that names the version and the operator's guide with its pictures.
set(PACKAGE_PREFIX skyvarn-config-${PROJECT_VERSION})
foreach(arch IN ITEMS win32 win64)
    if(arch STREQUAL win32)
        set(PACKAGE_BITS 32-bit)
    else()
        set(PACKAGE_BITS 64-bit)
    endif()
    set(PACKAGE_FILE ${PACKAGE_PREFIX}-${arch})
    # The read-me for Windows' own text editors: CR LF line ends.
    configure_file(${CMAKE_SOURCE_DIR}/docs/readme.txt.in ${CMAKE_BINARY_DIR}/release/${arch}/README.txt
                   @ONLY NEWLINE_STYLE CRLF)
    # Each package unpacks into a folder of its own name.
    install(PROGRAMS ${CMAKE_BINARY_DIR}/${arch}/bin/skyvarn-config.exe ${CMAKE_BINARY_DIR}/${arch}/bin/skyvarn-check.exe
            DESTINATION ${PACKAGE_FILE} COMPONENT ${arch})
    install(FILES ${CMAKE_BINARY_DIR}/release/${arch}/README.txt ${CMAKE_SOURCE_DIR}/docs/guide.html
            DESTINATION ${PACKAGE_FILE} COMPONENT ${arch})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots DESTINATION ${PACKAGE_FILE} COMPONENT ${arch})
    string(TOUPPER ${arch} component)
    set(CPACK_ARCHIVE_${component}_FILE_NAME ${PACKAGE_FILE})
endforeach()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME skyvarn-config)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL win32 win64)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
include(CPack)

# Both packages made and unpacked into a folder of the test run's own, and their contents checked (the
# programs in them are the ones the end-to-end tests start).
set(PACKAGE_TEST_DIR ${CMAKE_BINARY_DIR}/package-test)
add_test(NAME release.package
         COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                 -DOUT=${PACKAGE_TEST_DIR} -DPREFIX=${PACKAGE_PREFIX} -DVERSION=${PROJECT_VERSION}
                 -DSCREENSHOTS=${CMAKE_SOURCE_DIR}/docs/screenshots -P ${CMAKE_SOURCE_DIR}/tests/release/package.cmake)
set_tests_properties(release.package PROPERTIES LABELS release)

# The write path on real file systems: scripts that mount small ones in a scratch folder (as root; skipped
# otherwise) and run the driver under Wine, each in a prefix of its own. The kill test's seed and count of
# kills per file system are in its name; each of its rounds starts the driver under Wine (0.6 to 1.4 s here
# alone), and the count keeps it well inside its limit on a machine busy with other builds and tests.
set(FS_DIR ${CMAKE_SOURCE_DIR}/tests/fs)
set(FS_DRIVER ${WIN64_DIR}/bin/fs_driver.exe)
add_test(NAME fs.links_modes COMMAND ${FS_DIR}/links_modes.sh ${FS_DRIVER} ${CMAKE_BINARY_DIR}/fsprefix-links)
add_test(NAME fs.full_disk COMMAND ${FS_DIR}/full_disk.sh ${FS_DRIVER} ${CMAKE_BINARY_DIR}/fsprefix-full)
add_test(NAME fs.kill_seed26_count12 COMMAND ${FS_DIR}/kill.sh ${FS_DRIVER} ${CMAKE_BINARY_DIR}/fsprefix-kill 26 12)
# Writers started together on one folder, under one Wine server and under two; its seed and rounds in its name.
add_test(NAME fs.race_seed33_count10
         COMMAND ${FS_DIR}/race.sh ${WIN64_DIR}/bin/skyvarn-check.exe ${CMAKE_BINARY_DIR}/fsprefix-race 33 10)
set_tests_properties(fs.links_modes fs.full_disk fs.kill_seed26_count12 fs.race_seed33_count10 PROPERTIES
    LABELS fs SKIP_RETURN_CODE 77 TIMEOUT 300)

# The release build's imports are checked by a test of its own.
add_test(NAME release.imports
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh ${WIN32_DIR}/bin/skyvarn-config.exe
                 ${WIN64_DIR}/bin/skyvarn-config.exe)
set_tests_properties(release.imports PROPERTIES LABELS release)
add_test(NAME release.size COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-size.sh ${WIN32_DIR}/bin/skyvarn-config.exe 102400)
set_tests_properties(release.size PROPERTIES LABELS release)

# The web mode (run.sh --web) driven through noVNC in headless Chromium, with a Wine prefix of its own;
# its setup installs the web mode's packages, Chromium and playwright-core, so it may take a while once.
set(WEB_TEST_DIR ${CMAKE_BINARY_DIR}/web-test)
# The release where 32-bit Wine runs, else the 64-bit build of the same sources.
set(RELEASE_BIN ${WIN32_DIR}/bin)
if(NOT WINE32_STATUS EQUAL 0)
    set(RELEASE_BIN ${WIN64_DIR}/bin)
endif()
add_test(NAME web.setup COMMAND ${CMAKE_SOURCE_DIR}/tests/web/setup.sh ${CMAKE_SOURCE_DIR} ${WEB_TEST_DIR})
set_tests_properties(web.setup PROPERTIES FIXTURES_SETUP web LABELS web TIMEOUT 1800)
add_test(NAME web.browser
         COMMAND node ${CMAKE_SOURCE_DIR}/tests/web/web_test.mjs ${CMAKE_SOURCE_DIR} ${WEB_TEST_DIR})
set_tests_properties(web.browser PROPERTIES FIXTURES_REQUIRED web LABELS web TIMEOUT 600)

# The operator's scripts (run.sh, check.sh) as an operator runs them, each part on a display and a Wine
# prefix of its own, so beside the other tests.
foreach(part IN ITEMS run check)
    add_test(NAME scripts.${part} COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/operator_test.sh ${part})
    set_tests_properties(scripts.${part} PROPERTIES LABELS scripts TIMEOUT 300)
endforeach()

# Start-up and Build INI File against their baselines, under Wine on a virtual display: `cmake --build
# build --target benchmark`. Not a test: it measures, and prints ratios.
add_custom_target(benchmark
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/benchmark.sh ${CMAKE_BINARY_DIR}
    DEPENDS win64
    USES_TERMINAL)

# The Ansible collection (ansible/): its module over a fleet of local hosts, several at once and without
# any display, and its documentation read back by ansible-doc. The setup installs Debian's ansible-core
# and makes the tests' Wine prefix headless as the README tells operators to.
set(ANSIBLE_TEST_DIR ${CMAKE_BINARY_DIR}/ansible-test)
add_test(NAME ansible.setup
         COMMAND ${CMAKE_SOURCE_DIR}/tests/ansible/setup.sh ${CMAKE_SOURCE_DIR} ${ANSIBLE_TEST_DIR})
set_tests_properties(ansible.setup PROPERTIES FIXTURES_SETUP ansible LABELS ansible TIMEOUT 900)
add_test(NAME ansible.fleet
         COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/ansible/fleet_test.py ${CMAKE_SOURCE_DIR} ${ANSIBLE_TEST_DIR}
                 ${RELEASE_BIN}/skyvarn-check.exe wine
                 ${ANSIBLE_TEST_DIR}/wineprefix)
add_test(NAME ansible.doc
         COMMAND ${CMAKE_SOURCE_DIR}/tests/ansible/doc_test.sh ${CMAKE_SOURCE_DIR} ${ANSIBLE_TEST_DIR})
set_tests_properties(ansible.fleet ansible.doc PROPERTIES FIXTURES_REQUIRED ansible LABELS ansible TIMEOUT 600)
