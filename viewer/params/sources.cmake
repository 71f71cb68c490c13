list(APPEND VEXOCAM_SOURCES
  params/parameterrules.h params/parameterrules.cpp)
