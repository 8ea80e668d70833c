# stamp_worker_test.cmake: the offline copy's version stamp (web/stamp_worker.cmake): a change of one
# byte in any other file of the site changes it, building again unchanged does not, and the worker
# lists every file of the site.
# Usage: cmake -DSTAMP=web/stamp_worker.cmake -DWORK=scratch-folder -P stamp_worker_test.cmake
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/template.js "const VERSION = '@QUILLMARK_VERSION@';\nconst SITE = [@QUILLMARK_SITE_LIST@];\n")
file(WRITE ${WORK}/site/index.html "<title>Quillmark</title>")
file(WRITE ${WORK}/site/page.js "'use strict';")

function(stamp result)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSITE=${WORK}/site -DFILES=index.html,offline.js,page.js
    -DTEMPLATE=${WORK}/template.js -DOUTPUT=${WORK}/site/offline.js -P ${STAMP} RESULT_VARIABLE status)
  file(READ ${WORK}/site/offline.js worker)
  if(NOT status EQUAL 0 OR NOT worker MATCHES "VERSION = '([0-9a-f]+)'")
    message(FATAL_ERROR "No stamped worker (status ${status}):\n${worker}")
  endif()
  set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

stamp(first)
file(READ ${WORK}/site/offline.js worker)
if(NOT worker MATCHES "SITE = \\['index.html', 'offline.js', 'page.js'\\];")
  message(FATAL_ERROR "The worker does not list the site:\n${worker}")
endif()
stamp(again)
file(WRITE ${WORK}/site/page.js "'use strict';\n")
stamp(changed)
if(NOT first STREQUAL again OR first STREQUAL changed)
  message(FATAL_ERROR "Stamps: ${first}, built again ${again}, one file changed ${changed}")
endif()
