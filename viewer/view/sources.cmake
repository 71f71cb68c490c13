list(APPEND VEXOCAM_SOURCES
  view/cvideothread.h view/cvideothread.cpp
  view/cameraviewmath.h view/cameraviewmath.cpp
  view/statusline.h view/statusline.cpp
  view/camerathread.h view/camerathread.cpp
  forms/camerathread.ui)
