# Debian packages with CPack: "vexocam" (the programs, the camera library,
# translations, manual, desktop integration) and "vexocam-dev" (the SDK's
# header and pkg-config file for other programs). Run `cpack` in the build
# folder, or scripts/package.sh.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VEXO_PACKAGE_RUNTIME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VEXO_VENDOR})
set(CPACK_PACKAGE_CONTACT ${VEXO_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX ${VEXO_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 0)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXO_CONTACT})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${VEXO_PACKAGE_RUNTIME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
# Run-time libraries are read from the binaries; the camera library is our
# own and lies in the package's private folder.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS .${VEXO_INSTALL_FULL_DIR})
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

set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${VEXO_PACKAGE_DEV})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${VEXO_PACKAGE_RUNTIME} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_DEV_DESCRIPTION
"camera library of the VexoCam suite - development files
The C header of libVexoCameraSDK and its pkg-config file (vexocamerasdk),
for programs that enumerate, open and grab from the cameras the VexoCam
suite supports. An example program lies in the package's documentation
folder.")

include(CPack)
