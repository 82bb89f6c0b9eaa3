# The person edit window and the rules behind it.
target_sources(brinox_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/date_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parent_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/person_edit.cpp
)
target_sources(brinox_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/wijzigdlg.cpp
)
