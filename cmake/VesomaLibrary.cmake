# One library per folder. Each names the libraries it uses, and a library may
# use only libraries declared before it, so the layers cannot form a cycle.
# Before the library compiles, every "folder/file.h" it includes is checked
# against that list. A library of the core (platform/, core/) or of the
# terminal tool (cli/) may include no toolkit header and use no library of the
# toolkit side (desktop/).

# Warnings are errors for the program's own code only, never for toolkit headers.
function(vesoma_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()

# vesoma_library(<target> SOURCES <file>... [USES <target>...] [LINKS <library>...])
# builds the folder of the calling CMakeLists.txt into the static library <target>.
function(vesoma_library target)
  cmake_parse_arguments(arg "" "" "SOURCES;USES;LINKS" ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX MATCH "^(platform|core/|cli)" core "${folder}")

  set(allowed ${folder})
  foreach(used IN LISTS arg_USES)
    if(NOT TARGET ${used})
      message(FATAL_ERROR "${folder} uses ${used}, which is not declared before it: "
                          "a library uses only those below it.")
    endif()
    get_target_property(used_folder ${used} VESOMA_FOLDER)
    if(core AND NOT used_folder MATCHES "^(platform|core/)")
      message(FATAL_ERROR "${folder} needs no toolkit and may not use the toolkit side (${used_folder}).")
    endif()
    list(APPEND allowed ${used_folder})
  endforeach()

  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} "-DALLOWED=${allowed}" -DCORE=${core}
            "-DFILES=${files}" -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
    COMMENT "Checking the includes of ${folder}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})

  add_library(${target} STATIC ${arg_SOURCES})
  add_dependencies(${target} ${target}_includes)
  vesoma_strict(${target})
  set_target_properties(${target} PROPERTIES VESOMA_FOLDER ${folder})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${arg_USES} ${arg_LINKS})
endfunction()
