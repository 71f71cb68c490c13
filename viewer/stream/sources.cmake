list(APPEND VEXOCAM_SOURCES
  stream/cvideothread.h stream/cvideothread.cpp
  stream/cameraconnection.h stream/cameraconnection.cpp)
