# Fails when a file of FOLDER includes a header of a folder that is neither
# FOLDER nor one of ALLOWED, or, with CORE set, a toolkit header.
# cmake -DFOLDER=core/events "-DALLOWED=core/events;platform" -DCORE=core/
#       "-DFILES=a.cpp;b.h" -DSTAMP=stamp -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)
set(faults "")
foreach(file IN LISTS FILES)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "\"((core/[a-z_]+|desktop/[a-z_]+|platform|cli|tests/[a-z_]+)/[^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      set(header_folder ${CMAKE_MATCH_2})
      if(NOT header_folder IN_LIST ALLOWED)
        string(APPEND faults "\n  ${file}: ${header} (${FOLDER} does not use ${header_folder})")
      endif()
    elseif(CORE AND line MATCHES "<((wx|gtk|gdk|glib|cups|X11)/[^>]+)>")
      string(APPEND faults "\n  ${file}: <${CMAKE_MATCH_1}> (the core includes no toolkit header)")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes across the layers:${faults}")
endif()
file(TOUCH ${STAMP})
