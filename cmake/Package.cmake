# The Debian package (scripts/package.sh): the install layout of cmake/Install.cmake
# under /usr, depending on the runtime packages of Debian 12.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelorin-video-converter)
set(CPACK_PACKAGE_VENDOR Pelorin)
set(CPACK_PACKAGE_CONTACT "Pelorin <support@pelorin.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Video converter for players, phones and DVD")
set(CPACK_PACKAGE_DESCRIPTION "Converts video files for the iPod, iPhone, iPad and Apple TV, to MP3 audio and\nto many other players and formats, up to a DVD folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.pelorin.com/")
# The libraries come from the linked sonames; the media library, dvdauthor and the
# fonts the windows are laid out for are loaded or run at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libmediainfo0v5, dvdauthor, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_STRIP_FILES ON)
include(CPack)
