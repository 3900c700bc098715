# `cmake --graphviz=layers.dot` draws the game's libraries and programs: the stack of layers
# (README, Architecture) and what each program links. The test runners are left out.
set(GRAPHVIZ_GRAPH_NAME "Cindervane")
set(GRAPHVIZ_IGNORE_TARGETS "_tests$;_replay$;^GTest::")
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
