# What `cmake --install` puts under the prefix besides the programs (those
# install themselves through velkora_program): the shared files the programs
# find from their own folder, and what the desktop needs to show Velkora in
# its menu, software centre and man pages.

set(VELKORA_APP_ID org.velkora.Velkora)
set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/demo DESTINATION ${CMAKE_INSTALL_DATADIR}/velkora)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons DESTINATION ${CMAKE_INSTALL_DATADIR}/velkora
        PATTERN hicolor EXCLUDE)

file(GLOB icon_sizes RELATIVE ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
     ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/*)
foreach(size IN LISTS icon_sizes)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}/velkora.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/svg/velkora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop_dir}/${VELKORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${VELKORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

find_program(HELP2MAN help2man)
if(HELP2MAN)
    set(man_page ${PROJECT_BINARY_DIR}/man/velkora-cli.1)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/man)
    add_custom_command(
        OUTPUT ${man_page}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:velkora-cli> -DHELP2MAN=${HELP2MAN}
                -DVERSION=${PROJECT_VERSION} -DOUTPUT=${man_page} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        DEPENDS velkora-cli ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/man
        COMMENT "Writing the man page of velkora-cli")
    add_custom_target(velkora-cli-man ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "help2man not found: velkora-cli is installed without its man page")
endif()
