# The real binary under a virtual X display with a window manager, driven like a person would.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  add_test(NAME e2e.guide COMMAND ${area_dir}/run-e2e.sh $<TARGET_FILE:Settings> ${CMAKE_BINARY_DIR}/e2e)
  set_tests_properties(e2e.guide PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()

add_test(NAME e2e.install COMMAND ${area_dir}/install-check.sh ${CMAKE_BINARY_DIR})
