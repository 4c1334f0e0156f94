# C libraries built in from their Debian sources (scripts/fetch-sources.sh),
# with this build's own compiler, so that every edition writes the same files:
# libxlsxwriter, with its locale-free number writer, for the Excel workbook;
# libharu for the book's PDF.
include(ExternalProject)

# zlib is the system's own on Linux, as Debian asks of every package; a
# Windows program carries it, needing no DLL beyond Windows' own.
if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

# Builds the static library file of the source in third_party/<name> and
# imports it as target.
function(vendrel_third_party target name library)
    set(source ${PROJECT_SOURCE_DIR}/third_party/${name})
    if(NOT EXISTS ${source}/CMakeLists.txt)
        message(FATAL_ERROR "${name}'s source is not in ${source}: "
                            "run scripts/fetch-sources.sh (scripts/install-deps.sh runs it)")
    endif()
    set(prefix ${PROJECT_BINARY_DIR}/third_party/${name})
    set(args
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=${prefix}
        -DCMAKE_INSTALL_LIBDIR=lib
        -DCMAKE_POSITION_INDEPENDENT_CODE=ON
        -DBUILD_SHARED_LIBS=OFF
        -DZLIB_USE_STATIC_LIBS=${ZLIB_USE_STATIC_LIBS}
        ${ARGN})
    if(CMAKE_TOOLCHAIN_FILE)
        list(APPEND args -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
    endif()
    ExternalProject_Add(${target}_build
        SOURCE_DIR ${source}
        BINARY_DIR ${PROJECT_BINARY_DIR}/third_party/${name}-build
        CMAKE_ARGS ${args}
        BUILD_BYPRODUCTS ${prefix}/lib/${library})
    file(MAKE_DIRECTORY ${prefix}/include)
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
        IMPORTED_LOCATION ${prefix}/lib/${library}
        INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include
        INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
    add_dependencies(${target} ${target}_build)
endfunction()

# A comma-decimal locale must not turn 25.1 into "25,1" in the file.
vendrel_third_party(vendrel_xlsxwriter libxlsxwriter libxlsxwriter.a -DUSE_DTOA_LIBRARY=ON)
# The book draws no images: no libpng.
vendrel_third_party(vendrel_haru libharu libhpdfs.a
    -DLIBHPDF_SHARED=OFF -DLIBHPDF_STATIC=ON -DLIBHPDF_EXAMPLES=OFF
    -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON -DCMAKE_POLICY_DEFAULT_CMP0074=NEW)

# The fonts the book is set in. Linux reads Debian's own; the Windows
# programs carry copies in a fonts folder beside them, as installed, with
# their licences.
set(VENDREL_BOOK_FONTS
    /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
    /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
set(VENDREL_BOOK_FONT_LICENCES
    /usr/share/doc/fonts-wqy-microhei/copyright
    /usr/share/doc/fonts-dejavu-core/copyright)
function(vendrel_book_fonts_beside target)
    if(NOT WIN32)
        return()
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/fonts
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VENDREL_BOOK_FONTS} $<TARGET_FILE_DIR:${target}>/fonts
        VERBATIM)
endfunction()
