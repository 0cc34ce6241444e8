# Run by CPack on the files it is about to package: Debian's games layout.
# The program moves to /usr/games, its menu entry follows it, and the
# program loses the compiler's notes (.comment) that strip leaves.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/miruhe" "${CPACK_TEMPORARY_DIRECTORY}/bin/miruhe")
foreach(program ${programs})
  get_filename_component(bin ${program} DIRECTORY)
  get_filename_component(usr ${bin} DIRECTORY)
  file(MAKE_DIRECTORY ${usr}/games)
  execute_process(COMMAND objcopy --remove-section=.comment ${program} ${usr}/games/miruhe COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${program})
  file(REMOVE_RECURSE ${bin})
  file(GLOB entries ${usr}/share/applications/*.desktop)
  foreach(entry ${entries})
    file(READ ${entry} text)
    string(REGEX REPLACE "Exec=[^\n]*" "Exec=/usr/games/miruhe" text "${text}")
    file(WRITE ${entry} "${text}")
  endforeach()
endforeach()
