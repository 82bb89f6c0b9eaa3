# The relationship finder: its trees and words, and its drawings.
target_sources(brinox_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/relationship.cpp
    ${CMAKE_CURRENT_LIST_DIR}/relationship_drawing.cpp
)
