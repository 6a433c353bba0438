# cmake -D PREVIEW=<yukipom-preview> -D WORK=<scratch folder> -D DOCS=<docs folder>
#       -P ReadmePictures.cmake
#
# Draws the README's pictures with the preview tool: a still of the globe in
# the middle of a show, and a short animated GIF of one pattern at the show's
# own ten frames a second.
cmake_minimum_required(VERSION 3.25)
foreach(var PREVIEW WORK DOCS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ReadmePictures.cmake needs -D ${var}=...")
  endif()
endforeach()
find_program(CONVERT convert REQUIRED)  # ImageMagick

set(still_pattern tatumaki)
set(still_tick 0072)
set(animated_pattern regular)
set(animated_first 40)
set(animated_count 60)

function(run_preview pattern ticks out)
  file(REMOVE_RECURSE "${out}")
  execute_process(COMMAND "${PREVIEW}" --pattern ${pattern} --ticks ${ticks} --out "${out}"
                  COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(MAKE_DIRECTORY "${DOCS}")
run_preview(${still_pattern} ${still_tick} "${WORK}/still")
file(COPY_FILE "${WORK}/still/tick-${still_tick}.png" "${DOCS}/screenshot.png")

math(EXPR animated_last "${animated_first} + ${animated_count} - 1")
run_preview(${animated_pattern} ${animated_last} "${WORK}/animated")
set(frames "")
foreach(tick RANGE ${animated_first} ${animated_last})
  string(LENGTH "000${tick}" length)
  math(EXPR start "${length} - 4")
  string(SUBSTRING "000${tick}" ${start} 4 name)
  list(APPEND frames "${WORK}/animated/tick-${name}.png")
endforeach()
execute_process(
  COMMAND "${CONVERT}" -delay 10 -loop 0 ${frames} +dither -layers Optimize "${DOCS}/show.gif"
  COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${DOCS}/screenshot.png and ${DOCS}/show.gif")
