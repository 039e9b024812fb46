# Where an installation puts the programs, the engine and the data. The
# programs find the engine and the data relative to their own folder, so the
# same build installs under any prefix (cmake --install --prefix, the package).
include(GNUInstallDirs)
set(LUMO_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR})
# The engine is private to the program: a folder of its own under the
# multiarch library folder (lib/x86_64-linux-gnu/lumo on Debian).
if(CMAKE_LIBRARY_ARCHITECTURE AND LUMO_INSTALL_LIBDIR STREQUAL "lib")
  set(LUMO_INSTALL_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}")
endif()
set(LUMO_INSTALL_ENGINEDIR "${LUMO_INSTALL_LIBDIR}/lumo")
set(LUMO_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/lumo")
foreach(dir CMAKE_INSTALL_BINDIR LUMO_INSTALL_ENGINEDIR LUMO_INSTALL_DATADIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} must be relative to the prefix (${${dir}})")
  endif()
endforeach()
# The same folders seen from the programs' folder.
file(RELATIVE_PATH LUMO_ENGINE_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${LUMO_INSTALL_ENGINEDIR}")
file(RELATIVE_PATH LUMO_DATA_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${LUMO_INSTALL_DATADIR}")
