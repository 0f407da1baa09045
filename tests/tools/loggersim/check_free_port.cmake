# kivo-loggersim --tcp=0 listens on a port the system chose and prints it, so that several run at once.
#   cmake -DPROGRAM=<kivo-loggersim> -P check_free_port.cmake
# The simulator runs until stopped: the time-out stops it once it has printed its port.
execute_process(COMMAND ${PROGRAM} --tcp=0 OUTPUT_VARIABLE printed ERROR_VARIABLE errors TIMEOUT 1)
if(NOT printed MATCHES "listening on 127\\.0\\.0\\.1:([0-9]+)" OR CMAKE_MATCH_1 EQUAL 0)
    message(FATAL_ERROR "no chosen port printed: '${printed}' '${errors}'")
endif()
