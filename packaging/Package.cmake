# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package of the installed tree: cpack -G DEB in the build folder
# (scripts/package builds it and checks it). Included by the top-level
# CMakeLists.txt before the subdirectories, which read the maintainer and the
# home page.

# Build folders configured before these defaults hold made-up values.
if(NUMORA_PACKAGE_MAINTAINER STREQUAL "Numora maintainers <maintainers@numora.example>")
  unset(NUMORA_PACKAGE_MAINTAINER CACHE)
endif()
if(NUMORA_HOMEPAGE STREQUAL "https://numora.example/")
  unset(NUMORA_HOMEPAGE CACHE)
endif()

# The maintainer: whoever builds the package, found as Debian's own tools
# (dch, dh_make) find them: DEBFULLNAME and DEBEMAIL, or DEBEMAIL alone as
# "Name <address>". Without those, in a git checkout: the author of the
# commit being packaged. Without either, none: cpack -G DEB then stops and
# asks for one.
function(numora_default_maintainer out)
  set(name "$ENV{DEBFULLNAME}")
  set(address "$ENV{DEBEMAIL}")
  if(address MATCHES "^(.*[^ ]) *<([^>]+)>$")
    if(name STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(address "${CMAKE_MATCH_2}")
  endif()
  if(NOT name STREQUAL "" AND address MATCHES "@")
    set(${out} "${name} <${address}>" PARENT_SCOPE)
    return()
  endif()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 "--format=%an <%ae>"
                    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" RESULT_VARIABLE rc
                    OUTPUT_VARIABLE author OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(rc EQUAL 0 AND author MATCHES "^[^<>]+ <[^<>]+@[^<>]+>$")
      set(${out} "${author}" PARENT_SCOPE)
      return()
    endif()
  endif()
  message(STATUS "No maintainer for the Debian package: set DEBFULLNAME and DEBEMAIL, "
                 "or -DNUMORA_PACKAGE_MAINTAINER=\"Name <address>\"")
  set(${out} "" PARENT_SCOPE)
endfunction()
if(NOT DEFINED CACHE{NUMORA_PACKAGE_MAINTAINER})
  numora_default_maintainer(maintainer)
  set(NUMORA_PACKAGE_MAINTAINER "${maintainer}" CACHE STRING
      "Maintainer named in the Debian package and its changelog, as 'Name <address>'")
endif()

set(NUMORA_HOMEPAGE "" CACHE STRING
    "The project's home page, https://...ending with '/', serving screenshot.png: the package's \
Homepage and the AppStream link and screenshot (empty: none of them)")

set(CPACK_PACKAGE_NAME numora)
set(CPACK_PACKAGE_VENDOR "Numora")
set(CPACK_PACKAGE_CONTACT "${NUMORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator suite for students: arithmetic, number theory, mathematics, chemistry")
# The text as it is: cpack would read a CPACK_PACKAGE_DESCRIPTION_FILE through
# an XML filter ("Goldbach&apos;s").
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${NUMORA_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# Relations, one package a line. Depends: what is found at run time rather
# than linked (the libraries come from shlibdeps).
set(NUMORA_DEB_DEPENDS
    fonts-noto-cjk                # the Simplified Chinese face
    qt6-qpa-plugins               # Qt's platform plugins (X11)
    qt6-wayland                   # Qt's native Wayland platform
    qt6-translations-l10n         # Qt's own dialogs and menus in Chinese
    gstreamer1.0-plugins-base     # the music player's pipeline
    gstreamer1.0-plugins-good     # WAV and MP3
    gstreamer1.0-plugins-bad      # MIDI
)
set(NUMORA_DEB_RECOMMENDS
    bash-completion               # numora-cli's completion
    qt6-gtk-platformtheme         # the desktop's dialogs and fonts on GNOME
    xdg-desktop-portal            # reports the desktop's dark preference
)
list(JOIN NUMORA_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN NUMORA_DEB_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
include(CPack)
