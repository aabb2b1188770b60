# The picture of both setting widgets in every orientation and state (docs/widgets.png).
add_executable(renderwidgets ${area_dir}/renderwidgets.cpp)
target_link_libraries(renderwidgets PRIVATE SetupCtrls Qt6::Test)
