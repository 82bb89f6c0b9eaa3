# The descendants window, its walk and its report.
target_sources(brinox_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/descendants.cpp
    ${CMAKE_CURRENT_LIST_DIR}/descendants_report.cpp
)
target_sources(brinox_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/afstamdlg.cpp)
