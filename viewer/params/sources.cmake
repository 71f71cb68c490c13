list(APPEND VEXOCAM_SOURCES
  params/parameterrules.h params/parameterrules.cpp
  params/parameterpanel.h params/parameterpanel.cpp
  params/parameterdispatch.cpp params/parameterfiles.cpp
  params/vexocam_panel.cpp)
