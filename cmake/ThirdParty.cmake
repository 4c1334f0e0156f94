# C libraries built in from their Debian sources (scripts/fetch-sources.sh),
# with this build's own compiler, so that every edition writes the same files:
# libxlsxwriter, with its locale-free number writer, for the Excel workbook.
include(ExternalProject)

set(VENDREL_XLSXWRITER_SOURCE ${PROJECT_SOURCE_DIR}/third_party/libxlsxwriter
    CACHE PATH "libxlsxwriter's unpacked Debian source")
if(NOT EXISTS ${VENDREL_XLSXWRITER_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "libxlsxwriter's source is not in ${VENDREL_XLSXWRITER_SOURCE}: "
                        "run scripts/fetch-sources.sh (scripts/install-deps.sh runs it)")
endif()

set(vendrel_xlsxwriter_prefix ${PROJECT_BINARY_DIR}/third_party/xlsxwriter)
set(vendrel_xlsxwriter_args
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${vendrel_xlsxwriter_prefix}
    -DCMAKE_INSTALL_LIBDIR=lib
    -DCMAKE_POSITION_INDEPENDENT_CODE=ON
    -DBUILD_SHARED_LIBS=OFF
    # A comma-decimal locale must not turn 25.1 into "25,1" in the file.
    -DUSE_DTOA_LIBRARY=ON)
if(CMAKE_TOOLCHAIN_FILE)
    list(APPEND vendrel_xlsxwriter_args -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
endif()
ExternalProject_Add(vendrel_xlsxwriter_build
    SOURCE_DIR ${VENDREL_XLSXWRITER_SOURCE}
    BINARY_DIR ${PROJECT_BINARY_DIR}/third_party/xlsxwriter-build
    CMAKE_ARGS ${vendrel_xlsxwriter_args}
    BUILD_BYPRODUCTS ${vendrel_xlsxwriter_prefix}/lib/libxlsxwriter.a)
file(MAKE_DIRECTORY ${vendrel_xlsxwriter_prefix}/include)

# zlib is the system's own on Linux, as Debian asks of every package; a
# Windows program carries it, needing no DLL beyond Windows' own.
if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
add_library(vendrel_xlsxwriter STATIC IMPORTED GLOBAL)
set_target_properties(vendrel_xlsxwriter PROPERTIES
    IMPORTED_LOCATION ${vendrel_xlsxwriter_prefix}/lib/libxlsxwriter.a
    INTERFACE_INCLUDE_DIRECTORIES ${vendrel_xlsxwriter_prefix}/include
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
add_dependencies(vendrel_xlsxwriter vendrel_xlsxwriter_build)
