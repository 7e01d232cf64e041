# Writes the source file that tells a program its version and, when it is built from a git
# checkout, the commit (with "-dirty" when tracked files differ from it). Run at every
# build (cmake -P), so a new commit shows without configuring again; the file is rewritten
# only when its text changes, so an unchanged commit rebuilds nothing.
#   -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=... [-DTEMPLATE=...]
set(commit "")
find_program(GIT_PROGRAM git)
if(GIT_PROGRAM AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_PROGRAM}" -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
    OUTPUT_VARIABLE head RESULT_VARIABLE head_failed OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
  if(NOT head_failed AND head)
    set(commit "${head}")
    execute_process(COMMAND "${GIT_PROGRAM}" -C "${SOURCE_DIR}" status --porcelain
                            --untracked-files=no
      OUTPUT_VARIABLE changes RESULT_VARIABLE status_failed ERROR_QUIET)
    if(NOT status_failed AND changes)
      string(APPEND commit "-dirty")
    endif()
  endif()
endif()
set(KVF_VERSION "${VERSION}")
set(KVF_COMMIT "${commit}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
