# Runs at installation time: writes the menu entry from its template with the full path of the
# installed program and installs it. Reads PIKUTORA_ENTRY_TEMPLATE, PIKUTORA_ENTRY_WORK_DIR,
# PIKUTORA_BINDIR and PIKUTORA_APPLICATIONS_DIR (the last two relative to the prefix or absolute).

function(pikutora_under_prefix out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

pikutora_under_prefix(bindir "${PIKUTORA_BINDIR}")
pikutora_under_prefix(applications "${PIKUTORA_APPLICATIONS_DIR}")
set(PIKUTORA_PROGRAM "${bindir}/pikutora")

# The Exec line runs the program in the home directory: sh -c "cd && exec 'PATH'". The path sits
# in single quotes inside the entry's double quotes, and % starts a field code there, so these
# characters cannot be written in it.
foreach(bad "'" "\"" "`" "$" "\\" "%" "\n")
  string(FIND "${PIKUTORA_PROGRAM}" "${bad}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "The menu entry cannot name a program whose path contains ${bad}: ${PIKUTORA_PROGRAM}")
  endif()
endforeach()

# One work file per destination, so that installations to different places do not share it.
string(MD5 destination "$ENV{DESTDIR}${applications}")
get_filename_component(name "${PIKUTORA_ENTRY_TEMPLATE}" NAME_WLE)
set(entry "${PIKUTORA_ENTRY_WORK_DIR}/${destination}/${name}")
configure_file("${PIKUTORA_ENTRY_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${entry}")
