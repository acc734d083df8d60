# The handbook: Markdown chapters in docs/handbook/<language>/ and the charts they show in
# docs/handbook/charts/. At build time the chapters are copied beside the programs (where the
# help window finds them, as it finds the examples), each chart is drawn by varnel-run into the
# picture its chapter shows, and the whole handbook is written as plain web pages.

set(VARNEL_HANDBOOK_SOURCE ${PROJECT_SOURCE_DIR}/docs/handbook)
set(VARNEL_HANDBOOK_BUILT ${CMAKE_BINARY_DIR}/src/handbook)
set(VARNEL_HANDBOOK_WEB ${CMAKE_BINARY_DIR}/handbook-html)

file(GLOB VARNEL_HANDBOOK_CHAPTERS CONFIGURE_DEPENDS ${VARNEL_HANDBOOK_SOURCE}/*/*.md)
file(GLOB VARNEL_HANDBOOK_CHARTS CONFIGURE_DEPENDS ${VARNEL_HANDBOOK_SOURCE}/charts/*.vnp)

set(VARNEL_HANDBOOK_FILES)
foreach(chapter ${VARNEL_HANDBOOK_CHAPTERS})
  file(RELATIVE_PATH relative ${VARNEL_HANDBOOK_SOURCE} ${chapter})
  add_custom_command(OUTPUT ${VARNEL_HANDBOOK_BUILT}/${relative}
    COMMAND ${CMAKE_COMMAND} -E copy ${chapter} ${VARNEL_HANDBOOK_BUILT}/${relative}
    DEPENDS ${chapter} VERBATIM)
  list(APPEND VARNEL_HANDBOOK_FILES ${VARNEL_HANDBOOK_BUILT}/${relative})
endforeach()

foreach(chart ${VARNEL_HANDBOOK_CHARTS})
  get_filename_component(name ${chart} NAME_WE)
  set(picture ${VARNEL_HANDBOOK_BUILT}/charts/${name}.png)
  add_custom_command(OUTPUT ${picture} ${VARNEL_HANDBOOK_BUILT}/charts/${name}.vnp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VARNEL_HANDBOOK_BUILT}/charts
    COMMAND ${CMAKE_COMMAND} -E copy ${chart} ${VARNEL_HANDBOOK_BUILT}/charts/${name}.vnp
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:varnel-run> --render ${picture} ${chart}
    DEPENDS ${chart} varnel-run VERBATIM)
  list(APPEND VARNEL_HANDBOOK_FILES ${picture})
endforeach()

add_executable(varnel-handbook-html ${PROJECT_SOURCE_DIR}/src/handbook/main.cpp)
target_link_libraries(varnel-handbook-html PRIVATE varnel_ui)

# One language after the other: both copy the pictures into the same folder.
set(VARNEL_HANDBOOK_PAGES)
foreach(language tr en)
  add_custom_command(OUTPUT ${VARNEL_HANDBOOK_WEB}/${language}/index.html
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:varnel-handbook-html> ${VARNEL_HANDBOOK_BUILT} ${VARNEL_HANDBOOK_WEB} ${language}
    DEPENDS ${VARNEL_HANDBOOK_FILES} ${VARNEL_HANDBOOK_PAGES} varnel-handbook-html
    COMMENT "Writing the handbook's web pages (${language})" VERBATIM)
  list(APPEND VARNEL_HANDBOOK_PAGES ${VARNEL_HANDBOOK_WEB}/${language}/index.html)
endforeach()

add_custom_target(varnel_handbook ALL DEPENDS ${VARNEL_HANDBOOK_FILES} ${VARNEL_HANDBOOK_PAGES})

if(VARNEL_TESTS)
  # Every chart a chapter shows runs and prints what the chapter says it prints.
  add_test(NAME handbook.charts
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/handbook/check-charts $<TARGET_FILE:varnel-run>
            ${VARNEL_HANDBOOK_SOURCE})
endif()
