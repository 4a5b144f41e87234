# Host check of the committed pictures (sizes, JPEG encoding, currency strip geometry).
# Included from the top-level CMakeLists in the host build. Needs Debian's python3-pil; the
# test reports itself skipped where Pillow is missing.
set(XPX_ASSET_PYTHON /usr/bin/python3 CACHE FILEPATH "Python with Pillow, for the assets check")
add_test(NAME assets
         COMMAND ${XPX_ASSET_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/assets_test.py
                 ${PROJECT_SOURCE_DIR}/assets)
set_tests_properties(assets PROPERTIES SKIP_RETURN_CODE 77)
