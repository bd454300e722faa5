# find_package(Corvane COMPONENTS Widgets): Corvane::Widgets, the Qt widgets of libcorvane.so.1
# (corvane/LunarCalendarWidget.h, LunarDatePicker.h, DateSpinEdit.h, TimeSpinEdit.h). It brings Qt 6
# Widgets and Corvane::Calendar, whose types the calendar widget answers in.
include(CMakeFindDependencyMacro)
find_dependency(Qt6 6.4 COMPONENTS Widgets)
include("${CMAKE_CURRENT_LIST_DIR}/CorvaneWidgetsExport.cmake")
