# The details report of one person and its window.
target_sources(brinox_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/details_report.cpp)
target_sources(brinox_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/datadlg.cpp)
