# stamp_worker.cmake: writes the offline copy's worker from its template with the site's list of files
# and a version stamp, a hash of every other file of the site: any change to the site changes the
# worker's bytes, which is how the browser learns of a new version.
# Usage: cmake -DSITE=site-folder -DFILES=index.html,style.css,... -DTEMPLATE=offline.js -DOUTPUT=out.js
#        -P stamp_worker.cmake
string(REPLACE "," ";" files "${FILES}")
get_filename_component(worker ${OUTPUT} NAME)
set(hashes "")
set(quoted)
foreach(file IN LISTS files)
  list(APPEND quoted "'${file}'")
  if(NOT file STREQUAL worker)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${file} ${hash}\n")
  endif()
endforeach()
string(SHA256 QUILLMARK_VERSION "${hashes}")
string(SUBSTRING ${QUILLMARK_VERSION} 0 16 QUILLMARK_VERSION)
string(REPLACE ";" ", " QUILLMARK_SITE_LIST "${quoted}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
