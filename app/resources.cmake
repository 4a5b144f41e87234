# The executable's resources: icon, built-in JPEGs, manifest and version information.
# The manifest names the processor architecture, so it is generated per build.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(XPX_MANIFEST_ARCH amd64)
else()
  set(XPX_MANIFEST_ARCH x86)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/manifest.xml.in ${CMAKE_CURRENT_BINARY_DIR}/manifest.xml
               @ONLY)

set(XPX_ASSET_DIR ${PROJECT_SOURCE_DIR}/assets)
target_sources(xingpingxiu PRIVATE ${CMAKE_CURRENT_LIST_DIR}/resources.rc)
target_include_directories(xingpingxiu PRIVATE
  $<$<COMPILE_LANGUAGE:RC>:${XPX_ASSET_DIR};${CMAKE_CURRENT_BINARY_DIR}>)
# windres reports no dependencies, so name the embedded files for a rebuild when one changes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/resources.rc PROPERTIES OBJECT_DEPENDS
  "${XPX_ASSET_DIR}/icon.ico;${XPX_ASSET_DIR}/lobby.jpg;${XPX_ASSET_DIR}/strip.jpg;${CMAKE_CURRENT_BINARY_DIR}/manifest.xml;${CMAKE_CURRENT_LIST_DIR}/resource_ids.h")
