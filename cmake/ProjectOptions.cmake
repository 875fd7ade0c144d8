# Compile options for the project's own targets: every warning is an error.
add_library(lumvek_options INTERFACE)
target_compile_options(lumvek_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-qual
  -Wformat=2 -Wundef -Werror)
target_include_directories(lumvek_options INTERFACE ${PROJECT_SOURCE_DIR})

if(LUMVEK_SANITIZE)
  target_compile_options(lumvek_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(lumvek_options INTERFACE -fsanitize=address,undefined)
endif()
