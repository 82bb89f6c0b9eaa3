# The registration of a person's marriages and steady relationships and its window.
target_sources(brinox_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/union_registration.cpp)
target_sources(brinox_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/huwdlg.cpp)
