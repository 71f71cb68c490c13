list(APPEND VEXOCAM_SOURCES
  layouts/customgraphicsscene.h layouts/customgraphicsscene.cpp)
