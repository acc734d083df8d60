# What a desktop and a distribution expect around the programs: the icon drawn at every theme
# size from the SVG, the manual pages, the AppStream metadata, the copyright file and the
# changelog; and, when installing straight into a prefix, the desktop's databases brought up
# to date. Included by Install.cmake.

# The repository's address, shown by the about box when the build names one.
set(VARNEL_REPOSITORY_URL "" CACHE STRING "Address of the project's source repository, shown in the about box")
if(VARNEL_REPOSITORY_URL)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/shell/WebLinks.cpp DIRECTORY ${PROJECT_SOURCE_DIR}/src
    APPEND PROPERTY COMPILE_DEFINITIONS "VARNEL_REPOSITORY_URL=\"${VARNEL_REPOSITORY_URL}\"")
endif()

set(VARNEL_APPSTREAM_ID org.example.varnel)
set(VARNEL_DESKTOP_BUILT ${CMAKE_BINARY_DIR}/desktop)
find_program(VARNEL_GZIP gzip REQUIRED)

# Icons: a small tool draws the SVG with Qt into each size of the hicolor theme.
add_executable(varnel-render-icon ${PROJECT_SOURCE_DIR}/cmake/tools/render-icon.cpp)
target_link_libraries(varnel-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(VARNEL_ICON_ARGUMENTS)
set(VARNEL_ICONS)
set(VARNEL_ICON_FOLDERS)
foreach(size 16 32 48 64 128 256)
  set(folder ${VARNEL_DESKTOP_BUILT}/icons/hicolor/${size}x${size}/apps)
  list(APPEND VARNEL_ICON_FOLDERS ${folder})
  list(APPEND VARNEL_ICON_ARGUMENTS ${size} ${folder}/varnel.png)
  list(APPEND VARNEL_ICONS ${folder}/varnel.png)
endforeach()
add_custom_command(OUTPUT ${VARNEL_ICONS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VARNEL_ICON_FOLDERS}
  COMMAND varnel-render-icon ${VARNEL_LINUX_DATA}/varnel.svg ${VARNEL_ICON_ARGUMENTS}
  DEPENDS ${VARNEL_LINUX_DATA}/varnel.svg varnel-render-icon
  COMMENT "Drawing the icon at the theme's sizes" VERBATIM)

# Manual pages and the changelog are installed compressed, without names or times inside,
# so that two builds give the same bytes.
set(VARNEL_COMPRESSED)
foreach(source docs/man/varnel.1 docs/man/varnel-run.1 cmake/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(copy ${VARNEL_DESKTOP_BUILT}/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${copy}
    COMMAND ${VARNEL_GZIP} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND VARNEL_COMPRESSED ${copy}.gz)
endforeach()

add_custom_target(varnel_desktop_files ALL DEPENDS ${VARNEL_ICONS} ${VARNEL_COMPRESSED})

install(FILES ${VARNEL_LINUX_DATA}/varnel.svg DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${VARNEL_DESKTOP_BUILT}/icons/ DESTINATION share/icons)
install(FILES ${VARNEL_LINUX_DATA}/varnel.desktop DESTINATION share/applications)
install(FILES ${VARNEL_LINUX_DATA}/varnel.xml DESTINATION share/mime/packages)
install(FILES ${VARNEL_LINUX_DATA}/${VARNEL_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${VARNEL_DESKTOP_BUILT}/varnel.1.gz ${VARNEL_DESKTOP_BUILT}/varnel-run.1.gz DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${VARNEL_DESKTOP_BUILT}/changelog.gz
        DESTINATION share/doc/varnel)

# Straight into a prefix (no DESTDIR: not a package, whose triggers do this), the type and the
# entry are known to the desktop at once.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(VARNEL_UPDATE_MIME update-mime-database)
    if(VARNEL_UPDATE_MIME)
      execute_process(COMMAND ${VARNEL_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
    endif()
    find_program(VARNEL_UPDATE_DESKTOP update-desktop-database)
    if(VARNEL_UPDATE_DESKTOP)
      execute_process(COMMAND ${VARNEL_UPDATE_DESKTOP} -q "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])

# The README's pictures, redrawn on demand (`cmake --build build --target varnel_screenshot`):
# the main window after a run with its console beside it, grabbed offscreen, and the same chart
# drawn by varnel-run --render.
if(TARGET varnel)
  set(VARNEL_SCREENSHOT_CHART ${PROJECT_SOURCE_DIR}/data/Examples/test07_loop.vnp)
  add_executable(varnel-screenshot EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/docs/screenshot/main.cpp)
  target_link_libraries(varnel-screenshot PRIVATE varnel_ui)
  add_custom_target(varnel_screenshot
    COMMAND varnel-screenshot ${VARNEL_SCREENSHOT_CHART} ${PROJECT_SOURCE_DIR}/docs/screenshot.png
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:varnel-run> --render ${PROJECT_SOURCE_DIR}/docs/chart.png ${VARNEL_SCREENSHOT_CHART}
    DEPENDS varnel-screenshot varnel-run VERBATIM)
endif()
