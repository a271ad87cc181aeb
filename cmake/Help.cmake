# SPDX-License-Identifier: MIT
# Compiles the HTML user guide in data/help into help.chm with the Free Pascal CHM compiler.
# Defines ORVANE_HELP_SOURCE_DIR, ORVANE_HELP_PAGES (the files the guide is made of) and
# ORVANE_HELP_CHM (the compiled file), built by the target orvane_help.

find_program(ORVANE_CHMCMD chmcmd)
if(NOT ORVANE_CHMCMD)
  message(FATAL_ERROR
    "chmcmd, the CHM compiler that builds the help document help.chm, was not found. "
    "It comes with the Debian package fp-utils: run scripts/ensure-packages.sh "
    "or apt-get install fp-utils, then configure again.")
endif()

set(ORVANE_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/data/help)
set(ORVANE_HELP_PAGES
  index.html
  getting-started.html
  main-window.html
  tool-windows.html
  scheme-files.html
  shortcuts.html
  help.css)
set(ORVANE_HELP_PROJECT_FILES help.hhp toc.hhc index.hhk)

# chmcmd writes its output beside the project file, so the sources are compiled from a copy in
# the build folder; a copy made afresh each time keeps files removed from the guide out of it.
set(help_work_dir ${CMAKE_CURRENT_BINARY_DIR}/help)
set(ORVANE_HELP_CHM ${help_work_dir}/help.chm)
set(help_inputs)
foreach(file IN LISTS ORVANE_HELP_PAGES ORVANE_HELP_PROJECT_FILES)
  list(APPEND help_inputs ${ORVANE_HELP_SOURCE_DIR}/${file})
endforeach()

add_custom_command(
  OUTPUT ${ORVANE_HELP_CHM}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_work_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_work_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${help_inputs} ${help_work_dir}
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_work_dir} ${ORVANE_CHMCMD} help.hhp
  DEPENDS ${help_inputs}
  COMMENT "Compiling the help document help.chm"
  VERBATIM)
add_custom_target(orvane_help ALL DEPENDS ${ORVANE_HELP_CHM})
