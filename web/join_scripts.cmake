# join_scripts.cmake: the page's one script, its sources joined in the site list's order: one request
# before the page starts instead of one per source. Each source ends its own line. Lines that hold
# only a comment stay in the sources, for their readers, and are left out here: the browser has no
# use for them, and they were nearly half of what it downloaded.
# Usage: cmake -DSCRIPTS=a.js,b.js -DOUTPUT=joined.js -P join_scripts.cmake
string(REPLACE "," ";" scripts "${SCRIPTS}")
set(joined "")
foreach(script IN LISTS scripts)
  file(READ ${script} text)
  string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" text "${text}")
  string(REGEX REPLACE "^\n" "" text "${text}")
  string(APPEND joined "${text}")
  if(NOT text MATCHES "\n$")
    string(APPEND joined "\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${joined}")
