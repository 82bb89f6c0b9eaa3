target_sources(brinox_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/date_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/person_edit_test.cpp
)
target_sources(brinox_ui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/wijzigdlg_ui_test.cpp
)
