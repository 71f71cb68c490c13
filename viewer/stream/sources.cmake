list(APPEND VEXOCAM_SOURCES
  stream/cvideothread.h stream/cvideothread.cpp
  stream/displaypicture.h stream/displaypicture.cpp
  stream/cameraconnection.h stream/cameraconnection.cpp)
