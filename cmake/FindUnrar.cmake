# FindUnrar: the UnRAR library (Debian: libunrar-dev, header <unrar/dll.hpp>). It has
# no pkg-config file. Defines Unrar_FOUND and the imported target Unrar::Unrar, which
# carries the _UNIX definition the header needs on this system.
find_path(Unrar_INCLUDE_DIR NAMES unrar/dll.hpp)
find_library(Unrar_LIBRARY NAMES unrar)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Unrar REQUIRED_VARS Unrar_LIBRARY Unrar_INCLUDE_DIR)

if(Unrar_FOUND AND NOT TARGET Unrar::Unrar)
  add_library(Unrar::Unrar UNKNOWN IMPORTED)
  set_target_properties(Unrar::Unrar PROPERTIES
    IMPORTED_LOCATION "${Unrar_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Unrar_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS "_UNIX")
endif()
mark_as_advanced(Unrar_INCLUDE_DIR Unrar_LIBRARY)
