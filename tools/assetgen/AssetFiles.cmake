# Included by the top-level CMakeLists.txt before the tools. Compiles and runs
# assetlist, which asks the asset generator's own code what it writes, and
# includes what it says:
#   ORKCAVE_ASSET_FILES       every file the generator writes
#   ORKCAVE_ICON_SIZES        the desktop icon's sizes; ORKCAVE_ICON_FILE_<size> each one's file
#   ORKCAVE_WINDOW_SIZE       the game's window, WIDTHxHEIGHT, for the preview's screen
# Configuring again when any of its sources changes keeps the answer current.
set(assetlist_dir ${CMAKE_BINARY_DIR}/assetlist)
set(assetlist_sources ${CMAKE_CURRENT_LIST_DIR}/assetlist_main.cpp ${CMAKE_CURRENT_LIST_DIR}/Outputs.cpp
  ${CMAKE_SOURCE_DIR}/core/DataFiles.cpp)
try_run(assetlist_exit assetlist_built ${assetlist_dir} SOURCES ${assetlist_sources}
  CMAKE_FLAGS -DINCLUDE_DIRECTORIES=${CMAKE_SOURCE_DIR}
  LINK_LIBRARIES PkgConfig::ALLEGRO
  CXX_STANDARD 17
  CXX_STANDARD_REQUIRED ON
  COMPILE_OUTPUT_VARIABLE assetlist_compiled
  RUN_OUTPUT_VARIABLE assetlist_said
  ARGS ${assetlist_dir}/AssetFiles.cmake ${ORKCAVE_GAME_DIR} ${ORKCAVE_ICON_DIR})
if(NOT assetlist_built)
  message(FATAL_ERROR "assetlist did not compile:\n${assetlist_compiled}")
elseif(NOT assetlist_exit EQUAL 0)
  message(FATAL_ERROR "assetlist failed (${assetlist_exit}): ${assetlist_said}")
endif()
include(${assetlist_dir}/AssetFiles.cmake)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${assetlist_sources}
  ${CMAKE_CURRENT_LIST_DIR}/Outputs.h ${CMAKE_SOURCE_DIR}/core/DataFiles.h ${CMAKE_SOURCE_DIR}/core/Startup.h)
