# The project's version, and where it installs.
include(GNUInstallDirs)

# A header in the build tree, so the programs and the about box say which release they are
# without anyone editing a source file at release time.
configure_file(${CMAKE_CURRENT_LIST_DIR}/tarvel_version.h.in
               ${PROJECT_BINARY_DIR}/generated/tarvel_version.h @ONLY)
add_library(tarvel_version INTERFACE)
target_include_directories(tarvel_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
