# SPDX-License-Identifier: GPL-3.0-or-later
# Where an install puts things, every folder relative to the prefix so that
# DESTDIR and --prefix hold. The programs and their private libraries share
# one folder under the library directory; the games folder holds a relative
# link to each program (/usr/games for the Debian package, as for every game
# a distribution ships); sounds and other data that fit every machine go
# under share.
set(KELVASK_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/kelvask)
set(KELVASK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kelvask)
# A string, not a path: CMake would make a relative path given with -D
# absolute, against the folder it was started in.
set(KELVASK_INSTALL_GAMESDIR games CACHE STRING "Folder of the links to the programs, relative to the prefix")

# Installs a program beside the private libraries that it finds through its
# RPATH, and its link in the games folder. The link is made here, so that it
# is installed, listed in the manifest and removed like any other file.
function(kelvask_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${KELVASK_INSTALL_LIBDIR})
  cmake_path(ABSOLUTE_PATH KELVASK_INSTALL_GAMESDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
             OUTPUT_VARIABLE games)
  cmake_path(ABSOLUTE_PATH KELVASK_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
             OUTPUT_VARIABLE programs)
  file(RELATIVE_PATH program_from_games ${games} ${programs}/${target})
  set(link ${CMAKE_CURRENT_BINARY_DIR}/games-link/${target})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/games-link)
  file(CREATE_LINK ${program_from_games} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${KELVASK_INSTALL_GAMESDIR})
endfunction()
