# Read by cpack when it runs (CPACK_PROJECT_CONFIG_FILE). Every time a package
# records is that of the source's last commit, as Debian's reproducible builds
# define SOURCE_DATE_EPOCH, unless the caller set it: so that the same commit
# packs to the same bytes, whenever and wherever it is built. Outside a git
# checkout, the release's build stamp stands for it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_KVN_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT commit_time MATCHES "^[0-9]+$")
    set(commit_time 1228521600)  # 6 December 2008, 00:00 UTC
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
endif()
