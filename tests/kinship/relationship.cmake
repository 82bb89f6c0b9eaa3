target_sources(brinox_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/relationship_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_relation_test.cpp
)
target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fam5u11_ui_test.cpp)
