# Finds the header-only INI reader and writer (Debian: libsimpleini-dev) and makes the
# target SimpleIni::SimpleIni. Only its narrow-character part is used, compiled from the
# header (Debian's header hides the template bodies behind SI_IMPLEMENTATION), so
# nothing needs to be linked.
find_path(SimpleIni_INCLUDE_DIR NAMES SimpleIni.h)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SimpleIni REQUIRED_VARS SimpleIni_INCLUDE_DIR)
if(SimpleIni_FOUND AND NOT TARGET SimpleIni::SimpleIni)
  add_library(SimpleIni::SimpleIni INTERFACE IMPORTED)
  set_target_properties(SimpleIni::SimpleIni PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${SimpleIni_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS "SI_NO_CONVERSION;SI_IMPLEMENTATION")
endif()
mark_as_advanced(SimpleIni_INCLUDE_DIR)
