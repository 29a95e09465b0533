# The layering of the source tree, checked on every include. These rules are
# the only statement of them the build has; DESIGN.md describes them.
#
#   cmake -DROOT=<source tree> -P check_layers.cmake
#
# Every .h and .cpp file under platform/, gamekit/, games/ and tools/ is read;
# each #include is resolved to a path from the root ("gamekit/ui/Menu.h"), a
# public platform header to "platform/...", and an angle include keeps its
# brackets ("<SDL.h>", "<vector>"). A file breaks a rule when it lies in the
# rule's FILES (and not its EXCEPT) and its include is FORBIDDEN, or is not
# ALLOWED, there.

# The card model: what gamekit_cards builds from, the headers the rules see.
set(MODEL "gamekit/containers/[A-Za-z]+\\.h|gamekit/cards/(PlayingCard|CardDeck|PokerShoe|Random|CardText)\\.h")
set(STD "<[a-z_0-9]+>")

set(rule_count 0)
function(layer_rule name)
  cmake_parse_arguments(R "" "FILES;EXCEPT;FORBIDDEN;ALLOWED" "" ${ARGN})
  math(EXPR n "${rule_count} + 1")
  set(rule_count ${n} PARENT_SCOPE)
  foreach(field NAME FILES EXCEPT FORBIDDEN ALLOWED)
    set(value "${R_${field}}")
    if(field STREQUAL "NAME")
      set(value "${name}")
    endif()
    set(RULE_${n}_${field} "${value}" PARENT_SCOPE)
  endforeach()
endfunction()

layer_rule("only the desktop backend includes SDL"
  FILES ".*" EXCEPT "^platform/sdl/" FORBIDDEN "^<SDL")
layer_rule("the platform includes no framework, game or tool"
  FILES "^platform/" FORBIDDEN "^(gamekit|games|tools)/")
layer_rule("the framework includes no game or tool"
  FILES "^gamekit/" FORBIDDEN "^(games|tools)/")
layer_rule("the card model includes only itself and the standard library"
  FILES "^gamekit/(containers/|cards/(PlayingCard|CardDeck|PokerShoe|Random|CardText)\\.)"
  ALLOWED "^(${MODEL}|${STD})$")
layer_rule("graphics includes no widgets, shell or sound"
  FILES "^gamekit/graphics/" FORBIDDEN "^gamekit/(ui|shell|sound)/")
layer_rule("the widgets include no shell"
  FILES "^gamekit/ui/" FORBIDDEN "^gamekit/shell/")
layer_rule("a game's rules include only the card model, rules and the standard library"
  FILES "^games/[^/]+/rules/" ALLOWED "^(${MODEL}|games/[^/]+/rules/.*|${STD})$")
layer_rule("a game includes no tool"
  FILES "^games/" FORBIDDEN "^tools/")
layer_rule("a simulator includes only rules, the card model and the simulators' options"
  FILES "^tools/[^/]+-sim/"
  ALLOWED "^(${MODEL}|games/[^/]+/rules/.*|tools/[^/]+-sim/.*|tools/sim-options/.*|${STD})$")

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_layers.cmake")
endif()

file(GLOB_RECURSE files RELATIVE "${ROOT}"
  "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp" "${ROOT}/gamekit/*.h" "${ROOT}/gamekit/*.cpp"
  "${ROOT}/games/*.h" "${ROOT}/games/*.cpp" "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp")
list(SORT files)

set(faults "")
set(checked 0)
foreach(file IN LISTS files)
  get_filename_component(dir "${file}" DIRECTORY)
  file(STRINGS "${ROOT}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(line MATCHES "include[ \t]*<([^>]+)>")
      set(target "<${CMAKE_MATCH_1}>")
    elseif(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(target "${CMAKE_MATCH_1}")
      if(NOT target MATCHES "^(gamekit|games|tools|platform|tests)/")
        # Relative to the including file.
        get_filename_component(absolute "${ROOT}/${dir}/${target}" ABSOLUTE)
        file(RELATIVE_PATH target "${ROOT}" "${absolute}")
      endif()
    else()
      continue()
    endif()
    math(EXPR checked "${checked} + 1")

    foreach(n RANGE 1 ${rule_count})
      if(NOT file MATCHES "${RULE_${n}_FILES}")
        continue()
      endif()
      if(RULE_${n}_EXCEPT AND file MATCHES "${RULE_${n}_EXCEPT}")
        continue()
      endif()
      if((RULE_${n}_FORBIDDEN AND target MATCHES "${RULE_${n}_FORBIDDEN}") OR
         (RULE_${n}_ALLOWED AND NOT target MATCHES "${RULE_${n}_ALLOWED}"))
        string(APPEND faults "${file}: #include ${target}: ${RULE_${n}_NAME}\n")
      endif()
    endforeach()

    # A game includes no other game.
    if(file MATCHES "^games/([^/]+)/")
      set(game "${CMAKE_MATCH_1}")
      if(target MATCHES "^games/([^/]+)/" AND NOT CMAKE_MATCH_1 STREQUAL game)
        string(APPEND faults "${file}: #include ${target}: a game includes no other game\n")
      endif()
    endif()
  endforeach()
endforeach()

list(LENGTH files file_count)
if(faults)
  message(FATAL_ERROR "includes that break the layering:\n${faults}")
endif()
message(STATUS "layering: ${file_count} files, ${checked} includes, all within the rules")
