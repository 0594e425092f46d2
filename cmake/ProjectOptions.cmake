# Compiler settings shared by every target of the project.

add_library(gm_options INTERFACE)
target_include_directories(gm_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(gm_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  $<$<BOOL:${GM_WERROR}>:-Werror>)

if(GM_SANITIZE)
  target_compile_options(gm_options INTERFACE -fsanitize=${GM_SANITIZE} -fno-omit-frame-pointer
    -fno-sanitize-recover=all)
  target_link_options(gm_options INTERFACE -fsanitize=${GM_SANITIZE})
endif()

if(WIN32)
  # Unicode Win32 API, no MinGW runtime DLLs to ship.
  target_compile_definitions(gm_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0601)
  target_link_options(gm_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# Adds a library of the project with the shared settings.
function(gm_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC gm_options)
endfunction()
