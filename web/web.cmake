# The browser build, configured with emcmake by `make web`: the core, the command line and the
# web page's bridge compiled to one WebAssembly module, which both the page (build-web/site/) and
# the Node runner (build-web/varnello-cli.mjs) load.
#
# Inputs: VARNELLO_HOST_HAN_PINYIN, the generated pinyin table of a native build (its generator
# needs ICU, which the browser build has not), and web/node_modules (npm ci): simdjson's
# amalgamated source, which Debian's package does not ship.

if(NOT VARNELLO_HOST_HAN_PINYIN OR NOT EXISTS ${VARNELLO_HOST_HAN_PINYIN})
  message(FATAL_ERROR "VARNELLO_HOST_HAN_PINYIN must name the generated han_pinyin.cpp of a native build")
endif()
set(VARNELLO_HAN_PINYIN ${VARNELLO_HOST_HAN_PINYIN})

# Amounts throw arithmetic faults as exceptions: catching them needs exception support.
add_compile_options(-fexceptions "SHELL:-include ${PROJECT_SOURCE_DIR}/web/compat/library_gaps.h")
add_link_options(-fexceptions)

# The header-only libraries of the host's Debian packages, each folder linked into a folder of
# its own so that the compiler sees no other host header.
set(VARNELLO_WEB_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${VARNELLO_WEB_HEADERS})
foreach(pair "fast_float=/usr/include/fast_float" "fmt=/usr/include/fmt" "dragonbox=/usr/include/dragonbox-1.1.3/dragonbox")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 link)
  list(GET pair 1 target)
  if(NOT EXISTS ${target})
    message(FATAL_ERROR "${target} is missing: run scripts/install-deps.sh")
  endif()
  file(CREATE_LINK ${target} ${VARNELLO_WEB_HEADERS}/${link} SYMBOLIC)
endforeach()
add_library(varnello_number_headers INTERFACE)
target_include_directories(varnello_number_headers SYSTEM INTERFACE ${VARNELLO_WEB_HEADERS})

set(VARNELLO_SIMDJSON_SOURCE ${PROJECT_SOURCE_DIR}/web/node_modules/@nozbe/simdjson/src)
if(NOT EXISTS ${VARNELLO_SIMDJSON_SOURCE}/simdjson.cpp)
  message(FATAL_ERROR "simdjson's source is missing: run npm ci in web/")
endif()
add_library(varnello_simdjson STATIC ${VARNELLO_SIMDJSON_SOURCE}/simdjson.cpp)
target_include_directories(varnello_simdjson SYSTEM PUBLIC ${VARNELLO_SIMDJSON_SOURCE})
target_compile_options(varnello_simdjson PRIVATE -w)
add_library(simdjson::simdjson ALIAS varnello_simdjson)

set(VARNELLO_SITE ${CMAKE_BINARY_DIR}/site)
set(VARNELLO_SITE_FILES index.html app.js style.css manifest.webmanifest icon.svg icon-192.png icon-512.png)

# Turns the command line target into the module: ES module, run on demand (callMain) any
# number of times, with standard input and output handed over by the page or the runner.
function(varnello_web_site target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/web/bridge.cpp)
  target_compile_definitions(${target} PRIVATE VARNELLO_VERSION="${PROJECT_VERSION}")
  set_target_properties(${target} PROPERTIES OUTPUT_NAME varnello SUFFIX .mjs
                        RUNTIME_OUTPUT_DIRECTORY ${VARNELLO_SITE})
  target_link_options(${target} PRIVATE
    -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=createVarnello -sINVOKE_RUN=0 -sEXIT_RUNTIME=0
    -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web,node -sFILESYSTEM=1 -lnodefs.js
    "-sEXPORTED_FUNCTIONS=['_main','_varnello_layout','_varnello_reset_input','_varnello_field_note','_varnello_balance_marks']"
    "-sEXPORTED_RUNTIME_METHODS=['callMain','FS','UTF8ToString','stringToUTF8','lengthBytesUTF8','ccall']")
  set(copied "")
  foreach(file IN LISTS VARNELLO_SITE_FILES)
    add_custom_command(OUTPUT ${VARNELLO_SITE}/${file}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/site/${file} ${VARNELLO_SITE}/${file}
      DEPENDS ${PROJECT_SOURCE_DIR}/web/site/${file})
    list(APPEND copied ${VARNELLO_SITE}/${file})
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/varnello-cli.mjs
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/varnello-cli.mjs ${CMAKE_BINARY_DIR}/varnello-cli.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/varnello-cli.mjs)
  # The files the worker caches, joined by commas to pass as one argument.
  string(REPLACE ";" "," worker_files "${VARNELLO_SITE_FILES};varnello.mjs;varnello.wasm")
  # The service worker names the build it caches by a digest of the site's files, so that a new
  # build served is a new worker, which replaces the cached files.
  add_custom_command(OUTPUT ${VARNELLO_SITE}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${VARNELLO_SITE} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/site/sw.js
            -DFILES=${worker_files} -P ${PROJECT_SOURCE_DIR}/web/stamp-worker.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/web/site/sw.js ${PROJECT_SOURCE_DIR}/web/stamp-worker.cmake ${copied} ${target})
  add_custom_target(web_files ALL DEPENDS ${copied} ${VARNELLO_SITE}/sw.js ${CMAKE_BINARY_DIR}/varnello-cli.mjs)
endfunction()
