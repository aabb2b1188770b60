# A plain program that starts as the guide does, for the start-order test to run.
add_executable(startorder_probe ${area_dir}/startorder_probe.cpp)
target_link_libraries(startorder_probe PRIVATE SettingsApp)
if(TARGET tst_startorder)
  add_dependencies(tst_startorder startorder_probe)
  target_compile_definitions(tst_startorder PRIVATE STARTORDER_PROBE="$<TARGET_FILE:startorder_probe>")
endif()
