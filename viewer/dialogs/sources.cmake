list(APPEND VEXOCAM_SOURCES
  dialogs/settingsrules.h dialogs/settingsrules.cpp
  dialogs/customkeysequenceedit.h dialogs/customkeysequenceedit.cpp
  dialogs/configwidget.h dialogs/configwidget.cpp
  forms/configwidget.ui
  dialogs/cameralistwidget.h dialogs/cameralistwidget.cpp forms/cameralistwidget.ui
  dialogs/aboutwidget.h dialogs/aboutwidget.cpp forms/aboutwidget.ui)
