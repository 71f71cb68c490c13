list(APPEND VEXOCAM_SOURCES
  capture/capturenaming.h capture/capturenaming.cpp
  capture/captureseries.h capture/captureseries.cpp
  capture/snapshotwriter.h capture/snapshotwriter.cpp
  capture/videoencoder.h capture/videoencoder.cpp
  capture/recordvideothread.h capture/recordvideothread.cpp
  capture/cellcapture.h capture/cellcapture.cpp)
