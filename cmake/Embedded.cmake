# The form descriptions, built into the core as data. The main window's description receives the stored skin
# (its definition lines and pictures) from STORED_SKIN_DFM, made by the native storeskin tool; without it the
# stored skin stays empty.
set(UNIT1_DFM ${CMAKE_BINARY_DIR}/generated/Unit1.dfm)
if(STORED_SKIN_DFM AND EXISTS ${STORED_SKIN_DFM})
  file(READ ${STORED_SKIN_DFM} STORED_SKIN)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${STORED_SKIN_DFM})
else()
  set(STORED_SKIN "")
endif()
configure_file(${CMAKE_SOURCE_DIR}/src/app/Unit1.dfm.in ${UNIT1_DFM} @ONLY)
embed_file(core Unit1Description_data ${UNIT1_DFM})
embed_file(core Unit2Description_data ${CMAKE_SOURCE_DIR}/src/app/Unit2.dfm)
