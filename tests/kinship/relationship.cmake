target_sources(brinox_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/relationship_test.cpp)
