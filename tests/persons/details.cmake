target_sources(brinox_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/details_report_test.cpp)
target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/datadlg_ui_test.cpp)
