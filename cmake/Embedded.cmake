# The form descriptions, built into the core as data. The main window's description carries the stored skin:
# the native tool formskin fills its template from skin/. A cross build cannot run that tool, so the Makefile
# hands it the description the native build made (UNIT1_DFM).
if(UNIT1_DFM)
  set(UNIT1_DESCRIPTION ${UNIT1_DFM})
elseif(WIN32)
  message(FATAL_ERROR "UNIT1_DFM must name the main window's description made by the native build")
else()
  add_executable(formskin ${CMAKE_SOURCE_DIR}/tools/formskin/FormSkin.cpp ${CMAKE_SOURCE_DIR}/src/skin/StoredSkin.cpp)
  target_include_directories(formskin PRIVATE ${CMAKE_SOURCE_DIR}/src)
  set(UNIT1_DESCRIPTION ${CMAKE_BINARY_DIR}/generated/Unit1.dfm)
  file(GLOB SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skin/*)
  add_custom_command(OUTPUT ${UNIT1_DESCRIPTION}
    COMMAND formskin ${CMAKE_SOURCE_DIR}/src/app/Unit1.dfm.in ${CMAKE_SOURCE_DIR}/skin ${UNIT1_DESCRIPTION}
    DEPENDS formskin ${CMAKE_SOURCE_DIR}/src/app/Unit1.dfm.in ${SKIN_FILES}
    COMMENT "Storing the skin in the main window's description")
  add_custom_target(unit1_description DEPENDS ${UNIT1_DESCRIPTION})
  add_dependencies(core unit1_description)
endif()
embed_file(core Unit1Description_data ${UNIT1_DESCRIPTION})
embed_file(core Unit2Description_data ${CMAKE_SOURCE_DIR}/src/app/Unit2.dfm)
