# Runs the terminal tool as a user would and checks exit codes and output shape.
function(expect_rejected)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR err STREQUAL "")
    message(FATAL_ERROR "vesoma-cal ${ARGN}: expected exit 2, empty stdout and a message; got ${rc} [${out}] [${err}]")
  endif()
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "vesoma-cal ${ARGN}: expected one line on stderr, got [${err}]")
  endif()
endfunction()

expect_rejected(--tsv abc 5)
expect_rejected(--tsv 2001 13)
expect_rejected(--tsv 2001 0)
expect_rejected(--tsv 1899 12)
expect_rejected(--tsv 2101 1)
expect_rejected(--tsv 2001 5 2001 4)
expect_rejected(--tsv 2001)
expect_rejected(--bogus 2001 5)

execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "usage")
  message(FATAL_ERROR "--help: got ${rc} [${out}]")
endif()

execute_process(COMMAND ${TOOL} --tsv 2000 2 2000 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 61 OR NOT out MATCHES "^nYear\tnMonth\tnDay\tnWeekCode")
  message(FATAL_ERROR "--tsv 2000 2 2000 3: expected a header and 60 day lines, got ${count} lines")
endif()

# The month grid: title, empty line, one line per day; colours only when asked.
string(ASCII 27 esc)
expect_rejected(--table 3 2001 2)
expect_rejected(--table x 2001 2)
expect_rejected(2001 2 --table)
expect_rejected(--color=sometimes 2001 2)
expect_rejected(--astronomy=exact 2001 2)
expect_rejected(--holidays=1996 2001 2)

# 夏至 of 2023 fell at 23:58 on 21 June in Japan; the standard series put it on the 22nd.
foreach(astronomy "precise;21" "standard;22")
  list(GET astronomy 0 which)
  list(GET astronomy 1 day)
  execute_process(COMMAND ${TOOL} --astronomy=${which} --tsv 2023 6 OUTPUT_VARIABLE out)
  if(NOT out MATCHES "\n2023\t6\t${day}\t[^\n]*\t7\n")
    message(FATAL_ERROR "--astronomy=${which}: 夏至 2023 not on the ${day}th: [${out}]")
  endif()
endforeach()

# 1 May 2019 is a holiday by the law (24, the enthronement), none in the table.
foreach(holidays "law;24" "table;0")
  list(GET holidays 0 which)
  list(GET holidays 1 index)
  execute_process(COMMAND ${TOOL} --holidays=${which} --tsv 2019 5 OUTPUT_VARIABLE out)
  if(NOT out MATCHES "
2019	5	1	[^
]*	${index}	[0-9]+
")
    message(FATAL_ERROR "--holidays=${which}: 1 May 2019 not holiday ${index}: [${out}]")
  endif()
endforeach()

execute_process(COMMAND ${TOOL} --color=never 2001 2 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 30 OR NOT out MATCHES "^    2001年 2月　如月\n\n  1 木  乙未 ")
  message(FATAL_ERROR "2001 2: expected the title, an empty line and 28 days, got ${rc} [${out}]")
endif()
if(out MATCHES "${esc}")
  message(FATAL_ERROR "--color=never printed colour escapes")
endif()
execute_process(COMMAND ${TOOL} 2001 2 OUTPUT_VARIABLE piped)
if(NOT piped STREQUAL out)
  message(FATAL_ERROR "2001 2 into a pipe: expected the plain grid, got [${piped}]")
endif()
if(NOT out MATCHES "\n 28 水  壬戌 [^\n]* 2/ 6 九紫 先勝 参 成\n$")
  message(FATAL_ERROR "2001 2: the last day's line ends wrong: [${out}]")
endif()

execute_process(COMMAND ${TOOL} --table 0 --color=always 2001 2 OUTPUT_VARIABLE out)
if(out MATCHES "九紫" OR NOT out MATCHES "${esc}\\[38;2;255;0;0m日")
  message(FATAL_ERROR "--table 0 --color=always: expected no lunisolar columns and a red Sunday: [${out}]")
endif()

# --events: the nEvent column counts the events of each day; without the
# option the event file of the working directory counts.
set(work "${CMAKE_CURRENT_BINARY_DIR}/cli_contract_events")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
file(WRITE "${work}/VESOMA.CAL" "2000/ 2/ 3,A\r\n****/**/ 3,B\r\n12/25,unreadable\r\n")
foreach(args "--events;${work}/VESOMA.CAL" "")
  execute_process(COMMAND ${TOOL} ${args} --tsv 2000 2 2000 3 WORKING_DIRECTORY "${work}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "\n2000\t2\t3\t[^\n]*\t2\t[0-9]+\t[0-9]+\n"
     OR NOT out MATCHES "\n2000\t3\t3\t[^\n]*\t1\t[0-9]+\t[0-9]+\n"
     OR NOT out MATCHES "\n2000\t2\t4\t[^\n]*\t0\t[0-9]+\t[0-9]+\n")
    message(FATAL_ERROR "vesoma-cal [${args}] --tsv: wrong event counts in [${out}]")
  endif()
endforeach()
execute_process(COMMAND ${TOOL} --events "${work}/MISSING.CAL" --tsv 2000 2
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR err STREQUAL "")
  message(FATAL_ERROR "--events of a missing file: expected exit 1 and a message, got ${rc}")
endif()
expect_rejected(--tsv 2000 2 --events)
# A FIFO as the event file is refused at once, never waited on.
execute_process(COMMAND mkfifo "${work}/fifo.cal")
execute_process(COMMAND ${TOOL} --events "${work}/fifo.cal" --tsv 2000 2 TIMEOUT 10
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR err STREQUAL "")
  message(FATAL_ERROR "--events of a FIFO: expected exit 1 and a message at once, got ${rc}")
endif()
file(REMOVE_RECURSE "${work}")

# Output that cannot be written is an error, not a success.
execute_process(COMMAND ${TOOL} --tsv 2000 1 2000 12 OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write")
  message(FATAL_ERROR "--tsv into a full disk: expected exit 1 and a message, got ${rc} [${err}]")
endif()

# The day window's body: the dates with the holiday, then the signs; events
# and the fortune section only where there are any (none here).
expect_rejected(--day 2001 2 30)
expect_rejected(--day 2001 5)
expect_rejected(--day --tsv 2001 5 3)
execute_process(COMMAND ${TOOL} --day --color=never 2001 5 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^ 2001年 5月 3日（旧暦    4月10日 木曜日   憲法記念日\n +丙寅  先勝  一白  角宿  開\n\n$")
  message(FATAL_ERROR "--day 2001 5 3: expected the day's three lines, got ${rc} [${out}]")
endif()
