# `make package`: a Debian package of everything `cmake --install` puts in place, under /usr. Its
# dependencies come from dpkg-shlibdeps, which reads the libraries the installed programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tresslow)
set(CPACK_PACKAGE_VENDOR "Tresslow developers")
# No contact address exists yet; .invalid is the reserved domain that can never receive mail.
set(CPACK_PACKAGE_CONTACT "Tresslow developers <tresslow@tresslow.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grow hair on a plane, a sphere or a torus and watch it sway")
set(CPACK_PACKAGE_DESCRIPTION
    "Tresslow grows a patch of hair on a flat square, a sphere or a torus, lets
you shape it with sliders and blows it about with wind and gravity. Every
strand is a chain of point masses joined by springs and is drawn as a NURBS
tube with OpenGL. tresslow-sim runs the same model without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# tresslow-sim loads OSMesa only when asked for a picture (--png), so it is recommended, not required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libosmesa6)
include(CPack)
