# Helpers that give every library and test program of the tree the same shape.
include(GoogleTest)

# How many test files compile together (kivo_test).
set(KIVO_TEST_BATCH_SIZE 8)

# Errors only with KIVO_WERROR (the COMPILE_WARNING_AS_ERROR property), never by a flag here.
set(KIVO_WARNINGS -Wall -Wextra)

# The Qt headers that most window code includes. Parsing them is three quarters of the time a Qt source
# takes to compile, so they are compiled once per build type of code: kivo_qt_pch for the Qt libraries,
# kivo_test_support_ui for the Qt test programs.
set(KIVO_QT_PRECOMPILED_HEADERS
    <QApplication> <QButtonGroup> <QCheckBox> <QClipboard> <QCloseEvent> <QColor> <QComboBox>
    <QCoreApplication> <QDialog> <QDialogButtonBox> <QEvent> <QEventLoop> <QFileDialog> <QFontMetrics>
    <QFormLayout> <QGridLayout> <QGroupBox> <QGuiApplication> <QHBoxLayout> <QHeaderView> <QKeyEvent>
    <QLabel> <QLineEdit> <QListWidget> <QMdiArea> <QMenu> <QMouseEvent> <QObject> <QPainter> <QPixmap>
    <QPlainTextEdit> <QPointer> <QPrinter> <QProgressBar> <QPushButton> <QRadioButton> <QScreen>
    <QScrollBar> <QSettings> <QSize> <QSpinBox> <QStatusBar> <QString> <QStyle> <QThread> <QTimer>
    <QVBoxLayout> <QWidget>)

# The standard headers that most code without Qt includes. Parsing them is about half the time such a
# source takes to compile, so they are compiled once per build for every library without Qt.
set(KIVO_CORE_PRECOMPILED_HEADERS
    <algorithm> <array> <atomic> <chrono> <cstdint> <cstdio> <cstring> <filesystem> <functional> <memory>
    <mutex> <optional> <span> <string> <string_view> <vector>)

# kivo_precompiled_header(<target> HEADERS <headers>... LINK <libraries>...)
# The target whose precompiled headers libraries reuse (kivo_library); its flags are such a library's.
function(kivo_precompiled_header target)
    cmake_parse_arguments(ARG "" "" "HEADERS;LINK" ${ARGN})
    # CMake precompiles for a target with sources only: an empty one serves.
    set(source ${CMAKE_BINARY_DIR}/${target}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "")
    add_library(${target} OBJECT ${source})
    target_compile_options(${target} PRIVATE ${KIVO_WARNINGS})
    target_link_libraries(${target} PUBLIC ${ARG_LINK})
    target_precompile_headers(${target} PRIVATE ${ARG_HEADERS})
endfunction()

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
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        target_precompile_headers(${target} REUSE_FROM kivo_qt_pch)
    else()
        target_precompile_headers(${target} REUSE_FROM kivo_core_pch)
    endif()
endfunction()

# kivo_test_compile_options(<target>)
# How test code compiles. One precompiled header serves every test program, so they all share these:
# position-independent (as the Qt programs must be) and, in RelWithDebInfo, no full optimisation (the
# code under test keeps the build's own).
function(kivo_test_compile_options target)
    # -fPIC as Qt's programs must compile: the property would give executables -fPIE instead.
    target_compile_options(${target} PRIVATE ${KIVO_WARNINGS} -fPIC)
    if(CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo")
        target_compile_options(${target} PRIVATE -Og)
    endif()
endfunction()

# kivo_test(<target> LABEL <unit|integration|gui> DEPENDS <targets>... [THREAD_FREE <files>...])
# One test program of the calling folder's *_test.cpp files, each test registered with CTest. The gui
# ones are Qt programs (moc runs on them) and run offscreen. THREAD_FREE names the files whose tests start
# no thread (none calls pthread_create, counted over a whole run): the thread sanitizer proves nothing
# there, so its build leaves them out and the address-sanitizer build covers them.
function(kivo_test target)
    cmake_parse_arguments(ARG "" "LABEL" "DEPENDS;THREAD_FREE" ${ARGN})
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    foreach(file IN LISTS ARG_THREAD_FREE)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${file})
            message(FATAL_ERROR "${target}: THREAD_FREE names ${file}, which is not in the folder")
        endif()
        if(KIVO_TSAN)
            list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
        endif()
    endforeach()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} kivo_test_support)
    kivo_test_compile_options(${target})
    # The test files of the programs without Qt, which every sanitizer build compiles again, compile in
    # batches of a few: the templates their fixtures share are then compiled once a batch instead of once a
    # file, which more than halves the build of a test program. Names at file scope must therefore differ
    # between the files of such a folder.
    if(NOT ARG_LABEL STREQUAL "gui")
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${KIVO_TEST_BATCH_SIZE})
    endif()
    set(env "")
    # Compile time is most of a CI run: the test framework's header (and Qt's) is compiled once for all.
    if(ARG_LABEL STREQUAL "gui")
        target_precompile_headers(${target} REUSE_FROM kivo_test_support_ui)
    else()
        target_precompile_headers(${target} REUSE_FROM kivo_test_support)
    endif()
    if(ARG_LABEL STREQUAL "gui")
        set(env "QT_QPA_PLATFORM=offscreen")
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        # The translations beside the test program, where the program's own lookup finds them.
        kivo_stage_texts(${target}_texts ${CMAKE_CURRENT_BINARY_DIR}/texts)
        add_dependencies(${target} ${target}_texts)
    endif()
    gtest_discover_tests(${target}
        PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "${env}"
        DISCOVERY_TIMEOUT 60)
endfunction()

# kivo_stage_texts(<target> <folder>)
# A target that copies the text tables (resources/texts/<language>/*.txt) to <folder>/<language>/, where a
# program of the build tree finds them as it finds them installed.
function(kivo_stage_texts target folder)
    set(texts_source ${PROJECT_SOURCE_DIR}/resources/texts)
    file(GLOB_RECURSE texts CONFIGURE_DEPENDS RELATIVE ${texts_source} ${texts_source}/*.txt)
    set(staged "")
    foreach(text IN LISTS texts)
        add_custom_command(
            OUTPUT ${folder}/${text}
            COMMAND ${CMAKE_COMMAND} -E copy ${texts_source}/${text} ${folder}/${text}
            DEPENDS ${texts_source}/${text}
            VERBATIM)
        list(APPEND staged ${folder}/${text})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${staged})
endfunction()
