list(APPEND VEXOCAM_SOURCES
  view/cameraviewmath.h view/cameraviewmath.cpp
  view/statusline.h view/statusline.cpp
  view/heldkeys.h view/heldkeys.cpp
  view/lostnotice.h view/lostnotice.cpp
  view/pictureitem.h view/pictureitem.cpp
  view/camerathread.h view/camerathread.cpp view/camerathread_zoom.cpp view/camerathread_input.cpp view/camerathread_actions.cpp
  forms/camerathread.ui)
