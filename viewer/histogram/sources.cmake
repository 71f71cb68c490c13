list(APPEND VEXOCAM_SOURCES
  histogram/histogrammath.h histogram/histogrammath.cpp
  histogram/histogramwidget.h histogram/histogramwidget.cpp
  forms/histogramwidget.ui)
