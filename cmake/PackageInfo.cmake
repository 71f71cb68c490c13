# Who ships the suite and under which names; used by the install rules
# (desktop entries, manual pages, Debian files) and by CPack.
set(VEXO_VENDOR "VexoCam suite team")
set(VEXO_CONTACT "VexoCam suite team <support@vexocam.example>")
set(VEXO_APP_ID_PREFIX org.vexocam)
# One Debian package per install component (cmake/Packaging.cmake):
#   runtime  the programs                      sdk     the camera library
#   dev      what programs build against       python  the Python module
#   tools    the command-line tools
set(VEXO_PACKAGE_RUNTIME vexocam)
set(VEXO_PACKAGE_SDK libvexocamerasdk${VEXO_SDK_SOVERSION})
set(VEXO_PACKAGE_DEV libvexocamerasdk-dev)
set(VEXO_PACKAGE_PYTHON python3-vexocamera)
set(VEXO_PACKAGE_TOOLS vexocam-tools)
# Where the Debian package puts the suite.
set(VEXO_PACKAGE_PREFIX /usr)
set(VEXO_INSTALL_FULL_DIR ${VEXO_PACKAGE_PREFIX}/${VEXO_INSTALL_DIR})

# Debian changelogs want the release date in RFC 2822 form.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${VEXO_RELEASE_DATE} 12:00:00 UTC"
  OUTPUT_VARIABLE VEXO_RELEASE_DATE_RFC2822
  OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE _date_result)
if(NOT _date_result EQUAL 0)
  message(FATAL_ERROR "VEXO_RELEASE_DATE '${VEXO_RELEASE_DATE}' is not a date (YYYY-MM-DD)")
endif()
