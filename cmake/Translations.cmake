# The interface's translations: translations/varnel_<language>.ts, kept with Qt Linguist
# (scripts/translations brings them up to date with the sources), compiled at build time to
# .qm files beside the programs, where the data folder is, and installed with the program.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(VARNEL_TS_FILES ${PROJECT_SOURCE_DIR}/translations/varnel_en.ts)
set_source_files_properties(${VARNEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/src/translations)
add_custom_target(varnel_translations ALL)
qt_add_lrelease(varnel_translations TS_FILES ${VARNEL_TS_FILES} QM_FILES_OUTPUT_VARIABLE VARNEL_QM_FILES)
install(FILES ${VARNEL_QM_FILES} DESTINATION share/varnel/translations)
