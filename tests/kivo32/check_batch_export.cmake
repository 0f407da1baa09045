# kivo32 started as a batch export: with "/i=" and "/o=" it writes the CSV file without a window or a
# question, its labels in the program's language, and ends with exit code 0, whatever characters the names
# hold; a link as target is followed to its file. A failure ends it with exit code 1, one line on standard
# error saying why, no CSV file and the input as it was.
#   cmake -DPROGRAM=<kivo32> -DINPUT=<data file> -DSCRATCH=<folder> -P check_batch_export.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/home)
set(ENV{HOME} ${SCRATCH}/home)
set(ENV{XDG_CONFIG_HOME} ${SCRATCH}/home/.config)
set(ENV{XDG_DOCUMENTS_DIR} ${SCRATCH}/home/Documents)
set(ENV{QT_QPA_PLATFORM} offscreen)
# Qt's own warning about a missing runtime folder would mix with what the program says.
file(MAKE_DIRECTORY ${SCRATCH}/runtime)
file(CHMOD ${SCRATCH}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${SCRATCH}/runtime)
set(ENV{LC_ALL} C.UTF-8)

# Runs the export, which must end with `expected`; `errors` takes its standard error. A question would
# wait for an answer: the time-out catches it.
function(export_batch expected input output)
    execute_process(COMMAND ${PROGRAM} /i=${input} /o=${output}
                    RESULT_VARIABLE result ERROR_VARIABLE text TIMEOUT 60 OUTPUT_QUIET)
    if(NOT result EQUAL expected)
        message(FATAL_ERROR "a batch export of ${input} into ${output} ended with ${result}: ${text}")
    endif()
    set(errors "${text}" PARENT_SCOPE)
endfunction()

function(expect_written input output)
    export_batch(0 ${input} ${output})
    file(STRINGS ${output} lines LIMIT_COUNT 2)
    list(GET lines 1 labels)
    if(NOT labels MATCHES "^Setup Name,Memory Mode,")
        message(FATAL_ERROR "the CSV header of ${output} has no labels: ${labels}")
    endif()
endfunction()

function(expect_refused input output)
    export_batch(1 ${input} ${output})
    if(NOT errors MATCHES "^[^\n]+\n$")
        message(FATAL_ERROR "a failed batch export into ${output} said no single line why: '${errors}'")
    endif()
endfunction()

expect_written(${INPUT} ${SCRATCH}/written.csv)

# Names with letters beyond ASCII, for input and output.
set(folder "${SCRATCH}/dätä 日本語")
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${INPUT} "${folder}/relevé 📈.kivo")
expect_written("${folder}/relevé 📈.kivo" "${folder}/export é.csv")

# A link as target: the file it leads to is written, the link stays.
file(MAKE_DIRECTORY ${SCRATCH}/real)
file(CREATE_LINK real/linked.csv ${SCRATCH}/link.csv SYMBOLIC)
expect_written(${INPUT} ${SCRATCH}/link.csv)
if(NOT IS_SYMLINK ${SCRATCH}/link.csv OR NOT EXISTS ${SCRATCH}/real/linked.csv)
    message(FATAL_ERROR "a batch export through a link replaced the link")
endif()

# The longest name the folder takes.
string(REPEAT "n" 251 long)
expect_written(${INPUT} ${SCRATCH}/${long}.csv)

expect_refused(${SCRATCH}/missing.kivo ${SCRATCH}/not-written.csv)
if(EXISTS ${SCRATCH}/not-written.csv)
    message(FATAL_ERROR "a failed batch export left a CSV file")
endif()

# Its own input as target, also through another path or a link: refused, the data file kept.
file(COPY_FILE ${INPUT} ${SCRATCH}/own.kivo)
file(SHA256 ${SCRATCH}/own.kivo before)
file(CREATE_LINK own.kivo ${SCRATCH}/own-link.kivo SYMBOLIC)
foreach(target ${SCRATCH}/own.kivo ${SCRATCH}/real/../own.kivo ${SCRATCH}/own-link.kivo)
    expect_refused(${SCRATCH}/own.kivo ${target})
endforeach()
file(SHA256 ${SCRATCH}/own.kivo after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "a batch export onto its own input changed it")
endif()

# A device as target is no file to replace; nor is a folder.
expect_refused(${INPUT} /dev/null)
expect_refused(${INPUT} ${SCRATCH}/real)
file(REMOVE_RECURSE ${SCRATCH})
