# Debian packages with CPack, one per install component:
#   runtime  vexocam              the programs, translations, manual, desktop integration
#   sdk      libvexocamerasdk1    the camera library and its backends (no Qt, no FFmpeg)
#   dev      libvexocamerasdk-dev headers, CMake package, pkg-config file, examples, reference
#   python   python3-vexocamera   the Python module
#   tools    vexocam-tools        the command-line tools for any camera
# plus detached debug symbols (<package>-dbgsym) for the packages with
# binaries. A component without install rules makes no package. Run `cpack`
# in the build folder, or scripts/package.sh.
set(VEXO_PACKAGE_COMPONENTS runtime sdk dev python tools)
get_cmake_property(_installed COMPONENTS)
set(CPACK_COMPONENTS_ALL)
foreach(component ${VEXO_PACKAGE_COMPONENTS})
  if(component IN_LIST _installed)
    list(APPEND CPACK_COMPONENTS_ALL ${component})
    string(TOUPPER ${component} _upper)
    vexo_package_documents(${component} ${VEXO_PACKAGE_${_upper}})
  endif()
endforeach()
list(REMOVE_ITEM _installed ${VEXO_PACKAGE_COMPONENTS})
if(_installed)
  message(FATAL_ERROR "Install rules of components without a package: ${_installed}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VEXO_PACKAGE_RUNTIME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VEXO_VENDOR})
set(CPACK_PACKAGE_CONTACT ${VEXO_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX ${VEXO_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
# CPack strips the binaries itself once it has split their debug symbols off.
set(CPACK_STRIP_FILES OFF)
set(CPACK_THREADS 0)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXO_CONTACT})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The library's package says which version of it a program needs (shlibs).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# ... and activates the ldconfig trigger instead of calling ldconfig.
set(CPACK_VEXO_LDCONFIG_PACKAGES ${VEXO_PACKAGE_SDK})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianLdconfigTrigger.cmake)

# Run-time libraries are read from the binaries. The camera library is ours:
# it is staged for its own package beside the one being made, so the
# programs' dependency on it is named explicitly instead (the path is relative
# to the staging folder of the package being made).
set(_sdk_depends "${VEXO_PACKAGE_SDK} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../sdk${VEXO_PACKAGE_PREFIX}/${VEXO_INSTALL_LIBDIR})

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${VEXO_PACKAGE_RUNTIME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS ${_sdk_depends})
# What no binary names: a CJK font for the Chinese interface, the desktop's
# open command for the manual and the program folder.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei, xdg-utils")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
"viewer and tools for USB and GigE industrial cameras
VexoCam shows the live pictures of up to nine machine-vision cameras in a
grid, takes snapshots, series of snapshots and video recordings, and changes
every camera setting from a dock beside the pictures. Addrix sets the
nickname and IP address of GigE cameras; VexoUpgrade writes firmware files
into cameras.

The camera library libVexoCameraSDK comes with a set of simulated cameras,
so the programs can be tried without camera hardware. Chinese and English
user interface; the user manual is opened from the viewer's help menu.")

set(CPACK_DEBIAN_SDK_PACKAGE_NAME ${VEXO_PACKAGE_SDK})
set(CPACK_DEBIAN_SDK_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_SDK_PACKAGE_SHLIBDEPS ON)
set(CPACK_COMPONENT_SDK_DESCRIPTION
"camera library for USB and GigE industrial cameras
libVexoCameraSDK is a C library that enumerates machine-vision cameras,
opens them by serial number, grabs frames and converts them through its
image pipeline, and reads and writes every camera setting, parameter groups
and files, GigE addresses and firmware.

Real GigE Vision and USB3 Vision cameras are driven through Aravis; a set of
simulated cameras lets programs be tried and tested without hardware.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${VEXO_PACKAGE_DEV})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS ${_sdk_depends})
# The development files used to come with the programs' own dev package.
set(CPACK_DEBIAN_DEV_PACKAGE_CONFLICTS vexocam-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_REPLACES vexocam-dev)
set(CPACK_COMPONENT_DEV_DESCRIPTION
"camera library for USB and GigE industrial cameras - development files
The C headers of libVexoCameraSDK with compile-time version macros, the CMake
package VexoCameraSDK (imported target VexoCameraSDK::VexoCameraSDK) and the
pkg-config file vexocamerasdk, for programs that enumerate, open and grab
from machine-vision cameras.

The documentation folder holds the API reference (HTML) and C examples: grab
frames, software and hardware trigger, several cameras at once, a frame loop
that counts losses, a camera that is lost and comes back, GigE addressing.")

set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME ${VEXO_PACKAGE_PYTHON})
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "${_sdk_depends}, python3:any, python3-numpy")
set(CPACK_COMPONENT_PYTHON_DESCRIPTION
"camera library for USB and GigE industrial cameras - Python 3 module
The module vexocamera opens machine-vision cameras by serial number, streams
their frames as NumPy arrays and reads and writes their settings through
libVexoCameraSDK. Failures raise Python exceptions that carry the library's
status.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${VEXO_PACKAGE_TOOLS})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION science)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS ${_sdk_depends})
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
"command-line tools for USB and GigE industrial cameras
vexocam-cli lists the cameras of every backend, shows a camera's identity and
settings, grabs frames to image files or measures frame rate and losses,
gets and sets settings, sets GigE nicknames and IP configurations and runs
firmware upgrades, through libVexoCameraSDK.")

# The system-wide camera choice is a configuration file: an upgrade keeps
# what the administrator changed.
set(CPACK_DEBIAN_SDK_PACKAGE_CONTROL_EXTRA ${VEXO_SDK_CONFFILES})

include(CPack)
