# cmake -D FROM=<rendered folder> -D TO=<program folder> -D RECORD=<file>
#       -D NAMES=<file;names> -P PlaceSongs.cmake
#
# Copies each rendered song into the program folder where no file of that
# name is there yet, or where the file there is the one this script wrote
# last (its SHA-256 is kept in RECORD). Any other file there was put there by
# someone else and is left alone.
cmake_minimum_required(VERSION 3.25)
foreach(var FROM TO RECORD NAMES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "PlaceSongs.cmake needs -D ${var}=...")
  endif()
endforeach()

set(written "")
if(EXISTS "${RECORD}")
  file(STRINGS "${RECORD}" written)
endif()

file(MAKE_DIRECTORY "${TO}")
set(record "")
foreach(name IN LISTS NAMES)
  set(destination "${TO}/${name}")
  file(SHA256 "${FROM}/${name}" rendered_hash)
  if(EXISTS "${destination}")
    file(SHA256 "${destination}" present_hash)
    if(present_hash STREQUAL rendered_hash)
      list(APPEND record "${name} ${rendered_hash}")
      continue()
    endif()
    if(NOT "${name} ${present_hash}" IN_LIST written)
      message(STATUS "Keeping ${destination}: this build did not write it")
      continue()
    endif()
  endif()
  message(STATUS "Placing ${name} next to the program")
  file(COPY_FILE "${FROM}/${name}" "${destination}")
  list(APPEND record "${name} ${rendered_hash}")
endforeach()

list(JOIN record "\n" record)
file(WRITE "${RECORD}" "${record}\n")
