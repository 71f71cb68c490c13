list(APPEND VEXOCAM_SOURCES
  grid/cellgrid.h grid/cellgrid.cpp)
