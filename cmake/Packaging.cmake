# The Debian package: `cpack -G DEB` in a build folder packs what the install rules install,
# below /usr (scripts/package.sh does it in a clean build folder). Included before the data
# folders, whose install rules use kvx_install_compressed.

find_program(KVX_GZIP gzip REQUIRED)

# Installs SOURCE gzip-compressed as DESTINATION/<name>.gz, as Debian keeps manual pages and
# changelogs. Without name and time stamp (-n) the bytes depend on the text alone.
function(kvx_install_compressed source destination)
    get_filename_component(name ${source} NAME)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/compressed)
    add_custom_command(OUTPUT ${folder}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
        COMMAND ${KVX_GZIP} -9nf ${folder}/${name}
        DEPENDS ${source}
        VERBATIM)
    string(MAKE_C_IDENTIFIER ${name} id)
    add_custom_target(kvx_compressed_${id} ALL DEPENDS ${folder}/${name}.gz)
    install(FILES ${folder}/${name}.gz DESTINATION ${destination})
endfunction()

set(kvx_package_data ${CMAKE_SOURCE_DIR}/data/package)
set(kvx_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/korvane2)
install(FILES ${kvx_package_data}/copyright DESTINATION ${kvx_doc_dir})
kvx_install_compressed(${kvx_package_data}/changelog ${kvx_doc_dir})

# The changelog and the software centre's release list must name the version being packed;
# a forgotten entry stops the configuration rather than shipping stale release notes.
string(REPLACE "." "\\." kvx_version_pattern ${PROJECT_VERSION})
file(STRINGS ${kvx_package_data}/changelog kvx_changelog_top LIMIT_COUNT 1)
if(NOT kvx_changelog_top MATCHES "^korvane2 \\(${kvx_version_pattern}\\) ")
    message(FATAL_ERROR "data/package/changelog must begin with an entry for ${PROJECT_VERSION}")
endif()
set(KVX_METAINFO_NAME example.velmora.korvane2.metainfo.xml)
file(READ ${CMAKE_SOURCE_DIR}/data/desktop/${KVX_METAINFO_NAME} kvx_metainfo)
string(REGEX MATCH "<release version=\"[^\"]*\"" kvx_newest_release "${kvx_metainfo}")
if(NOT kvx_newest_release STREQUAL "<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "data/desktop/${KVX_METAINFO_NAME} must list ${PROJECT_VERSION} as its newest release")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <support@velmora.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velmora.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for HTML client-side image maps")
set(CPACK_PACKAGE_DESCRIPTION [[
Korvane 2 is a desktop editor for HTML client-side image maps with a
German user interface. Open a GIF, JPEG or PNG image, draw rectangles,
circles and polygons on it and give each area a link, a description, a
target frame and scripts. Korvane 2 writes the map, area and img code
into project files, into new or existing HTML pages or onto the
clipboard, and shows it in a built-in browser preview.

The package also holds kvxtool, a command-line companion that lists,
converts and checks the image maps of HTML pages and project files.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The build keeps its debugging information; the installed programs do not need it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmora <support@velmora.example>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time and the linker never sees: the platform plugin, the German texts of
# the standard dialogs, and the engine that draws the tool bar's SVG icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
find_program(KVX_DPKG dpkg)
if(KVX_DPKG)
    execute_process(COMMAND ${KVX_DPKG} --print-architecture
        OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
endif()
# Where `cpack -G DEB` in this build folder puts the package; the package test reads it there.
set(KVX_PACKAGE_FILE
    ${CPACK_PACKAGE_DIRECTORY}/korvane2_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)

include(CPack)
