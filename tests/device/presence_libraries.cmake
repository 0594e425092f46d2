# Stand-ins for Petruna.dll, built beside the test suites of the directory
# that includes this file, as petruna_<name>.dll on every platform. Their
# exports use the system's standard calling convention, undecorated.

set(GM_PETRUNA_SOURCES ${CMAKE_CURRENT_LIST_DIR}/fixtures)

function(gm_petruna_library name)
  add_library(petruna_${name} MODULE ${GM_PETRUNA_SOURCES}/petruna_${name}.cpp)
  target_link_libraries(petruna_${name} PRIVATE gm_options)
  set_target_properties(petruna_${name} PROPERTIES PREFIX "" SUFFIX ".dll")
  target_compile_definitions(petruna_${name} PRIVATE "PETRUNA_CALL=$<$<BOOL:${WIN32}>:__stdcall>")
  if(WIN32)
    target_link_options(petruna_${name} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

gm_petruna_library(answering)
gm_petruna_library(without_query)
