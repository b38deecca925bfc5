# Makes the release packages as `cmake --build build --target package` does, but into a folder of its own,
# unpacks them there and checks what each holds: the two programs of its build, the read-me naming the
# version, the guide and its pictures.
# cmake -DCPACK=... -DBUILD=<build folder> -DOUT=<folder> -DPREFIX=skyvarn-config-VERSION -DVERSION=...
#       -DSCREENSHOTS=<the guide's pictures> -P package.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${OUT} RESULT_VARIABLE status)
file(GLOB made RELATIVE ${OUT} ${OUT}/*.zip)
list(SORT made)
if(NOT status EQUAL 0 OR NOT made STREQUAL "${PREFIX}-win32.zip;${PREFIX}-win64.zip")
    message(FATAL_ERROR "cpack ended with ${status} and made '${made}', not ${PREFIX}-win32.zip and -win64.zip")
endif()

file(GLOB pictures RELATIVE ${SCREENSHOTS} ${SCREENSHOTS}/*.png)
list(TRANSFORM pictures PREPEND screenshots/)
set(expected README.txt guide.html skyvarn-check.exe skyvarn-config.exe ${pictures})
list(SORT expected)
# The machine each build's programs are for, as file(1) names it.
set(builds win32 win64)
set(machines "PE32 executable .* Intel 80386" "PE32\\+ executable .* x86-64")
file(MAKE_DIRECTORY ${OUT}/unpacked)
foreach(arch machine IN ZIP_LISTS builds machines)
    set(name ${PREFIX}-${arch})
    set(folder ${OUT}/unpacked/${name})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${OUT}/${name}.zip WORKING_DIRECTORY ${OUT}/unpacked
                    RESULT_VARIABLE status)
    file(GLOB_RECURSE held RELATIVE ${folder} ${folder}/*)
    list(SORT held)
    if(NOT status EQUAL 0 OR NOT held STREQUAL expected)
        message(FATAL_ERROR "${name}.zip (unpacked with status ${status}) holds in ${name}/ '${held}', not '${expected}'")
    endif()
    foreach(program skyvarn-config.exe skyvarn-check.exe)
        execute_process(COMMAND file -b ${folder}/${program} OUTPUT_VARIABLE found)
        if(NOT found MATCHES "^${machine}")
            message(FATAL_ERROR "${name}/${program} is ${found}, not ${machine} (${arch})")
        endif()
    endforeach()
    # The read-me names the version and its package, in lines that end as Windows' own editors expect
    # (read as bytes: a text read drops the CRs).
    file(READ ${folder}/README.txt readme HEX)
    string(HEX ", version ${VERSION}\r\n${name}.zip: the" said)
    string(FIND "${readme}" "${said}" said_at)
    if(said_at EQUAL -1)
        message(FATAL_ERROR "${name}/README.txt does not name version ${VERSION} and ${name}.zip in CR LF lines")
    endif()
endforeach()
