# What `cmake --install` puts under the prefix: the programs in bin/, their shared files (the text tables,
# the pictures, the user guides, the udev rules) in share/kivo/, kivo32's desktop entry and file types in
# share/applications/ and share/mime/packages/. A build tree holds the same share/kivo beside its
# programs' folders, so that a program finds its files at ../share/kivo from its own folder in both places.
include(GNUInstallDirs)

set(KIVO_SHARE_FOLDER ${CMAKE_INSTALL_DATADIR}/kivo)

foreach(program IN ITEMS kivo32 teldrin kivo-loggersim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

if(KIVO_WITH_QT)
    kivo_stage_texts(kivo_staged_texts ${CMAKE_BINARY_DIR}/share/kivo/texts)
    foreach(program IN ITEMS kivo32 teldrin)
        if(TARGET ${program})
            add_dependencies(${program} kivo_staged_texts)
        endif()
    endforeach()
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/texts DESTINATION ${KIVO_SHARE_FOLDER}
            FILES_MATCHING PATTERN "*.txt")

    # The program's pictures ("<id>.gif"), which CPictureDlg shows by id.
    file(GLOB pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/pictures/*)
    foreach(picture IN LISTS pictures)
        get_filename_component(name ${picture} NAME)
        configure_file(${picture} ${CMAKE_BINARY_DIR}/share/kivo/pictures/${name} COPYONLY)
    endforeach()
    install(FILES ${pictures} DESTINATION ${KIVO_SHARE_FOLDER}/pictures)

    # The CT catalogue of the setup form and its pictures, which the first run copies into the user data
    # folder's "Data" and "Images".
    set(catalogue_folder ${PROJECT_SOURCE_DIR}/resources/ct-catalogue)
    configure_file("${catalogue_folder}/CT Values.csv" "${CMAKE_BINARY_DIR}/share/kivo/Data/CT Values.csv" COPYONLY)
    file(GLOB catalogue_pictures CONFIGURE_DEPENDS ${catalogue_folder}/Images/*.png)
    foreach(picture IN LISTS catalogue_pictures)
        get_filename_component(name ${picture} NAME)
        configure_file(${picture} ${CMAKE_BINARY_DIR}/share/kivo/Images/${name} COPYONLY)
    endforeach()
    install(FILES "${catalogue_folder}/CT Values.csv" DESTINATION ${KIVO_SHARE_FOLDER}/Data)
    install(FILES ${catalogue_pictures} DESTINATION ${KIVO_SHARE_FOLDER}/Images)

    # The ready-made setups of the setup form, written by kivo-default-setups into the folder that the
    # first run copies into the user data folder.
    set(default_setups_stamp ${CMAKE_BINARY_DIR}/share/kivo/default-setups.stamp)
    add_custom_command(
        OUTPUT ${default_setups_stamp}
        COMMAND kivo-default-setups "${CMAKE_BINARY_DIR}/share/kivo/Default Setups"
        COMMAND ${CMAKE_COMMAND} -E touch ${default_setups_stamp}
        DEPENDS kivo-default-setups
        VERBATIM)
    add_custom_target(kivo_default_setups ALL DEPENDS ${default_setups_stamp})
    install(DIRECTORY "${CMAKE_BINARY_DIR}/share/kivo/Default Setups" DESTINATION ${KIVO_SHARE_FOLDER})

    # The user guide of each language, rendered from docs/ into the PDF that Help Topics opens (its name is
    # the text IDS_HELP_FILE_NAME of that language).
    set(guide_sources user-guide.md user-guide.fr.md)
    set(guide_files user-guide.pdf guide-utilisateur.pdf)
    set(staged_guides "")
    foreach(source file IN ZIP_LISTS guide_sources guide_files)
        set(staged ${CMAKE_BINARY_DIR}/share/kivo/${file})
        add_custom_command(
            OUTPUT ${staged}
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:kivo-guide-pdf>
                    ${PROJECT_SOURCE_DIR}/docs/${source} ${staged}
            DEPENDS kivo-guide-pdf ${PROJECT_SOURCE_DIR}/docs/${source}
            VERBATIM)
        list(APPEND staged_guides ${staged})
    endforeach()
    add_custom_target(kivo_user_guides ALL DEPENDS ${staged_guides})
    if(TARGET kivo32)
        add_dependencies(kivo32 kivo_user_guides)
    endif()
    install(FILES ${staged_guides} DESTINATION ${KIVO_SHARE_FOLDER})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/contrib/udev DESTINATION ${KIVO_SHARE_FOLDER})

# teldrin's systemd user unit starts the teldrin of the prefix given to `cmake --install`, known only once
# the installation runs: it is written then, and installed as any other file.
if(TARGET teldrin)
    set(unit ${CMAKE_BINARY_DIR}/install-unit/teldrin.service)
    install(CODE "
        set(bin_folder \"${CMAKE_INSTALL_BINDIR}\")
        cmake_path(ABSOLUTE_PATH bin_folder BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
        set(KIVO_TELDRIN_PROGRAM \"\${bin_folder}/teldrin\")
        configure_file(\"${PROJECT_SOURCE_DIR}/contrib/systemd/teldrin.service.in\" \"${unit}\" @ONLY)")
    install(FILES ${unit} DESTINATION ${KIVO_SHARE_FOLDER}/systemd)
endif()

if(TARGET kivo32)
    # The desktop entry that lists kivo32 in the desktop's menu and offers it to open its data files and
    # setup tables, with the two file types. The entry names the program where it is installed, which is
    # known only when `cmake --install` runs (its --prefix may differ from the configured one).
    set(desktop_folder ${PROJECT_SOURCE_DIR}/contrib/desktop)
    install(FILES ${desktop_folder}/kivo32-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME kivo32.xml)
    install(CODE "
        set(KIVO32_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kivo32\")
        configure_file(\"${desktop_folder}/kivo32.desktop.in\" \"${CMAKE_BINARY_DIR}/kivo32.desktop\" @ONLY)
        file(INSTALL \"${CMAKE_BINARY_DIR}/kivo32.desktop\"
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")")
endif()

if(TARGET kivo32)
    add_test(NAME install_layout
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DPREFIX=${CMAKE_BINARY_DIR}/install-check -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)
    set_tests_properties(install_layout PROPERTIES LABELS integration)
endif()
