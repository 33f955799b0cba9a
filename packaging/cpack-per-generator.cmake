# Read by cpack for each generator: the Debian package installs the programs'
# folder under /opt/meshsmith and, besides it, the menu entry and icon
# (component "desktop") in one package; the archives hold the folder alone.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX ${CPACK_MESHSMITH_DEB_PREFIX})
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_COMPONENTS_ALL Unspecified desktop)
endif()
