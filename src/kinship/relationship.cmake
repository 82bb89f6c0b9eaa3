# The relationship finder: its trees and words, its drawings, and its window.
target_sources(brinox_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/relationship.cpp
    ${CMAKE_CURRENT_LIST_DIR}/relationship_drawing.cpp
)
target_sources(brinox_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fam5u11.cpp)
