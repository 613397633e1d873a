# Lays out data/ and maps/ beside the program. Pictures and tracks are drawn by our own
# tools at build time; a track's data.txt that already exists is never overwritten
# (it holds the player's best time).
set(DATA_DIR ${CMAKE_BINARY_DIR}/data)
set(MAPS_DIR ${CMAKE_BINARY_DIR}/maps)

set(FONT_FILES ${DATA_DIR}/Digir___.ttf "${DATA_DIR}/Adventure Subtitles.ttf")
add_custom_command(
  OUTPUT ${FONT_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/fonts/KurvenjagdSegment-Regular.ttf ${DATA_DIR}/Digir___.ttf
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/fonts/Quicksand-Medium.ttf "${DATA_DIR}/Adventure Subtitles.ttf"
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/fonts/DSEG-LICENSE.txt ${CMAKE_SOURCE_DIR}/assets/fonts/Quicksand-LICENSE.txt ${DATA_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/assets/fonts/KurvenjagdSegment-Regular.ttf ${CMAKE_SOURCE_DIR}/assets/fonts/Quicksand-Medium.ttf
  COMMENT "Laying out the fonts in data/")

set(GAME_DATA_OUTPUTS ${FONT_FILES})
if(TARGET kurvenjagd-art)
  set(ART_FILES ${DATA_DIR}/car.png ${DATA_DIR}/bg.jpg ${DATA_DIR}/arrowr.png ${DATA_DIR}/arrowl.png)
  add_custom_command(
    OUTPUT ${ART_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DATA_DIR}
    COMMAND kurvenjagd-art ${DATA_DIR}
    DEPENDS kurvenjagd-art
    COMMENT "Drawing the game's pictures in data/")
  list(APPEND GAME_DATA_OUTPUTS ${ART_FILES})
endif()
if(TARGET kurvenjagd-trackgen)
  add_custom_command(
    OUTPUT ${MAPS_DIR}/.bundled
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MAPS_DIR}
    COMMAND kurvenjagd-trackgen --bundle ${MAPS_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${MAPS_DIR}/.bundled
    DEPENDS kurvenjagd-trackgen
    COMMENT "Generating the bundled tracks in maps/")
  list(APPEND GAME_DATA_OUTPUTS ${MAPS_DIR}/.bundled)
endif()
add_custom_target(game_data ALL DEPENDS ${GAME_DATA_OUTPUTS})
