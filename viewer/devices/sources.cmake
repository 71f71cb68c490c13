list(APPEND VEXOCAM_SOURCES
  devices/devicetree.h devices/devicetree.cpp
  devices/customtreewidget.h devices/customtreewidget.cpp)
