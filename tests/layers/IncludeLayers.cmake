# Run as: cmake -DSOURCE_DIR=<checkout> -P IncludeLayers.cmake
#
# The program's folders from the bottom layer up. A file may include headers of its own folder and
# of the folders before it, never of a folder after it: so the core never reaches into the windows,
# the dialogs never into the table (app/), and no two folders include each other.
set(layers settings game state net server platform ui/widgets ui/chart ui/options ui/settings ui/stats ui/net app)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
list(FILTER sources EXCLUDE REGEX "^(tests|bench|tools|build|assets)/")

set(faults "")
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  list(FIND layers "${folder}" rank)
  if(rank EQUAL -1)
    list(APPEND faults "${source}: its folder has no place in the layers")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
    get_filename_component(included ${header} DIRECTORY)
    list(FIND layers "${included}" includedRank)
    if(includedRank EQUAL -1 OR includedRank GREATER rank)
      list(APPEND faults "${source}: includes ${header}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " report)
  message(FATAL_ERROR "Includes against the layers (${layers}):\n  ${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include only their own and lower layers")
