# levelkit: the level tool's library, shared with the level editor, which the
# Windows build makes without the tool.
add_library(levelkit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/level.cpp ${CMAKE_CURRENT_LIST_DIR}/namecodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/files.cpp ${CMAKE_CURRENT_LIST_DIR}/fileplatform.cpp ${CMAKE_CURRENT_LIST_DIR}/sourcefile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/levelfile.cpp ${CMAKE_CURRENT_LIST_DIR}/levelset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/levelcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/boardtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nonfile.cpp ${CMAKE_CURRENT_LIST_DIR}/gradetable.cpp ${CMAKE_CURRENT_LIST_DIR}/setcheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/benchmark.cpp ${CMAKE_CURRENT_LIST_DIR}/commands.cpp)
target_include_directories(levelkit PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(levelkit PUBLIC core)
