# The terminal rendering of the Rasi chart; it needs nothing but the chart's captions.
add_library(tarvel_chart_text STATIC
  ${CMAKE_CURRENT_LIST_DIR}/chart_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_canvas.cpp
)
target_include_directories(tarvel_chart_text PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tarvel_chart_text PUBLIC tarvel_argala)
