# The include check of the layers refuses what it must: a core file that
# includes a library it does not use, or a toolkit header; and passes a file
# that keeps to its layer.
set(work ${CMAKE_CURRENT_BINARY_DIR}/layers_contract)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

function(check_folder name folder allowed text expect_refusal)
  file(WRITE ${work}/${name}.cpp "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} "-DALLOWED=${allowed}" -DCORE=core/
                          -DFILES=${work}/${name}.cpp -DSTAMP=${work}/${name}.stamp -P ${CHECK}
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(expect_refusal AND (rc EQUAL 0 OR EXISTS ${work}/${name}.stamp OR NOT err MATCHES "${name}.cpp"))
    message(FATAL_ERROR "${name}: expected a refusal naming the file, got ${rc} [${err}]")
  elseif(NOT expect_refusal AND NOT rc EQUAL 0)
    message(FATAL_ERROR "${name}: expected to pass, got ${rc} [${err}]")
  endif()
endfunction()

check_folder(upward core/events "core/events;platform" "#include \"core/almanac/vesoma.h\"\n" TRUE)
check_folder(toolkit core/calendar "core/calendar;platform" "#include <vector>\n#include <wx/string.h>\n" TRUE)
check_folder(own_layer core/events "core/events;platform"
             "#include <vector>\n#include \"core/events/events.h\"\n#include \"platform/sjis.h\"\n" FALSE)
