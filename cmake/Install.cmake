# What `cmake --install` puts under the prefix, and the Debian package made of it by `cpack -G DEB`.
set(VEMO_LINUX_DIR ${CMAKE_SOURCE_DIR}/res/linux)
set(VEMO_APP_ID com.quorvanex.nurugata)

install(TARGETS vemo vemo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds this through VEMO_SAMPLE_FROM_BIN and copies it into each user's own data folder.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nurugata/sample)

install(FILES ${VEMO_LINUX_DIR}/${VEMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEMO_LINUX_DIR}/${VEMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(VEMO_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${VEMO_LINUX_DIR}/icons/nurugata.svg DESTINATION ${VEMO_ICON_DIR}/scalable/apps
        RENAME ${VEMO_APP_ID}.svg)
foreach(size 48 256)
    install(FILES ${VEMO_LINUX_DIR}/icons/nurugata-${size}.png DESTINATION ${VEMO_ICON_DIR}/${size}x${size}/apps
            RENAME ${VEMO_APP_ID}.png)
endforeach()
install(FILES ${VEMO_LINUX_DIR}/vemo-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vemo-cli)

# Manual pages and the changelog are installed compressed, as Debian keeps them.
find_program(VEMO_GZIP gzip REQUIRED)
function(vemo_install_gzipped source destination)
    cmake_path(GET source FILENAME name)
    set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_BINARY_DIR}/gzipped/${name}
                       COMMAND ${VEMO_GZIP} -9nf ${CMAKE_BINARY_DIR}/gzipped/${name}
                       DEPENDS ${source} VERBATIM)
    set_property(GLOBAL APPEND PROPERTY VEMO_GZIPPED ${gzipped})
    install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
vemo_install_gzipped(${VEMO_LINUX_DIR}/vemo.1 ${CMAKE_INSTALL_MANDIR}/man1)
vemo_install_gzipped(${VEMO_LINUX_DIR}/vemo-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)

# What Debian asks of every package's documentation folder: the licence terms and the package's changelog.
set(VEMO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/nurugata)
install(FILES ${VEMO_LINUX_DIR}/debian/copyright DESTINATION ${VEMO_DOC_DIR})
install(FILES ${VEMO_LINUX_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME nurugata)
configure_file(${VEMO_LINUX_DIR}/debian/changelog ${CMAKE_BINARY_DIR}/changelog.Debian COPYONLY)
vemo_install_gzipped(${CMAKE_BINARY_DIR}/changelog.Debian ${VEMO_DOC_DIR})
get_property(VEMO_GZIPPED_FILES GLOBAL PROPERTY VEMO_GZIPPED)
add_custom_target(gzipped_docs ALL DEPENDS ${VEMO_GZIPPED_FILES})

set(CPACK_PACKAGE_NAME nurugata)
set(CPACK_PACKAGE_VENDOR Quorvanex)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis and prediction for the VEMO6 number lottery (Japanese)")
# Debian shows the description as it stands: lines under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "ヌルガタ (Nurugata) keeps the history of the VEMO6 number lottery, in which
each draw picks six main numbers out of 1 to 43, and shows how each number
has appeared: hit and miss patterns, bar graphs, appearance counts and a
graph of the main numbers draw by draw. Five data gods predict every draw
and their hits are counted, five registrants keep their own predictions,
and the random god gives lucky numbers.

The program and its manual are in Japanese; vemo-cli works on the same data
from the command line.")
set(CPACK_PACKAGE_CONTACT "Seed e6fa195e maintainers <maintainers@users.noreply.c-seed-e6fa195e.example>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of the upstream version: its changelog is changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the fonts that the windows name, and the desktop's opener, are
# not linked and so are named here. No maintainer scripts: removing the package leaves every user's data.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
