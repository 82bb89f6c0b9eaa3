# The descendants window, its walk and its report.
target_sources(brinox_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/descendants_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/descendants_report_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_descendants_test.cpp
)
target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/afstamdlg_ui_test.cpp)
