# The Windows build's release pieces: the version stamped into the resources, the help file
# compiled beside Brisova.exe, and the installer and portable zip in build/dist (target
# "release", which scripts/package builds).
set(BRISOVA_PUBLISHER "Brisova Project")

set(generated "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_SOURCE_DIR}/res/brisova_version.h.in" "${generated}/brisova_version.h" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/res/brisova.manifest.in" "${generated}/brisova.manifest" @ONLY)
# Only the resources and the release tests read these, so the code's compile flags stay as they are.
# The resource compiler does not see the manifest as a dependency of its own.
set_source_files_properties("${RESOURCE_FILE}" PROPERTIES INCLUDE_DIRECTORIES "${generated}"
                            OBJECT_DEPENDS "${generated}/brisova.manifest;${generated}/brisova_version.h")
# The version resource is read back by the release tests.
target_link_libraries(brisova_win PUBLIC version)

# The user's guide: docs/help compiled into Brisova.chm by the Free Pascal CHM compiler.
find_program(CHMCMD chmcmd REQUIRED)
set(help_file "${CMAKE_BINARY_DIR}/Brisova.chm")
file(GLOB help_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/docs/help/*")
add_custom_command(OUTPUT "${help_file}"
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${CMAKE_BINARY_DIR}/help"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${CMAKE_SOURCE_DIR}/docs/help" "${CMAKE_BINARY_DIR}/help"
  COMMAND ${CMAKE_COMMAND} -E chdir "${CMAKE_BINARY_DIR}/help" ${CHMCMD} --no-html-scan --verbosity 1 Brisova.hhp
  COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_BINARY_DIR}/help/Brisova.chm" "${help_file}"
  DEPENDS ${help_sources}
  COMMENT "Compiling the help file Brisova.chm"
  VERBATIM)
add_custom_target(brisova_help ALL DEPENDS "${help_file}")

# Every top-level menu has its page in the compiled help file.
find_program(CHMLS chmls REQUIRED)
add_test(NAME help_pages
  COMMAND python3 "${CMAKE_SOURCE_DIR}/tests/release/help_pages.py" "${CHMLS}" "${help_file}"
          "${CMAKE_SOURCE_DIR}/res/brisova.rc")

# The installer and the portable zip, from a stripped copy of the program.
find_program(MAKENSIS makensis REQUIRED)
get_filename_component(BRISOVA_DIST_DIR "${CMAKE_BINARY_DIR}/../dist" ABSOLUTE)
set(setup_file "${BRISOVA_DIST_DIR}/Brisova-${PROJECT_VERSION}-setup.exe")
set(portable_file "${BRISOVA_DIST_DIR}/Brisova-${PROJECT_VERSION}-portable.zip")
file(GLOB_RECURSE shipped_data CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/data/*")
add_custom_command(OUTPUT "${setup_file}" "${portable_file}"
  COMMAND "${CMAKE_SOURCE_DIR}/installer/make-release"
          "$<TARGET_FILE:Brisova>" "${help_file}" "${CMAKE_SOURCE_DIR}/data" "${CMAKE_STRIP}" "${MAKENSIS}"
          "${PROJECT_VERSION}" "${BRISOVA_PUBLISHER}" "${BRISOVA_DIST_DIR}"
  DEPENDS Brisova "${help_file}" "${CMAKE_SOURCE_DIR}/installer/brisova.nsi"
          "${CMAKE_SOURCE_DIR}/installer/make-release" ${shipped_data}
  COMMENT "Packing Brisova ${PROJECT_VERSION} into ${BRISOVA_DIST_DIR}"
  VERBATIM)
add_custom_target(release DEPENDS "${setup_file}" "${portable_file}")
