# libdeflate (whole-buffer inflation of compression blocks) as the target
# `libdeflate`: Debian's libdeflate-dev natively; for the MinGW targets, Debian
# ships none, so its source (fetched by scripts/libdeflate-source.sh, passed as
# PAKMOLE_LIBDEFLATE_SOURCE by scripts/build.sh) is built with its own Makefile
# as a static library in the build tree.
add_library(libdeflate STATIC IMPORTED GLOBAL)
if(NOT WIN32)
  find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h REQUIRED)
  find_library(LIBDEFLATE_LIBRARY NAMES libdeflate.a deflate REQUIRED)
  set_target_properties(libdeflate PROPERTIES IMPORTED_LOCATION ${LIBDEFLATE_LIBRARY})
  target_include_directories(libdeflate INTERFACE ${LIBDEFLATE_INCLUDE_DIR})
  return()
endif()

set(PAKMOLE_LIBDEFLATE_SOURCE "${CMAKE_SOURCE_DIR}/build/deps/libdeflate_1.14.orig.tar.gz"
    CACHE FILEPATH "Debian's source tarball of libdeflate (scripts/libdeflate-source.sh fetches it)")
if(NOT EXISTS "${PAKMOLE_LIBDEFLATE_SOURCE}")
  message(FATAL_ERROR "libdeflate's source is missing: ${PAKMOLE_LIBDEFLATE_SOURCE}; "
                      "scripts/setup.sh (or scripts/libdeflate-source.sh) fetches it")
endif()
include(ExternalProject)
set(_libdeflate_dir ${CMAKE_BINARY_DIR}/libdeflate)
# Its Makefile names the static library of a MinGW target libdeflatestatic.lib.
set(_libdeflate_lib ${_libdeflate_dir}/source/libdeflatestatic.lib)
ExternalProject_Add(libdeflate_build
  URL "${PAKMOLE_LIBDEFLATE_SOURCE}"
  # Debian 12's libdeflate_1.14.orig.tar.gz, as its .dsc lists it.
  URL_HASH SHA256=89e7df898c37c3427b0f39aadcf733731321a278771d20fc553f92da8d4808ac
  PREFIX ${_libdeflate_dir}
  SOURCE_DIR ${_libdeflate_dir}/source
  BUILD_IN_SOURCE ON
  CONFIGURE_COMMAND ""
  # The compressor is not needed; AR is given since the Makefile cannot derive
  # it from a compiler named *-gcc-posix.
  BUILD_COMMAND make -s CC=${CMAKE_C_COMPILER} AR=${CMAKE_AR} DECOMPRESSION_ONLY=1 libdeflatestatic.lib
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${_libdeflate_lib}
  DOWNLOAD_EXTRACT_TIMESTAMP OFF)
# The include folder must exist when the imported target is defined.
file(MAKE_DIRECTORY ${_libdeflate_dir}/source)
set_target_properties(libdeflate PROPERTIES IMPORTED_LOCATION ${_libdeflate_lib})
target_include_directories(libdeflate SYSTEM INTERFACE ${_libdeflate_dir}/source)
add_dependencies(libdeflate libdeflate_build)
