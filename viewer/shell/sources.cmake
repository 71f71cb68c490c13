list(APPEND VEXOCAM_SOURCES
  shell/vexocam.h shell/vexocam.cpp
  shell/launcher.h shell/launcher.cpp
  forms/vexocam.ui)
