list(APPEND VEXOCAM_SOURCES
  dialogs/settingsrules.h dialogs/settingsrules.cpp
  dialogs/customkeysequenceedit.h dialogs/customkeysequenceedit.cpp
  dialogs/configwidget.h dialogs/configwidget.cpp
  forms/configwidget.ui)
