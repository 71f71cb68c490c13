list(APPEND VEXOCAM_SOURCES
  connection/cameraconnection.h connection/cameraconnection.cpp)
