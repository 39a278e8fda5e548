# Read by cpack for each generator.
if(CPACK_GENERATOR STREQUAL "ZIP")
  # The zip, named as the installer, holds one folder named for the version.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGING_INSTALL_PREFIX /${CPACK_DOTWISE_ZIP_FOLDER})
endif()
