# Puts the game's data files beside the executable. The settings file is copied only when there is
# none yet, so that a player's saved dice.ini survives every rebuild.
file(GLOB assets "${SOURCE}/*")
foreach(asset ${assets})
  get_filename_component(name "${asset}" NAME)
  if(name STREQUAL "dice.ini" AND EXISTS "${DESTINATION}/dice.ini")
    continue()
  endif()
  file(COPY "${asset}" DESTINATION "${DESTINATION}")
endforeach()
