list(APPEND VEXOCAM_SOURCES
  shell/vexocam.h shell/vexocam.cpp shell/vexocam_panel.cpp shell/vexocam_layouts.cpp
  shell/launcher.h shell/launcher.cpp
  forms/vexocam.ui)
