# The project's version and desktop id, and where it installs.
include(GNUInstallDirs)

# The desktop id names the desktop entry, the icon, the MIME package and the AppStream
# metainfo; the window tells it to the desktop so the two are matched.
set(TARVEL_APP_ID io.github.tarvel.Tarvel)

# A header in the build tree, so the programs and the about box say which release they are
# without anyone editing a source file at release time.
configure_file(${CMAKE_CURRENT_LIST_DIR}/tarvel_version.h.in
               ${PROJECT_BINARY_DIR}/generated/tarvel_version.h @ONLY)
add_library(tarvel_version INTERFACE)
target_include_directories(tarvel_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
