# The browser build (Emscripten, no SDL). Included by platform/CMakeLists.txt
# in place of the host's libraries: the core without the PNG writer (no
# screenshots are written in a page), the host's instance lock and the
# host store, which the browser's versions replace.
set(WEB_DIR ${CMAKE_CURRENT_SOURCE_DIR}/web)
list(REMOVE_ITEM PLATFORM_CORE_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/core/Png.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/Instance.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/HostStore.cpp)
add_library(platform_core STATIC ${PLATFORM_CORE_SOURCES}
  ${WEB_DIR}/WebInstance.cpp ${WEB_DIR}/WebStore.cpp ${WEB_DIR}/WebPng.cpp)
target_include_directories(platform_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
target_include_directories(platform_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core)
target_compile_options(platform_core PRIVATE -include ${WEB_DIR}/HostCompat.h)

# Every byte is downloaded: -O2 (what Asyncify's code needs to stay quick)
# rather than the -O3 of Release, here and for the directories after this one.
foreach(flags CMAKE_C_FLAGS_RELEASE CMAKE_CXX_FLAGS_RELEASE)
  set(${flags} "-O2 -DNDEBUG")
  set(${flags} "-O2 -DNDEBUG" PARENT_SCOPE)
endforeach()
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-O2" PARENT_SCOPE)

# Emscripten's linker runs JavaScript tools that need Debian's Node modules
# (acorn), also when the build is started by hand.
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")

# Every program (and the installer, which links the core alone) is a module
# the page starts: the modal loops wait through Asyncify, the device root is
# mounted from IndexedDB before main, and the runtime ends with the program
# so that its exit code and at-exit saves happen. The page calls main
# itself (site/page.js), as an asynchronous call whose end it sees.
target_link_options(platform_core INTERFACE
  -sASYNCIFY=1
  -sASYNCIFY_STACK_SIZE=65536
  -sEXIT_RUNTIME=1
  -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=33554432
  -sTOTAL_STACK=1048576
  -sMODULARIZE=1
  -sEXPORT_NAME=startDeckhollowModule
  -sENVIRONMENT=web
  -sEXPORTED_RUNTIME_METHODS=[FS,ENV,UTF8ToString,ccall,allocateUTF8]
  -sEXPORTED_FUNCTIONS=[_main,_malloc]
  -lidbfs.js
  --pre-js ${WEB_DIR}/module.js)
set_property(TARGET platform_core APPEND PROPERTY INTERFACE_LINK_DEPENDS ${WEB_DIR}/module.js)

add_library(platform STATIC ${WEB_DIR}/WebBackend.cpp ${WEB_DIR}/WebStart.cpp)
target_include_directories(platform PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core)
target_link_libraries(platform PUBLIC platform_core)

# The page around the modules: build-web/site holds index.html, the
# program page, its script and style, and each program's .js and .wasm.
# Adding a program to the browser is one line here (target and title).
set(DECKHOLLOW_WEB_PROGRAMS
  "reflection|Vuzurovoro Dazozivad"
  "pellandine|Pellandine"
  "velloran|Velloran"
  "cribbage|Cribbage"
  "gallery|Toolkit gallery")
set(WEB_SITE ${CMAKE_BINARY_DIR}/site)
set(WEB_PROGRAM_LIST "")
set(WEB_PROGRAM_TARGETS "")
foreach(entry IN LISTS DECKHOLLOW_WEB_PROGRAMS)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 title)
  string(APPEND WEB_PROGRAM_LIST "      <li><a href=\"program.html?p=${name}\">${title}</a> <small>(${name})</small></li>\n")
  list(APPEND WEB_PROGRAM_TARGETS ${name})
endforeach()
list(APPEND WEB_PROGRAM_TARGETS deckhollow-install)
configure_file(${WEB_DIR}/site/index.html.in ${WEB_SITE}/index.html @ONLY)
set(WEB_PAGE_FILES "")
foreach(file program.html page.js page.css)
  add_custom_command(OUTPUT ${WEB_SITE}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${WEB_DIR}/site/${file} ${WEB_SITE}/${file}
    DEPENDS ${WEB_DIR}/site/${file})
  list(APPEND WEB_PAGE_FILES ${WEB_SITE}/${file})
endforeach()
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${WEB_SITE} PARENT_SCOPE)
# The targets `./play --web` and the browser test build, and no others.
add_custom_target(web_site DEPENDS ${WEB_PAGE_FILES})
add_dependencies(web_site ${WEB_PROGRAM_TARGETS})
