# On Linux, ctest runs the Windows test programs through Wine.
if(CMAKE_HOST_UNIX AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh)
endif()
