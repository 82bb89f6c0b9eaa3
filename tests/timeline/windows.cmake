target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/timeline_ui_test.cpp)
target_sources(brinox_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/shipped_history_test.cpp)
target_compile_definitions(brinox_core_tests PRIVATE BRINOX_SHIPPED_DIR="${PROJECT_SOURCE_DIR}/data/shipped")
