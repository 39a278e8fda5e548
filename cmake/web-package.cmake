# The browser build: one folder for any static web host, with the page,
# the program's .js and .wasm and Qt's loader, and beside them, fetched when
# the page starts, the optional files, Qt's translations, the fonts the
# windows ask for and the notices; and a zip of it.
# Modal windows run their own event loops (exec()), which a browser allows
# only through Asyncify.
target_link_options(dotwise PRIVATE -sASYNCIFY -Os)

set(site_files ${PROJECT_SOURCE_DIR}/data/web/index.html
    $<TARGET_FILE_DIR:dotwise>/dotwise.js $<TARGET_FILE_DIR:dotwise>/dotwise.wasm
    $<TARGET_FILE_DIR:dotwise>/qtloader.js)
install(FILES ${site_files} DESTINATION .)
foreach(file IN LISTS DOTWISE_DATA_FILES)
  get_filename_component(subdir ${file} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${file} DESTINATION ./${subdir})
endforeach()
# Qt's own texts, from the host's Qt of the same version, as on Windows.
foreach(language IN LISTS DOTWISE_LANGUAGES)
  if(NOT language STREQUAL "en")
    install(FILES ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm
            DESTINATION translations)
  endif()
endforeach()
# The windows' Arial is drawn in its metric twin, as on Linux.
set(font_dir /usr/share/fonts/truetype/liberation)
install(FILES ${font_dir}/LiberationSans-Regular.ttf ${font_dir}/LiberationSans-Bold.ttf
        DESTINATION fonts)

# The notices: Qt is linked into dotwise.wasm, so the program's own source
# is the application code that goes with it.
execute_process(COMMAND emcc --version OUTPUT_VARIABLE emcc_version)
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" DOTWISE_EMSCRIPTEN_VERSION "${emcc_version}")
include(${PROJECT_SOURCE_DIR}/cmake/qt-notices.cmake)
dotwise_qt_notices(PLATFORM wasm INTRO ${PROJECT_SOURCE_DIR}/data/notices/web.txt.in
  SOURCE_FOLDER Dotwise-${PROJECT_VERSION}-web-qt-source
  RECIPE tools/web-qt.sh tools/web.sh tools/debian.sh tools/roots.sh
  BUNDLE
    "Qt Core, Qt GUI, Qt Widgets and the WebAssembly platform plugin, in dotwise.wasm"
    "Qt's translations: translations/qtbase_*.qm"
  EXTRA
    "Emscripten's runtime, in dotwise.js and dotwise.wasm: musl, libc++, libc++abi, compiler-rt (MIT, Apache-2.0 WITH LLVM-exception, NCSA)=/usr/share/doc/emscripten/copyright"
    "The Liberation Sans fonts: fonts/*.ttf (OFL-1.1)=/usr/share/doc/fonts-liberation/copyright")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Dotwise)
set(CPACK_PACKAGE_FILE_NAME "Dotwise-${PROJECT_VERSION}-web")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /Dotwise-${PROJECT_VERSION}-web)
include(CPack)
