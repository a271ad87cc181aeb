# SPDX-License-Identifier: MIT
# Installs Orvane as a desktop program: the executable with the files it reads beside itself in
# a folder of its own, a command on the search path, and the desktop entry, icon, AppStream
# metainfo and scheme-file type under share/.

include(GNUInstallDirs)

set(ORVANE_APP_ID org.orvane.Orvane)
# The program finds tips.txt, help.chm, its translations and its settings in the folder that holds the executable
# (after following symbolic links), so they are installed together, away from bin/.
set(ORVANE_INSTALL_PROGRAMDIR ${CMAKE_INSTALL_LIBDIR}/orvane)

install(TARGETS orvane RUNTIME DESTINATION ${ORVANE_INSTALL_PROGRAMDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/tips.txt ${ORVANE_HELP_CHM}
        DESTINATION ${ORVANE_INSTALL_PROGRAMDIR})
# Each translation and its tips file beside them, where the program looks for them too.
foreach(language IN LISTS ORVANE_LANGUAGES)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tips_${language}.txt
                ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/orvane_${language}.qm
          DESTINATION ${ORVANE_INSTALL_PROGRAMDIR})
endforeach()
list(TRANSFORM ORVANE_HELP_PAGES PREPEND ${ORVANE_HELP_SOURCE_DIR}/ OUTPUT_VARIABLE help_pages)
install(FILES ${help_pages} DESTINATION ${ORVANE_INSTALL_PROGRAMDIR}/help)

# bin/orvane is a relative symbolic link, so the installed tree works under any prefix and
# inside the Debian package alike. It is made in the build folder and installed as a file, which
# keeps it in install_manifest.txt.
cmake_path(ABSOLUTE_PATH ORVANE_INSTALL_PROGRAMDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE full_programdir)
file(RELATIVE_PATH program_from_bindir ${CMAKE_INSTALL_FULL_BINDIR} ${full_programdir}/orvane)
set(command_link ${CMAKE_CURRENT_BINARY_DIR}/install-links/orvane)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/install-links)
file(CREATE_LINK ${program_from_bindir} ${command_link} SYMBOLIC)
install(FILES ${command_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/${ORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ORVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ORVANE_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ORVANE_APP_ID}.xml)
