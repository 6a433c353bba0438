# YUKIPOM_SANITIZE builds everything with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer. Undefined behaviour ends the
# process like a memory error does, so no report can pass unnoticed.
option(YUKIPOM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(YUKIPOM_SANITIZE)
  set(YUKIPOM_SANITIZER_FLAGS
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Light optimisation and line tables only: reports still name file and
  # line, and the instrumented tree builds in far less time. Assertions
  # stay on, as further checks.
  add_compile_options(${YUKIPOM_SANITIZER_FLAGS} -O1 -gline-tables-only -UNDEBUG)
  add_link_options(${YUKIPOM_SANITIZER_FLAGS})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # Coverage counters for libFuzzer: the fuzz targets link these same
    # libraries, and the tests run unharmed with the counters in.
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()
