list(APPEND VEXOCAM_SOURCES
  config/configparameter.h config/configparameter.cpp
  config/settingsrecords.h
  layouts/sceneframelayout.h layouts/sceneframelayout.cpp)
