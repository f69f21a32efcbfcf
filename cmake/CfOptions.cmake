# One place for the language standard, warnings and sanitizer switches of every target.
add_library(cf_options INTERFACE)
target_compile_features(cf_options INTERFACE cxx_std_20)
target_compile_options(cf_options INTERFACE -Wall -Wextra)
if(CF_SANITIZE)
  target_compile_options(cf_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                              -fno-sanitize-recover=undefined)
  target_link_options(cf_options INTERFACE -fsanitize=address,undefined)
endif()
