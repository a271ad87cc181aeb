# SPDX-License-Identifier: MIT
# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) once it has installed the stripped files into its staging
# folder: removes the compiler's version notes (.comment, .note), which plain stripping keeps and
# nothing reads at run time, from the staged program, as Debian's own packages do.

set(program ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_ORVANE_PROGRAM})
if(NOT EXISTS ${program})
  message(FATAL_ERROR "The staged program ${program} is missing")
endif()
execute_process(
  COMMAND ${CPACK_ORVANE_STRIP} --remove-section=.comment --remove-section=.note ${program}
  COMMAND_ERROR_IS_FATAL ANY)
