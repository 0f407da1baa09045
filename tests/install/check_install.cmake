# Installs the build tree into a scratch prefix and checks what lands there: the programs in bin/, the
# text tables and the user guide of each language, the pictures and the udev rules in share/kivo/, and no program that names the source or
# build tree (its files must be found beside it, wherever it is installed); kivo32's desktop entry, which
# starts the installed program with the files it is given and offers it for the file types installed
# beside it; teldrin's systemd unit starts the teldrin of that prefix, and starts it without the file of its
# list's path too.
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPREFIX=<scratch prefix> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected bin/kivo32 bin/kivo-loggersim share/kivo/udev/70-kivo-logger.rules share/kivo/user-guide.pdf
             share/kivo/guide-utilisateur.pdf share/applications/kivo32.desktop share/mime/packages/kivo32.xml
             share/kivo/systemd/teldrin.service)
file(GLOB languages RELATIVE ${SOURCE_DIR}/resources/texts ${SOURCE_DIR}/resources/texts/*)
foreach(language IN LISTS languages)
    file(GLOB texts RELATIVE ${SOURCE_DIR}/resources/texts ${SOURCE_DIR}/resources/texts/${language}/*.txt)
    list(TRANSFORM texts PREPEND share/kivo/texts/)
    list(APPEND expected ${texts})
endforeach()
file(GLOB pictures RELATIVE ${SOURCE_DIR}/resources ${SOURCE_DIR}/resources/pictures/*)
list(TRANSFORM pictures PREPEND share/kivo/)
list(APPEND expected ${pictures})
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/kivo32.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${PREFIX}/bin/kivo32\" %F")
    message(FATAL_ERROR "the desktop entry does not start the installed kivo32 with its files: ${exec}")
endif()
file(READ ${PREFIX}/share/applications/kivo32.desktop entry)
file(READ ${PREFIX}/share/mime/packages/kivo32.xml mime)
foreach(type IN ITEMS application/x-kivo-data application/x-kivo-setup-table)
    if(NOT entry MATCHES "\nMimeType=([^\n]*;)?${type};" OR NOT mime MATCHES "type=\"${type}\"")
        message(FATAL_ERROR "the file type ${type} is not both offered and installed")
    endif()
endforeach()
set(unit ${PREFIX}/share/kivo/systemd/teldrin.service)
file(STRINGS ${unit} started REGEX "^ExecStart=")
if(NOT started STREQUAL "ExecStart=${PREFIX}/bin/teldrin \${TELDRIN_LIST}")
    message(FATAL_ERROR "the systemd unit does not start the installed teldrin: ${started}")
endif()
file(STRINGS ${unit} environment REGEX "^EnvironmentFile=")
if(NOT environment MATCHES "^EnvironmentFile=-")
    message(FATAL_ERROR "the systemd unit fails when its environment file is missing: ${environment}")
endif()

file(GLOB programs ${PREFIX}/bin/*)
foreach(tree IN ITEMS ${SOURCE_DIR} ${BUILD_DIR})
    string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" pattern "${tree}")
    foreach(program IN LISTS programs)
        file(STRINGS ${program} named REGEX "${pattern}")
        if(named)
            list(GET named 0 first)
            message(FATAL_ERROR "${program} names the tree it was built from: ${first}")
        endif()
    endforeach()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
