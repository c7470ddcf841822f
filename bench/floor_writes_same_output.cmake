# The end-to-end benchmark compares kvnshow with the floor only if both write
# the same bytes. This runs both on the test servers and the demo server, in
# every report style and sort order, with direction filters, patterns and
# scripted failures, and fails on the first difference.
#
# With -DDATA=ON the floor is data_floor: both write -json and -csv, with and
# without -e, and only standard output, the data, is compared (the floor has
# no patterns or direction filters).
#
# cmake -DPROGRAM=<kvnshow> -DFLOOR=<listing_floor> -DSERVERS=<dir> -DWORK=<dir>
#       [-DDATA=ON] -P floor_writes_same_output.cmake

# Host and user pairs, separated by a colon.
set(accounts
  demo:ALICE demo:BOB demo:FRONTDESK
  listing-big-pages:BULK listing-bytes:BYTES listing-counts:TALLY listing-dates:DATES
  listing-empty:EMPTY listing-folders:FILER listing-generated:GEN listing-ids:IDS
  listing-ordinals:ORDER listing-walk-fails:WALKER
  reports-codes:STATUS reports-codes:PRIORITY reports-codes:JOBTYPE reports-codes:SENDTIME
  reports-dst-offset:ALICE reports-flags:ALICE reports-layout:ALICE reports-loadfail:ALICE
  reports-sample:ALICE reports-state-other:ALICE reports-std-offset:ALICE reports-texts:ALICE
  reports-times:ALICE)

# Argument sets, words separated by blanks.
set(argument_sets
  "-a" "-a -t" "-a -tr" "-a -e" "-a -v" "-a -v -z -t" "-e -R -tr" "-S -z"
  "-a -e *0 app* a*c *?")
if(DATA)
  set(argument_sets "-a -json" "-a -csv" "-a -e -json" "-a -e -csv" "-tr -v -json")
  list(APPEND accounts data-formats:DATA)
endif()

set(ENV{KVNSIM_SERVERS} ${SERVERS})
set(ENV{TZ} America/New_York)  # local times with daylight-saving rules
unset(ENV{KVNSIM_TRACE})
file(MAKE_DIRECTORY ${WORK})
set(compared 0)
foreach(account IN LISTS accounts)
  string(REPLACE ":" ";" account_parts ${account})
  list(GET account_parts 0 host)
  list(GET account_parts 1 user)
  foreach(argument_set IN LISTS argument_sets)
    separate_arguments(arguments UNIX_COMMAND "${argument_set}")
    foreach(program IN ITEMS PROGRAM FLOOR)
      execute_process(
        COMMAND ${${program}} -s ${host} -u ${user} ${arguments}
        OUTPUT_FILE ${WORK}/${program}.txt
        ERROR_VARIABLE lines_${program}
        RESULT_VARIABLE status_${program})
    endforeach()
    if(NOT status_PROGRAM EQUAL 0 OR NOT status_FLOOR EQUAL 0)
      message(FATAL_ERROR "-s ${host} -u ${user} ${argument_set}: exit status "
                          "${status_PROGRAM} (kvnshow) and ${status_FLOOR} (floor), both must be 0")
    endif()
    file(SHA256 ${WORK}/PROGRAM.txt program_digest)
    file(SHA256 ${WORK}/FLOOR.txt floor_digest)
    if(NOT program_digest STREQUAL floor_digest)
      message(FATAL_ERROR "-s ${host} -u ${user} ${argument_set}: the floor's output differs "
                          "from kvnshow's (${WORK}/FLOOR.txt, ${WORK}/PROGRAM.txt)")
    endif()
    math(EXPR compared "${compared} + 1")
  endforeach()
endforeach()
message(STATUS "${compared} listings written alike")
