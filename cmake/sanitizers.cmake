# Instrumented builds, each in a build directory of its own:
#   QUARVANE_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer over the
#                      whole build (scripts/test --sanitize, build-asan/);
#   QUARVANE_FUZZ      the same plus libFuzzer's coverage instrumentation, and
#                      the fuzz targets in fuzz/ (scripts/fuzz, build-fuzz/;
#                      clang only).
# Undefined behaviour stops the program at the first report, like a crash,
# so neither a test nor the fuzzer can run past it.
option(QUARVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUARVANE_FUZZ "Build the libFuzzer targets of fuzz/ (clang; instruments the whole build)" OFF)

if(QUARVANE_SANITIZE OR QUARVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QUARVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUARVANE_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
