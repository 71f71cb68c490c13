list(APPEND VEXOCAM_SOURCES
  params/parameterrules.h params/parameterrules.cpp
  params/parameterdock.h params/parameterdock.cpp params/parameterdock.ui
  params/parameterpanel.h params/parameterpanel.cpp
  params/parameterfill.cpp params/parameterdispatch.cpp params/parameterfiles.cpp)
