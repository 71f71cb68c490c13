list(APPEND VEXOCAM_SOURCES
  config/configparameter.h config/configparameter.cpp
  config/settingsrecords.h
  config/sceneframelayout.h config/sceneframelayout.cpp)
