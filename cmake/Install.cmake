# What cmake --install lays out under the prefix, and the Debian package made of it:
#   bin/                                the five programs
#   share/trickscan/                    the sample library and the web pages; an installed
#                                       program finds them through ../share/trickscan
#   share/applications, share/icons/hicolor/scalable/apps, share/metainfo
#                                       menu entries, icons and AppStream data of both windows
#   share/man/man1                      a manual page for every program
set(TRICKSCAN_DESKTOP_IDS org.trickscan.Trickscan org.trickscan.Boardlook)
set(TRICKSCAN_SHARE ${CMAKE_INSTALL_DATADIR}/trickscan)

foreach(program trickscan trickscan-batch boardlook boardlook-batch makelibrary)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/sample/Library.bin ${CMAKE_SOURCE_DIR}/data/sample/Library.asc
        DESTINATION ${TRICKSCAN_SHARE})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/web DESTINATION ${TRICKSCAN_SHARE})

if(TRICKSCAN_WITH_QT)
  foreach(id IN LISTS TRICKSCAN_DESKTOP_IDS)
    install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${id}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${id}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${id}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endforeach()
endif()

# The manual pages carry the suite's version; the build fills it in.
string(TIMESTAMP trickscan_man_date "%Y-%m-%d" UTC)
foreach(program trickscan trickscan-batch boardlook boardlook-batch makelibrary)
  if(TARGET ${program})
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${program}.1.in ${CMAKE_BINARY_DIR}/man/${program}.1
                   @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

# make package: a Debian package for /usr, its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trickscan)
set(CPACK_PACKAGE_VENDOR "Trickscan developers")
set(CPACK_PACKAGE_CONTACT "Trickscan developers <trickscan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Law of Total Tricks analyzer and deal viewer for double-dummy bridge deal libraries")
set(CPACK_PACKAGE_DESCRIPTION
    "Trickscan tests the Law of Total Tricks on a library of random bridge deals solved \
double-dummy; Boardlook shows and exports the deals one at a time. With batch tools for both, \
makelibrary to make libraries with DDS, and a sample library of 10,000 deals.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
