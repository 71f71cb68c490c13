list(APPEND VEXOCAM_SOURCES
  params/parameterrules.h params/parameterrules.cpp
  params/parameterdock.h params/parameterdock.cpp params/parameterdock.ui
  params/parameterpanel.h params/parameterpanel.cpp
  params/parameterfill.cpp params/parameterdispatch.cpp params/parameterfiles.cpp
  params/featuretree.h params/featuretree.cpp
  params/featurebrowser.h params/featurebrowser.cpp params/featurebrowser.ui)
