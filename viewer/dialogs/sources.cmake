list(APPEND VEXOCAM_SOURCES
  dialogs/cameralistwidget.h dialogs/cameralistwidget.cpp forms/cameralistwidget.ui
  dialogs/aboutwidget.h dialogs/aboutwidget.cpp forms/aboutwidget.ui)
