# Writes the AppStream metainfo from its template into OUTPUT_DIR, named after
# its component id. Software centres take screenshots only from web addresses
# and the program has no site of its own: given the https address under which
# docs/screenshots are published, the listing names its screenshots there;
# without one it lists none rather than addresses that lead nowhere.
#
# Included by packaging/CMakeLists.txt, or run on its own (scripts/check_install.sh):
#   cmake -DTEMPLATE=IN -DOUTPUT_DIR=DIR [-DSCREENSHOT_URL=https://...] -P metainfo.cmake
function(vadelon_write_metainfo template output_dir screenshot_url written)
  file(READ "${template}" text)
  if(NOT text MATCHES "<id>([a-z0-9.]+)</id>")
    message(FATAL_ERROR "${template} names no component id")
  endif()
  set(output "${output_dir}/${CMAKE_MATCH_1}.metainfo.xml")
  if(screenshot_url STREQUAL "")
    string(REGEX REPLACE "\n *<screenshots>.*</screenshots>\n" "\n" text "${text}")
  elseif(NOT screenshot_url MATCHES "^https://[^ <>&\"]+[^/ <>&\"]$")
    message(FATAL_ERROR "The screenshot address must be an https URL without a trailing slash: ${screenshot_url}")
  endif()
  string(REPLACE "@VADELON_SCREENSHOT_URL@" "${screenshot_url}" text "${text}")
  file(WRITE "${output}" "${text}")
  set(${written} "${output}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT DEFINED SCREENSHOT_URL)
    set(SCREENSHOT_URL "")
  endif()
  vadelon_write_metainfo("${TEMPLATE}" "${OUTPUT_DIR}" "${SCREENSHOT_URL}" written)
  message(STATUS "${written}")
endif()
