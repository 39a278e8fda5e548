# What a package that bundles Qt says of it: a LICENSES folder with the
# notices, read from the Qt source that was built (DOTWISE_QT_SOURCE, from
# tools/qt-source.sh) for the features its prefix records, and a folder
# beside the packages with that source and the recipe that built it.
#   dotwise_qt_notices(PLATFORM windows|wasm INTRO <template> SOURCE_FOLDER <name>
#                      RECIPE <file>... BUNDLE <line>... EXTRA <title=file>...)
set(DOTWISE_QT_SOURCE "" CACHE PATH
    "Debian's qt6-base source that the bundled Qt was built from (tools/qt-source.sh)")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(dotwise_qt_notices)
  cmake_parse_arguments(arg "" "PLATFORM;INTRO;SOURCE_FOLDER" "RECIPE;BUNDLE;EXTRA" ${ARGN})
  if(NOT EXISTS "${DOTWISE_QT_SOURCE}/src/.cmake.conf")
    message(FATAL_ERROR "DOTWISE_QT_SOURCE must name the folder tools/qt-source.sh printed")
  endif()
  file(GLOB dsc "${DOTWISE_QT_SOURCE}/qt6-base_*.dsc")
  get_filename_component(DOTWISE_QT_DSC "${dsc}" NAME)
  string(REGEX REPLACE "^qt6-base_(.*)\\.dsc$" "\\1" DOTWISE_QT_DEB_VERSION "${DOTWISE_QT_DSC}")
  set(DOTWISE_QT_SOURCE_FOLDER ${arg_SOURCE_FOLDER})
  configure_file(${arg_INTRO} notices-intro.txt @ONLY)

  set(notices ${CMAKE_CURRENT_BINARY_DIR}/LICENSES)
  set(args)
  foreach(line IN LISTS arg_BUNDLE)
    list(APPEND args --bundle "${line}")
  endforeach()
  foreach(extra IN LISTS arg_EXTRA)
    list(APPEND args --extra "${extra}")
  endforeach()
  add_custom_command(OUTPUT ${notices}/NOTICES.txt
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/qt-notices.py
      --source ${DOTWISE_QT_SOURCE}/src --prefix ${QT6_INSTALL_PREFIX} --platform ${arg_PLATFORM}
      ${args} --intro ${CMAKE_CURRENT_BINARY_DIR}/notices-intro.txt --out ${notices}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${notices}/Dotwise-LICENSE.txt
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/qt-notices.py ${CMAKE_CURRENT_BINARY_DIR}/notices-intro.txt
            ${PROJECT_SOURCE_DIR}/LICENSE
    VERBATIM)
  install(DIRECTORY ${notices}/ DESTINATION LICENSES)

  # The corresponding source and its recipe, kept at their places in this
  # source tree, with the notices.
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${arg_SOURCE_FOLDER})
  file(GLOB source_files "${DOTWISE_QT_SOURCE}/qt6-base_*")
  set(copies)
  foreach(file IN LISTS arg_RECIPE)
    get_filename_component(dir ${file} DIRECTORY)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/${dir}
         COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${file} ${folder}/${dir})
  endforeach()
  list(TRANSFORM arg_RECIPE PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE recipe)
  add_custom_command(OUTPUT ${folder}/${DOTWISE_QT_DSC}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${source_files} ${notices}/NOTICES.txt ${folder}
    ${copies}
    DEPENDS ${source_files} ${notices}/NOTICES.txt ${recipe}
    VERBATIM)
  add_custom_target(notices ALL DEPENDS ${notices}/NOTICES.txt ${folder}/${DOTWISE_QT_DSC})
endfunction()
