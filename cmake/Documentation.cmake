# SPDX-License-Identifier: MIT
# The manual page orvane(1), the changelog and the copyright file, installed where Debian wants
# them. The manual page and the changelog are compressed with gzip -9n: the strongest
# compression, and no file name or time stamp in the header, so that the same sources always
# give the same package.

include(GNUInstallDirs)

find_program(ORVANE_GZIP gzip REQUIRED)
set(doc_work_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
# configure_file also makes an edited source configure the build again.
configure_file(${PROJECT_SOURCE_DIR}/data/orvane.1.in ${doc_work_dir}/orvane.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog ${doc_work_dir}/changelog COPYONLY)

set(compressed_docs)
foreach(file orvane.1 changelog)
  add_custom_command(
    OUTPUT ${doc_work_dir}/${file}.gz
    COMMAND ${ORVANE_GZIP} -9 -n -k -f ${file}
    WORKING_DIRECTORY ${doc_work_dir}
    DEPENDS ${doc_work_dir}/${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
  list(APPEND compressed_docs ${doc_work_dir}/${file}.gz)
endforeach()
add_custom_target(orvane_docs ALL DEPENDS ${compressed_docs})

set(ORVANE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/orvane)
install(FILES ${doc_work_dir}/orvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${doc_work_dir}/changelog.gz
        DESTINATION ${ORVANE_INSTALL_DOCDIR})
