# dist/<win64|win32>/: the agent, its language files and the readme for users.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GM_DIST_DIR ${PROJECT_SOURCE_DIR}/dist/win64)
else()
  set(GM_DIST_DIR ${PROJECT_SOURCE_DIR}/dist/win32)
endif()

# Copies a built program into the distribution folder after each build.
function(gm_add_to_distribution target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GM_DIST_DIR}/Lan
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${GM_DIST_DIR}/
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
      ${PROJECT_SOURCE_DIR}/resources/Lan/varo_En.ini
      ${PROJECT_SOURCE_DIR}/resources/Lan/varo_Sp.ini ${GM_DIST_DIR}/Lan/
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
      ${PROJECT_SOURCE_DIR}/resources/README-user.txt ${GM_DIST_DIR}/README.txt)
endfunction()
