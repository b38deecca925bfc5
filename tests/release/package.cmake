# Makes the release package as `cmake --build build --target package` does, but into a folder of its own,
# and unpacks it there for the end-to-end test that starts both programs from the unpacked folder.
# cmake -DCPACK=... -DBUILD=<build folder> -DOUT=<folder> -DNAME=<package name> -P package.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed (${status})")
endif()
file(GLOB made RELATIVE ${OUT} ${OUT}/*.zip)
if(NOT made STREQUAL "${NAME}.zip")
    message(FATAL_ERROR "the package is '${made}', not ${NAME}.zip")
endif()
file(MAKE_DIRECTORY ${OUT}/unpacked)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${OUT}/${NAME}.zip WORKING_DIRECTORY ${OUT}/unpacked
                RESULT_VARIABLE status)
file(GLOB_RECURSE unpacked RELATIVE ${OUT}/unpacked ${OUT}/unpacked/*)
list(SORT unpacked)
string(REPLACE ";" "\n  " listed "${unpacked}")
message(STATUS "${NAME}.zip holds:\n  ${listed}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the package could not be unpacked (${status})")
endif()
