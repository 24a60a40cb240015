# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the language level, warnings and sanitizer flags;
# every target of the project links it instead of setting flags of its own.
add_library(kr_build_flags INTERFACE)
target_compile_features(kr_build_flags INTERFACE cxx_std_20)
target_compile_options(kr_build_flags INTERFACE -Wall -Wextra)
target_include_directories(kr_build_flags INTERFACE ${PROJECT_SOURCE_DIR})

if(KR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT KR_SANITIZE STREQUAL "")
    message(FATAL_ERROR "KR_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++-14) and no KR_SANITIZE")
  endif()
  # Coverage for libFuzzer in every library; the harnesses link the fuzzer's main themselves.
  target_compile_options(kr_build_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kr_build_flags INTERFACE -fsanitize=address,undefined)
elseif(KR_SANITIZE STREQUAL "address")
  target_compile_options(kr_build_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kr_build_flags INTERFACE -fsanitize=address,undefined)
elseif(KR_SANITIZE STREQUAL "thread")
  target_compile_options(kr_build_flags INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(kr_build_flags INTERFACE -fsanitize=thread)
elseif(NOT KR_SANITIZE STREQUAL "")
  message(FATAL_ERROR "KR_SANITIZE must be empty, address or thread")
endif()

# A folder's library: every .cpp and .h in the calling folder, except main.cpp, linked to the
# libraries given after the name. Until the folder holds code the target is an empty interface.
function(kr_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC kr_build_flags ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE kr_build_flags ${ARGN})
  endif()
endfunction()
