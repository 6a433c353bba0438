# yukipom_add_qtest(<name> SOURCES <files...> LIBS <targets...> [ENV <k=v>...])
# One Qt Test executable, registered with CTest and run headless.
function(yukipom_add_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE yukipom_source_root Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;${T_ENV}"
    TIMEOUT 600)
endfunction()
