# The Windows edition's downloads, made by the target vendrel_windows_package
# (scripts/package-windows.sh):
#   package/vendrel-<version>-win64.zip        both programs, README, licence
#   package/vendrel-<version>-win64-setup.exe  a per-user NSIS installer
find_program(MAKENSIS makensis REQUIRED)
find_program(ZIP zip REQUIRED)

set(name vendrel-${PROJECT_VERSION}-win64)
set(package_dir ${PROJECT_BINARY_DIR}/package)
set(stage ${package_dir}/staging/${name})
set(VENDREL_WINDOWS_ZIP ${package_dir}/${name}.zip)
set(VENDREL_WINDOWS_SETUP ${package_dir}/${name}-setup.exe)

# Notepad on older Windows wants CRLF line ends, and a byte order mark to take
# the text for UTF-8.
string(ASCII 239 187 191 byte_order_mark)
foreach(text res/windows/README.txt LICENSE)
    file(READ ${PROJECT_SOURCE_DIR}/${text} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    get_filename_component(base ${text} NAME_WE)
    file(WRITE ${package_dir}/text/${base}.txt "${byte_order_mark}${content}")
endforeach()
# The book's fonts' licences, beside them.
set(licence_names wqy-microhei-copyright dejavu-copyright) # as the installer names them
foreach(licence IN ZIP_LISTS VENDREL_BOOK_FONT_LICENCES licence_names)
    file(READ ${licence_0} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${package_dir}/text/${licence_1}.txt "${content}")
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/res/windows/README.txt ${PROJECT_SOURCE_DIR}/LICENSE)

add_custom_command(
    OUTPUT ${VENDREL_WINDOWS_ZIP} ${VENDREL_WINDOWS_SETUP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}/staging ${VENDREL_WINDOWS_ZIP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vendrel> $<TARGET_FILE:vendrel-calc>
            ${package_dir}/text/README.txt ${package_dir}/text/LICENSE.txt ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/fonts
    COMMAND ${CMAKE_COMMAND} -E copy ${VENDREL_BOOK_FONTS} ${stage}/fonts
    COMMAND ${CMAKE_COMMAND} -E copy ${package_dir}/text/wqy-microhei-copyright.txt
            ${package_dir}/text/dejavu-copyright.txt ${stage}/fonts
    COMMAND ${CMAKE_COMMAND} -E chdir ${package_dir}/staging ${ZIP} -qrX ${VENDREL_WINDOWS_ZIP} ${name}
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DBIN_DIR=${stage} -DDOC_DIR=${stage}
            -DICON=${VENDREL_ICON_FILE} -DOUT_FILE=${VENDREL_WINDOWS_SETUP}
            ${PROJECT_SOURCE_DIR}/res/windows/installer.nsi
    # vendrel brings the icon, made with it.
    DEPENDS vendrel vendrel-calc ${PROJECT_SOURCE_DIR}/res/windows/installer.nsi ${VENDREL_BOOK_FONTS}
            ${package_dir}/text/README.txt ${package_dir}/text/LICENSE.txt
    COMMENT "Packing the Windows zip and installer"
    VERBATIM)
# Built with everything: the installer test installs it.
add_custom_target(vendrel_windows_package ALL DEPENDS ${VENDREL_WINDOWS_ZIP} ${VENDREL_WINDOWS_SETUP})
