# Installation (`cmake --install`), the Debian package (`cpack`, `make
# package`) and the manual pages. Layout under the prefix:
#   bin/lumo, bin/lumo-run, bin/lumo-mpi       the programs
#   lib/<multiarch>/lumo/liblumo32.so          the engine, private to them
#   share/lumo/                                Chems.dat, help/, the default
#                                              scenarios, the JSON Schema
#   share/applications, icons, metainfo, mime  desktop integration
#   share/man/man1                             manual pages
#   share/doc/lumo                             copyright and changelog
# The programs find the engine and the data relative to their own folder
# (model/program_layout.h), so the tree works under any prefix.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(LUMO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

foreach(program lumo lumo-run lumo-mpi)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(TARGET lumo32)
  install(TARGETS lumo32 LIBRARY DESTINATION ${LUMO_INSTALL_ENGINEDIR} NAMELINK_SKIP)
endif()

file(GLOB LUMO_SCHEMA_FILES ${PROJECT_SOURCE_DIR}/data/*.schema.json)
install(FILES ${PROJECT_SOURCE_DIR}/data/Chems.dat ${LUMO_SCHEMA_FILES}
        DESTINATION ${LUMO_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help DESTINATION ${LUMO_INSTALL_DATADIR})
# The default scenarios are written at build time (cli/CMakeLists.txt): each
# "Building - Part.vkx" with its schedule file ".vk1".
install(CODE "
  file(GLOB lumo_scenarios \"${LUMO_BIN_DIR}/* - *.vkx\" \"${LUMO_BIN_DIR}/* - *.vk1\")
  if(NOT lumo_scenarios)
    message(FATAL_ERROR \"The default scenarios are missing from ${LUMO_BIN_DIR}: build first\")
  endif()
  file(INSTALL \${lumo_scenarios} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${LUMO_INSTALL_DATADIR}\"
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
")

if(TARGET lumo)
  install(FILES ${LUMO_PACKAGING_DIR}/lumo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${LUMO_PACKAGING_DIR}/lumo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${LUMO_PACKAGING_DIR}/org.lumo.Lumo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${LUMO_PACKAGING_DIR}/lumo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME lumo.xml)
endif()

# The manual pages, from the programs' --help and --version, and the
# changelog, compressed as Debian wants them.
set(LUMO_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/doc)
find_program(LUMO_GZIP gzip)
find_program(LUMO_HELP2MAN help2man)
set(LUMO_DOC_OUTPUTS)
if(LUMO_GZIP)
  add_custom_command(OUTPUT ${LUMO_DOC_BUILD_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMO_DOC_BUILD_DIR}
    COMMAND ${LUMO_GZIP} -9nc ${LUMO_PACKAGING_DIR}/changelog > ${LUMO_DOC_BUILD_DIR}/changelog.gz
    DEPENDS ${LUMO_PACKAGING_DIR}/changelog VERBATIM)
  list(APPEND LUMO_DOC_OUTPUTS ${LUMO_DOC_BUILD_DIR}/changelog.gz)
  install(FILES ${LUMO_DOC_BUILD_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
install(FILES ${LUMO_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(LUMO_GZIP AND LUMO_HELP2MAN AND NOT LUMO_SANITIZE AND NOT LUMO_FUZZ)
  set(lumo_man_name_lumo "estimate inhalation exposure to chemicals from freshly painted walls")
  set(lumo_man_name_lumo-run "run painting scenarios and probabilistic assessments without a window")
  set(lumo_man_name_lumo-mpi "run a probabilistic assessment over the ranks of an MPI job")
  foreach(program lumo lumo-run lumo-mpi)
    if(TARGET ${program})
      set(page ${LUMO_DOC_BUILD_DIR}/${program}.1)
      add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMO_DOC_BUILD_DIR}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${LUMO_HELP2MAN} --no-info --no-discard-stderr "--name=${lumo_man_name_${program}}"
                --output=${page} $<TARGET_FILE:${program}>
        COMMAND ${LUMO_GZIP} -9nf ${page}
        DEPENDS ${program} VERBATIM)
      list(APPEND LUMO_DOC_OUTPUTS ${page}.gz)
      install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
elseif(NOT LUMO_SANITIZE AND NOT LUMO_FUZZ)
  message(STATUS "help2man or gzip not found: no manual pages")
endif()
add_custom_target(lumo_docs ALL DEPENDS ${LUMO_DOC_OUTPUTS})

# The Debian package: `make package` in a Makefile build, `cpack` otherwise.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VENDOR "The LUMO developers")
set(CPACK_PACKAGE_CONTACT "LUMO developers <lumo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "inhalation exposure to chemicals from freshly painted interior walls")
set(CPACK_PACKAGE_DESCRIPTION
    "LUMO estimates how much of a chemical emitted from freshly applied interior
wall paint a person inhales. An assessor describes one painting event
(building, painted area, paint, chemical, sinks, the exposed person and
their day); the program runs a two-zone indoor-air mass balance and reports
dose and concentration measures, a concentration time series and a printed
report. The batch runner lumo-run runs saved scenarios without a window and
performs probabilistic assessments.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lumo")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# Tests: the installed tree, read-only, used by a user with an empty home;
# the package built, unpacked and run (and checked by lintian when present).
if(NOT LUMO_SANITIZE AND NOT LUMO_FUZZ AND TARGET lumo-run)
  add_test(NAME InstalledTree
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/installed_tree_test.sh
            ${CMAKE_BINARY_DIR} ${LUMO_BIN_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(InstalledTree PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  add_test(NAME DebianPackage
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/debian_package_test.sh
            ${CMAKE_BINARY_DIR} ${LUMO_BIN_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(DebianPackage PROPERTIES TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
