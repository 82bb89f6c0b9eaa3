target_sources(brinox_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/identification_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_identify_test.cpp
)
target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/identdlg_ui_test.cpp)
