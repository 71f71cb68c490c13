list(APPEND VEXOCAM_SOURCES
  roi/roigeometry.h roi/roigeometry.cpp
  roi/roiwidget.h roi/roiwidget.cpp
  forms/roiwidget.ui)
