list(APPEND VEXOCAM_SOURCES
  layouts/customgraphicsscene.h layouts/customgraphicsscene.cpp
  layouts/layoutgrid.h layouts/layoutgrid.cpp
  layouts/customwindowsettingwidget.h layouts/customwindowsettingwidget.cpp
  forms/customwindowsettingwidget.ui)
