# fill_page.cmake: writes the page from its template, with the rows of the controls table that the
# program's list prints in place of the template's marker line.
# Usage: cmake -DNODE=node -DTABLE=controls_table.js -DTEMPLATE=index.html -DOUTPUT=out.html -P fill_page.cmake
execute_process(COMMAND ${NODE} ${TABLE} OUTPUT_VARIABLE rows RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR rows STREQUAL "")
  message(FATAL_ERROR "The controls table could not be printed (status ${status})")
endif()
file(READ ${TEMPLATE} page)
set(marker "          <!-- controls from the program's list -->\n")
string(FIND "${page}" "${marker}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} has no line '${marker}'")
endif()
string(REPLACE "${marker}" "${rows}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
