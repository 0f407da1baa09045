# kivo32 started as a batch export: with "/i=" and "/o=" it writes the CSV file without a window or a
# question, its labels in the program's language, and ends with exit code 0; an input it cannot read ends
# it with exit code 1 and no CSV file.
#   cmake -DPROGRAM=<kivo32> -DINPUT=<data file> -DSCRATCH=<folder> -P check_batch_export.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/home)
set(ENV{HOME} ${SCRATCH}/home)
set(ENV{XDG_CONFIG_HOME} ${SCRATCH}/home/.config)
set(ENV{XDG_DOCUMENTS_DIR} ${SCRATCH}/home/Documents)
set(ENV{QT_QPA_PLATFORM} offscreen)

# A question would wait for an answer: the time-out catches it.
execute_process(COMMAND ${PROGRAM} /i=${INPUT} /o=${SCRATCH}/written.csv
                RESULT_VARIABLE result TIMEOUT 60 OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "a batch export of a readable file ended with ${result}")
endif()
file(STRINGS ${SCRATCH}/written.csv lines LIMIT_COUNT 2)
list(GET lines 1 labels)
if(NOT labels MATCHES "^Setup Name,Memory Mode,")
    message(FATAL_ERROR "the CSV header has no labels: ${labels}")
endif()

execute_process(COMMAND ${PROGRAM} /i=${SCRATCH}/missing.kivo /o=${SCRATCH}/not-written.csv
                RESULT_VARIABLE result TIMEOUT 60 OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 1)
    message(FATAL_ERROR "a batch export of a missing file ended with ${result}")
endif()
if(EXISTS ${SCRATCH}/not-written.csv)
    message(FATAL_ERROR "a failed batch export left a CSV file")
endif()
file(REMOVE_RECURSE ${SCRATCH})
