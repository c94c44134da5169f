# The packing of the fortune texts stops the build on a record that does not
# fit or that CP932 cannot hold, and then leaves no file behind.
set(work ${CMAKE_CURRENT_BINARY_DIR}/ums_pack_contract)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

function(expect_refused name text)
  file(WRITE ${work}/${name}.txt "${text}")
  execute_process(COMMAND ${TOOL} ${work}/${name}.txt ${work}/${name}.ums
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0 OR EXISTS ${work}/${name}.ums OR NOT err MATCHES "${name}.txt:2: ")
    message(FATAL_ERROR "${name}: expected a refusal naming line 2, got ${rc} [${err}]")
  endif()
endfunction()

expect_refused(too_long "0\t先勝\t短い。\n1\t友引\tあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ\n")
expect_refused(not_in_cp932 "0\t先勝\t短い。\n1\t友引\t吉😀\n")
expect_refused(short_heading "0\t先勝\t短い。\n1\t友\t吉。\n")
expect_refused(backwards "3\t先勝\t短い。\n2\t友引\t吉。\n")

# 29 full-width characters fit exactly: 4 + 58 + 2 bytes; a gap becomes blank records.
file(WRITE ${work}/fits.txt "# comment\n2\t大安\tあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへ\n")
execute_process(COMMAND ${TOOL} ${work}/fits.txt ${work}/fits.ums RESULT_VARIABLE rc)
file(SIZE ${work}/fits.ums size)
file(READ ${work}/fits.ums tail OFFSET 190 LIMIT 2)
if(NOT rc EQUAL 0 OR NOT size EQUAL 192 OR NOT tail STREQUAL "/E")
  message(FATAL_ERROR "fits: expected three records ending in /E, got ${rc}, ${size} bytes, [${tail}]")
endif()
