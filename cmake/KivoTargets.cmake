# Helpers that give every library and test program of the tree the same shape.
include(GoogleTest)

set(KIVO_WARNINGS -Wall -Wextra -Werror)

# kivo_library(<target> [QT] [DEPENDS <targets>...])
# A static library of the .cpp files of the calling folder; includes are written from the tree's root.
function(kivo_library target)
    cmake_parse_arguments(ARG "QT" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${KIVO_WARNINGS})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} Threads::Threads)
    if(ARG_QT)
        target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
    endif()
endfunction()

# kivo_test(<target> LABEL <unit|integration|gui> DEPENDS <targets>...)
# One test program of the calling folder's *_test.cpp files, each test registered with CTest.
function(kivo_test target)
    cmake_parse_arguments(ARG "" "LABEL" "DEPENDS" ${ARGN})
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    add_executable(${target} ${sources})
    target_compile_options(${target} PRIVATE ${KIVO_WARNINGS})
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} kivo_test_support)
    set(env "")
    if(ARG_LABEL STREQUAL "gui")
        set(env "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${target}
        PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "${env}"
        DISCOVERY_TIMEOUT 60)
endfunction()
