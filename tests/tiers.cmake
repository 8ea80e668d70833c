# tiers.cmake: which test tiers this build runs. Each tier's tools are looked up once; a tier with
# one missing is left out (QUILLMARK_TIER_<tier> OFF), and all left out are named in one message
# with what to install. QUILLMARK_REQUIRE_ALL_TIERS (scripts/test.sh, CI) makes that an error.
# The unit tier needs nothing beyond GoogleTest and always runs.
option(QUILLMARK_REQUIRE_ALL_TIERS "Stop configuring when a test tier's tools are missing, instead of leaving the tier out" OFF)
set(QUILLMARK_SITE_DIR ${PROJECT_SOURCE_DIR}/build/web/site CACHE PATH "The built web page that the browser and gallery tests load")

# A sanitizer build tests the C++: the page's WebAssembly, its scripts, the package and the pictures
# are built without the sanitizers, and are tested in the Release build. page-logic is the page's own
# JavaScript under Node, labelled unit.
if(QUILLMARK_SANITIZE)
  set(QUILLMARK_TIERS window soak)
else()
  set(QUILLMARK_TIERS page-logic window soak packaging gallery web chromium firefox webkit)
endif()

# The tools, each found once; a cache variable may name another, or a path that is not there.
# Debian's python is named explicitly: a python3 earlier on PATH may be another installation.
find_program(QUILLMARK_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QUILLMARK_NODE node)
find_program(QUILLMARK_XVFB Xvfb)
find_program(QUILLMARK_XDOTOOL xdotool)
find_program(QUILLMARK_IMAGEMAGICK convert)
find_program(QUILLMARK_PNGQUANT pngquant)
find_program(QUILLMARK_ZOPFLIPNG zopflipng)
find_program(QUILLMARK_LINTIAN lintian)
find_program(QUILLMARK_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(QUILLMARK_APPSTREAMCLI appstreamcli)
find_program(QUILLMARK_MAN man)
find_program(QUILLMARK_FILE file)
find_program(QUILLMARK_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUILLMARK_CHROMIUM chromium PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QUILLMARK_FIREFOX firefox-esr PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QUILLMARK_WEBKIT_DRIVER WebKitWebDriver PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QUILLMARK_MINIBROWSER MiniBrowser PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/webkit2gtk-4.1 NO_DEFAULT_PATH)
set(QUILLMARK_PLAYWRIGHT_CLI ${CMAKE_CURRENT_SOURCE_DIR}/web/node_modules/@playwright/test/cli.js)
set(QUILLMARK_SITE_PAGE ${QUILLMARK_SITE_DIR}/index.html)
set(QUILLMARK_PYTHON_XLIB NO)
if(EXISTS "${QUILLMARK_PYTHON}")
  execute_process(COMMAND ${QUILLMARK_PYTHON} -c "import Xlib.ext.xtest" RESULT_VARIABLE xlib_missing
                  OUTPUT_QUIET ERROR_QUIET)
  if(xlib_missing EQUAL 0)
    set(QUILLMARK_PYTHON_XLIB YES)
  endif()
endif()

# What each tier needs: a tool's variable, or a condition, then what brings it, then the tiers.
set(QUILLMARK_LEFT_OUT "")
set(QUILLMARK_TO_INSTALL "")
foreach(need
    "QUILLMARK_PYTHON|python3|window,soak,gallery,web"
    "QUILLMARK_XVFB|xvfb|window,soak,gallery,firefox,webkit"
    "QUILLMARK_XDOTOOL|xdotool|window,soak,gallery"
    "QUILLMARK_IMAGEMAGICK|imagemagick|window,soak,gallery"
    "QUILLMARK_PYTHON_XLIB|python3-xlib|soak"
    "QUILLMARK_PNGQUANT|pngquant|gallery"
    "QUILLMARK_ZOPFLIPNG|zopfli|gallery"
    "QUILLMARK_LINTIAN|lintian|packaging"
    "QUILLMARK_DESKTOP_FILE_VALIDATE|desktop-file-utils|packaging"
    "QUILLMARK_APPSTREAMCLI|appstream|packaging"
    "QUILLMARK_MAN|man-db|packaging"
    "QUILLMARK_FILE|file|packaging"
    "QUILLMARK_DPKG_SHLIBDEPS|dpkg-dev|packaging"
    "QUILLMARK_NODE|nodejs|page-logic,packaging,gallery,web"
    "QUILLMARK_PLAYWRIGHT_CLI|Playwright and action-validator (npm ci --prefix tests/web)|packaging,gallery,web"
    "QUILLMARK_SITE_PAGE|the page built in ${QUILLMARK_SITE_DIR} (cmake --preset web && cmake --build --preset web)|gallery,web"
    "QUILLMARK_CHROMIUM|chromium|gallery,chromium"
    "QUILLMARK_FIREFOX|firefox-esr|firefox"
    "QUILLMARK_WEBKIT_DRIVER|webkit2gtk-driver|webkit"
    "QUILLMARK_MINIBROWSER|libwebkit2gtk-4.1-0|webkit")
  string(REPLACE "|" ";" need "${need}")
  list(GET need 0 variable)
  list(GET need 1 what)
  list(GET need 2 tiers)
  string(REPLACE "," ";" tiers "${tiers}")
  if("${${variable}}" STREQUAL "YES" OR EXISTS "${${variable}}")
    continue()
  endif()
  foreach(tier IN LISTS tiers)
    if(tier IN_LIST QUILLMARK_TIERS)
      list(APPEND QUILLMARK_LEFT_OUT ${tier})
      list(APPEND QUILLMARK_TO_INSTALL "${what}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES QUILLMARK_TO_INSTALL)
set(QUILLMARK_TIERS_LEFT_OUT "")
foreach(tier IN LISTS QUILLMARK_TIERS)
  if(tier IN_LIST QUILLMARK_LEFT_OUT)
    set(QUILLMARK_TIER_${tier} OFF)
    list(APPEND QUILLMARK_TIERS_LEFT_OUT ${tier})
  else()
    set(QUILLMARK_TIER_${tier} ON)
  endif()
endforeach()

# The tools as found, for the tests' environment: the browser tests start these, not Debian's paths
# (tests/web/*.mjs fall back to those only when run without ctest).
set(QUILLMARK_TOOL_ENVIRONMENT "")
foreach(tool PYTHON XVFB XDOTOOL CHROMIUM FIREFOX WEBKIT_DRIVER MINIBROWSER)
  if(EXISTS "${QUILLMARK_${tool}}")
    list(APPEND QUILLMARK_TOOL_ENVIRONMENT "QUILLMARK_${tool}=${QUILLMARK_${tool}}")
  endif()
endforeach()

if(QUILLMARK_TIERS_LEFT_OUT)
  string(REPLACE ";" ", " left_out "${QUILLMARK_TIERS_LEFT_OUT}")
  string(REPLACE ";" ", " to_install "${QUILLMARK_TO_INSTALL}")
  if(QUILLMARK_REQUIRE_ALL_TIERS)
    set(severity FATAL_ERROR)
  else()
    set(severity NOTICE)
  endif()
  message(${severity} "Tests left out, their tools missing: ${left_out}. To run them, install: ${to_install}; "
    "or run scripts/test.sh, which installs Debian 12's packages and builds the page.")
endif()
