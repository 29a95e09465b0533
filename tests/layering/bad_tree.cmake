# Builds a small tree with one include that breaks each kind of rule, and
# one file that keeps them, and expects the checker to name exactly the bad.
# The window library's header: only platform/sdl may name it.
set(window_header "<SDL.h>")
file(REMOVE_RECURSE "${TREE}")
file(WRITE "${TREE}/games/pellandine/Game.cpp" "#include ${window_header}\n#include \"gamekit/ui/Menu.h\"\n")
file(WRITE "${TREE}/games/pellandine/rules/Rules.cpp"
  "#include <vector>\n#include \"gamekit/cards/PokerShoe.h\"\n#include \"gamekit/ui/Menu.h\"\n")
file(WRITE "${TREE}/games/pellandine/rules/Peek.h" "#include \"games/reflection/rules/Move.h\"\n")
file(WRITE "${TREE}/gamekit/cards/CardDeck.cpp" "#include \"platform/Windows.h\"\n")
file(WRITE "${TREE}/gamekit/graphics/Panel.cpp" "#include \"../shell/Shell.h\"\n")
file(WRITE "${TREE}/gamekit/shell/Shell.cpp" "#include \"games/reflection/table/Table.h\"\n")
file(WRITE "${TREE}/tools/pellandine-sim/main.cpp" "#include \"gamekit/cards/CardDrawing.h\"\n")
file(WRITE "${TREE}/platform/sdl/Window.cpp" "#include ${window_header}\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${TREE} -P ${CHECKER}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "the checker passed a tree that breaks the layering:\n${out}${err}")
endif()
string(REPLACE "\n  " " " err "${err}")
foreach(expected
    "games/pellandine/Game.cpp: #include ${window_header}"
    "games/pellandine/rules/Rules.cpp: #include gamekit/ui/Menu.h"
    "games/pellandine/rules/Peek.h: #include games/reflection/rules/Move.h"
    "gamekit/cards/CardDeck.cpp: #include platform/Windows.h"
    "gamekit/graphics/Panel.cpp: #include gamekit/shell/Shell.h"
    "gamekit/shell/Shell.cpp: #include games/reflection/table/Table.h"
    "tools/pellandine-sim/main.cpp: #include gamekit/cards/CardDrawing.h")
  string(FIND "${err}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the checker did not name \"${expected}\":\n${err}")
  endif()
endforeach()
foreach(kept "Game.cpp: #include gamekit/ui/Menu.h" "PokerShoe.h" "<vector>" "platform/sdl/Window.cpp")
  string(FIND "${err}" "${kept}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the checker refused \"${kept}\", which keeps the rules:\n${err}")
  endif()
endforeach()
