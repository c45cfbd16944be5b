# Warning and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports std::string concatenation inlined at -O2 and above as overlapping
  # memcpy (a known false positive of that release, fixed in GCC 13).
  add_compile_options(-Wno-restrict)
endif()
if(OSKEL_WERROR)
  add_compile_options(-Werror)
endif()
if(OSKEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(OSKEL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
