# The identification window: its name line, photo sequence and photo box,
# and the window itself.
target_sources(brinox_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/identification.cpp)
target_sources(brinox_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/identdlg.cpp)
