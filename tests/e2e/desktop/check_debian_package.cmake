# Builds the Debian package of a build (cmake -DBUILD_DIR=... -DWORK_DIR=... -P this file) and checks
# what a user installing it gets: the programs, the launchers, the menu entries and icons in their
# places, and the dependencies declared (Qt's libraries found by dpkg-shlibdeps, the fonts named).
foreach(var BUILD_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(
  COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB debs "${WORK_DIR}/kalmora_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK_DIR}, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --field "${debs}" Package Depends Architecture
  RESULT_VARIABLE result OUTPUT_VARIABLE fields)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${debs}")
endif()
foreach(expected "Package: kalmora" "libqt6widgets6" "libqt6gui6" "libqt6core6" "libc6" "fonts-ipafont-gothic"
    "fonts-ipafont-mincho" "fonts-liberation")
  string(FIND "${fields}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control fields lack \"${expected}\":\n${fields}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents "${debs}" RESULT_VARIABLE result OUTPUT_VARIABLE contents)
foreach(expected
    "./usr/lib/kalmora/KALMORAV" "./usr/lib/kalmora/KALMORAM" "./usr/lib/kalmora/kalmora-installed" "./usr/lib/kalmora/cprj/空豆商店.cpj"
    "./usr/lib/kalmora/pict/空豆商店.bmp" "./usr/bin/kalmorav" "./usr/bin/kalmoram"
    "./usr/share/applications/io.github.kalmora.Viewer.desktop"
    "./usr/share/applications/io.github.kalmora.Maker.desktop"
    "./usr/share/icons/hicolor/scalable/apps/io.github.kalmora.Viewer.svg"
    "./usr/share/icons/hicolor/256x256/apps/io.github.kalmora.Maker.png"
    "./usr/share/metainfo/io.github.kalmora.Viewer.metainfo.xml"
    "./usr/share/kalmora/autostart/io.github.kalmora.Viewer.desktop")
  string(FIND "${contents}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not contain ${expected}:\n${contents}")
  endif()
endforeach()
# Nothing of a developer's build folder (settings, test projects) may slip in.
if(contents MATCHES "KALMORA\\.ini|/cprj/[^\n]*[^店]\\.cpj")
  message(FATAL_ERROR "the package contains files of the build's application folder:\n${contents}")
endif()
message(STATUS "${debs} is complete")
