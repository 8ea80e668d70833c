# fill_page.cmake: writes the page from its template, with the rows of the controls table that the
# program's list prints and the page's script tag (the one script joined from the site list's), in
# place of the template's marker lines.
# Usage: cmake -DNODE=node -DTABLE=controls_table.js -DSCRIPTS=page.js -DTEMPLATE=index.html -DOUTPUT=out.html
#        -P fill_page.cmake
execute_process(COMMAND ${NODE} ${TABLE} OUTPUT_VARIABLE rows RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR rows STREQUAL "")
  message(FATAL_ERROR "The controls table could not be printed (status ${status})")
endif()
string(REPLACE "," ";" scripts "${SCRIPTS}")
set(tags "")
foreach(script IN LISTS scripts)
  string(APPEND tags "  <script src=\"${script}\" defer></script>\n")
endforeach()
file(READ ${TEMPLATE} page)
foreach(marker_and_text
    "          <!-- controls from the program's list -->\n|rows"
    "  <!-- the page's scripts, from site.txt -->\n|tags")
  string(REPLACE "|" ";" marker_and_text "${marker_and_text}")
  list(GET marker_and_text 0 marker)
  list(GET marker_and_text 1 text)
  string(FIND "${page}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no line '${marker}'")
  endif()
  string(REPLACE "${marker}" "${${text}}" page "${page}")
endforeach()
file(WRITE ${OUTPUT} "${page}")
