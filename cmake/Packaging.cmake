# Installation into the usual places of a Linux desktop, and a Debian package.
include(GNUInstallDirs)

set(VENDREL_APP_ID org.vendrel.Vendrel)
# AppStream wants the screenshot on the web. The project has no public home
# yet, so the default is a placeholder in the reserved .invalid domain: set
# this to where docs/screenshot.png is published. The image is also
# installed under share/vendrel.
set(VENDREL_SCREENSHOT_URL "https://vendrel.invalid/docs/screenshot.png" CACHE STRING
    "Web address of docs/screenshot.png for the AppStream metadata")

# Directories made by the install take 0755 whatever the builder's umask;
# a group-writable /usr/share/... would go into the package as it is.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VENDREL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vendrel)

install(TARGETS vendrel-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages and the Debian changelog are installed gzipped, as Debian
# wants them; -n leaves out name and time so every build gives the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(vendrel_manpages vendrel-calc)
if(VENDREL_BUILD_GUI)
    list(APPEND vendrel_manpages vendrel)
endif()
set(vendrel_gzipped)
foreach(page IN LISTS vendrel_manpages)
    configure_file(res/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
    list(APPEND vendrel_gzipped ${PROJECT_BINARY_DIR}/man/${page}.1)
    install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(res/debian/changelog ${PROJECT_BINARY_DIR}/doc/changelog.Debian COPYONLY)
list(APPEND vendrel_gzipped ${PROJECT_BINARY_DIR}/doc/changelog.Debian)
set(vendrel_gzip_outputs)
foreach(file IN LISTS vendrel_gzipped)
    cmake_path(GET file FILENAME name)
    add_custom_command(
        OUTPUT ${file}.gz
        COMMAND ${GZIP_EXECUTABLE} -9nkf ${file}
        DEPENDS ${file}
        COMMENT "Compressing ${name}")
    list(APPEND vendrel_gzip_outputs ${file}.gz)
endforeach()
add_custom_target(vendrel_gzipped_docs ALL DEPENDS ${vendrel_gzip_outputs})
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz res/debian/copyright DESTINATION ${VENDREL_DOCDIR})
# The schedule, the series and the circuit the manual's examples read.
install(FILES res/examples/schedule.csv res/examples/gb3091-series.csv res/examples/circuit.csv
        DESTINATION ${VENDREL_DOCDIR}/examples)

if(VENDREL_BUILD_GUI)
    install(TARGETS vendrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The calculator's menu entry, and the circuit window's.
    install(FILES res/${VENDREL_APP_ID}.desktop res/${VENDREL_APP_ID}.Circuit.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 32 48 64 128 256)
        install(FILES res/icons/vendrel-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${VENDREL_APP_ID}.png)
    endforeach()
    install(FILES res/icons/vendrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${VENDREL_APP_ID}.svg)
    configure_file(res/${VENDREL_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${VENDREL_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${VENDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES docs/screenshot.png DESTINATION ${CMAKE_INSTALL_DATADIR}/vendrel)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vendrel)
set(CPACK_PACKAGE_VENDOR Vendrel)
set(CPACK_PACKAGE_CONTACT "Vendrel maintainers <maintainers@vendrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "friction loss calculator for air-conditioning water pipes")
# One string: set() with several arguments would make a list, whose ";"
# separators end up at the start of the package description's lines.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vendrel sizes the water pipes of air-conditioning systems: from flow, bore,"
    "wall roughness and viscosity it calculates velocity, Reynolds number,"
    "Darcy friction factor, specific friction loss and the flow zone, in a"
    "Simplified-Chinese dialog (vendrel) and on the command line (vendrel-calc).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the fonts the calculation
# book is set in and embeds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-dejavu-core")
if(VENDREL_BUILD_GUI)
    # Also a Song-style font for the Chinese labels and Qt's Chinese texts
    # for its own menus. The X11 platform plugin comes with libqt6gui6;
    # Wayland's is only recommended, as Qt falls back to X11 (XWayland)
    # without it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "${CPACK_DEBIAN_PACKAGE_DEPENDS}, fonts-arphic-uming | fonts-noto-cjk, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
endif()
include(CPack)
