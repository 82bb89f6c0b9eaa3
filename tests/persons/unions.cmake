target_sources(brinox_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/union_registration_test.cpp)
target_sources(brinox_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/huwdlg_ui_test.cpp)
