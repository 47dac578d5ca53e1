# Run at install time, when the prefix is known: installs the desktop entry ENTRY_TEMPLATE into
# APPLICATIONSDIR with Exec naming the installed program in BINDIR, quoted as desktop entries
# require when its path holds reserved characters. The filled-in entry is written to a folder of
# its own for each prefix, so that installations into two prefixes at once cannot mix.
cmake_path(ABSOLUTE_PATH BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE OUTPUT_VARIABLE program)
cmake_path(ABSOLUTE_PATH APPLICATIONSDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE OUTPUT_VARIABLE destination)
set(exec "${program}/kelvo")
if(exec MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  foreach(reserved "\\" "\"" "`" "$")
    string(REPLACE "${reserved}" "\\${reserved}" exec "${exec}")
  endforeach()
  set(exec "\"${exec}\"")
  string(REPLACE "\\" "\\\\" exec "${exec}")  # the escapes of a desktop entry's string value
endif()
string(REPLACE "%" "%%" KELVO_EXEC "${exec}")

string(MD5 prefix_key "${CMAKE_INSTALL_PREFIX}")
cmake_path(GET ENTRY_TEMPLATE STEM LAST_ONLY entry_name)
set(entry "${ENTRY_WORK_FOLDER}/${prefix_key}/${entry_name}")
configure_file("${ENTRY_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${entry}")
