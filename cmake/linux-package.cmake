# Linux: the install tree and the Debian package.
# Installed as one folder, so the program finds its data beside the real
# executable; bin/dotwise is a link to it.
set(DOTWISE_APP_DIR lib/dotwise)
install(TARGETS dotwise RUNTIME DESTINATION ${DOTWISE_APP_DIR})
foreach(file IN LISTS DOTWISE_DATA_FILES)
  get_filename_component(subdir ${file} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${file} DESTINATION ${DOTWISE_APP_DIR}/${subdir})
endforeach()
install(CODE [[
  set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(MAKE_DIRECTORY "${bin}")
  file(CHMOD "${bin}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
  file(CREATE_LINK ../lib/dotwise/dotwise "${bin}/dotwise" SYMBOLIC)
]])
install(FILES ${PROJECT_SOURCE_DIR}/data/linux/org.quillmark.Dotwise.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/linux/org.quillmark.Dotwise.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/dotwise-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME org.quillmark.Dotwise.png)
endforeach()

# Debian's documentation: the copyright, the changelog and the manual page,
# compressed as Debian wants them (gzip -9, no name or time stamp).
foreach(doc data/debian/changelog docs/dotwise.1)
  get_filename_component(name ${doc} NAME)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.gz
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${doc} > ${PROJECT_BINARY_DIR}/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/${doc} VERBATIM)
  list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(dotwise-docs ALL DEPENDS ${compressed_docs})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/dotwise)
install(FILES ${PROJECT_BINARY_DIR}/dotwise.1.gz DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dotwise)
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dotwise helps sighted learners, teachers and parents learn to read the
letters A to Z of standard English Braille by sight. A test shows one
six-dot cell at a time with four letters to choose from; each answer is
judged at once with a sound, and a summary at the end gives the
percentage and the letters answered right and wrongly. A review window
steps through the alphabet with each letter's cell.
.
It can be used entirely from the keyboard, and a screen reader speaks
each question, the verdict, the summary and the review letters.")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_CONTACT "Quillmark <support@quillmark.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Libraries found by dpkg-shlibdeps; what is loaded at run time named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, libcanberra0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, qt6-wayland, qt6-translations-l10n")
include(CPack)
