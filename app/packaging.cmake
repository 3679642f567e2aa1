# The Debian package: `cpack -G DEB` in the build folder after building
# morvane in Release. The libraries it links are found by dpkg-shlibdeps; what
# it loads or draws with at run time is named here: the Qt platform plugins,
# the two fonts it asks for by name, the picture libraries of the export, and
# Qt Charts and Qt SVG of the analysis window's plots.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom simulator of planar linkage mechanisms")
set(CPACK_PACKAGE_DESCRIPTION
    "Build planar linkages from disks, rods, triangles and pistons joined by pins,\nturn the power part and watch the mechanism follow; pens trace loci.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane maintainers <maintainers@morvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-dejavu-core, libjpeg62-turbo, libgif7, libqt6charts6, libqt6svg6")
include(CPack)
