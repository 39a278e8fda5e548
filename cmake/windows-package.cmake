# Windows: one folder with the program, its data, the Qt and compiler DLLs
# it loads and the three Qt plugins it uses; an NSIS installer and a zip.

# The program's icon, manifest and version information, from the project's.
set(DOTWISE_COMPANY Quillmark)
set(DOTWISE_COPYRIGHT "Copyright (c) 2026 Quillmark")
configure_file(${PROJECT_SOURCE_DIR}/resources/dotwise.rc.in dotwise.rc @ONLY)
target_sources(dotwise PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/dotwise.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/dotwise.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/resources/dotwise.ico;${PROJECT_SOURCE_DIR}/resources/dotwise.manifest")

install(TARGETS dotwise RUNTIME DESTINATION .)
foreach(file IN LISTS DOTWISE_DATA_FILES)
  get_filename_component(subdir ${file} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${file} DESTINATION ./${subdir})
endforeach()
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# Qt 6.7 merged the Windows styles into one plugin.
if(TARGET Qt6::QModernWindowsStylePlugin)
  set(style_plugin Qt6::QModernWindowsStylePlugin)
else()
  set(style_plugin Qt6::QWindowsVistaStylePlugin)
endif()
install(FILES $<TARGET_FILE:${style_plugin}> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
# Qt's own texts (a message box's buttons) in the program's languages, from
# the host's Qt of the same version; the program looks for them beside it.
set(DOTWISE_QT_TRANSLATIONS)
foreach(language IN LISTS DOTWISE_LANGUAGES)
  set(file ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
  if(language STREQUAL "en")
    continue()
  elseif(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing (qt6-translations-l10n)")
  endif()
  list(APPEND DOTWISE_QT_TRANSLATIONS ${file})
endforeach()
install(FILES ${DOTWISE_QT_TRANSLATIONS} DESTINATION translations)

# The compiler's runtime, stripped: Debian ships libstdc++ with its symbols.
set(runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found (${path})")
  endif()
  file(REAL_PATH "${path}" path)
  list(APPEND runtime_dlls "${path}")
endforeach()
install(FILES ${runtime_dlls} DESTINATION .)
install(CODE "
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\")
  endforeach()
")

# What the package bundles and under which licences; the compiler's runtime
# is named with the copyright file of the Debian package it comes from.
set(runtime_copyrights)
foreach(dll IN LISTS runtime_dlls)
  execute_process(COMMAND dpkg-query -S "${dll}" OUTPUT_VARIABLE owner
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE ":.*" "" owner "${owner}")
  list(APPEND runtime_copyrights "/usr/share/doc/${owner}/copyright")
endforeach()
list(GET runtime_copyrights 0 gcc_copyright)
list(GET runtime_copyrights 2 winpthreads_copyright)
set(DOTWISE_PACKAGE_NAME "Dotwise-${PROJECT_VERSION}-win64")
include(${PROJECT_SOURCE_DIR}/cmake/qt-notices.cmake)
dotwise_qt_notices(PLATFORM windows INTRO ${PROJECT_SOURCE_DIR}/data/notices/windows.txt.in
  SOURCE_FOLDER ${DOTWISE_PACKAGE_NAME}-qt-source
  RECIPE tools/windows-qt.sh tools/debian.sh cmake/mingw-w64.cmake
  BUNDLE
    "Qt Core, Qt GUI, Qt Widgets: $<TARGET_FILE_NAME:Qt6::Core>, $<TARGET_FILE_NAME:Qt6::Gui>, $<TARGET_FILE_NAME:Qt6::Widgets>"
    "The Windows platform plugin: platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>"
    "The Windows style plugin: styles/$<TARGET_FILE_NAME:${style_plugin}>"
    "The ICO image plugin: imageformats/$<TARGET_FILE_NAME:Qt6::QICOPlugin>"
    "Qt's translations: translations/qtbase_*.qm"
  EXTRA
    "The GCC runtime: libstdc++-6.dll, libgcc_s_seh-1.dll (GPL-3.0-or-later WITH GCC-exception-3.1)=${gcc_copyright}"
    "mingw-w64's winpthreads: libwinpthread-1.dll (MIT)=${winpthreads_copyright}")

# The installer's licence page: Dotwise's licence, after a sentence on what
# else it installs.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE dotwise_license)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/installer-license.txt
  "Dotwise is under the MIT licence below. It also installs Qt ${Qt6_VERSION} under the "
  "LGPL-3.0, the code built into Qt under its own licences, and the GCC runtime under "
  "the GPL-3.0 with the GCC Runtime Library Exception; their notices and licence texts "
  "are in the LICENSES folder of the installation.\n\n${dotwise_license}")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Dotwise)
set(CPACK_PACKAGE_VENDOR ${DOTWISE_COMPANY})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_FILE_NAME ${DOTWISE_PACKAGE_NAME})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dotwise)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/installer-license.txt)
set(CPACK_STRIP_FILES TRUE)
# The zip unpacks into one Dotwise-<version> folder; the installer's own
# script (cmake/nsis) makes the shortcuts, per-user installs and upgrades.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/windows-cpack.cmake)
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/dotwise.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/dotwise.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_HELP_LINK ${PROJECT_HOMEPAGE_URL})
set(CPACK_DOTWISE_VERSION4 ${PROJECT_VERSION}.0)
set(CPACK_DOTWISE_COPYRIGHT ${DOTWISE_COPYRIGHT})
set(CPACK_DOTWISE_ZIP_FOLDER Dotwise-${PROJECT_VERSION})
include(CPack)
