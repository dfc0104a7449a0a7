# Installing and the Debian package. The suite's rule holds in the installed
# tree as in the build: the program and its template in .../Rapor, sys.inf one
# folder above (a link to the site's own copy in /etc/fatura-listesi).
#   cmake --build build --target package   ->  build/fatura-listesi_<version>_amd64.deb
set(FL_KOK lib/fatura-listesi)
set(FL_PAKET ${PROJECT_SOURCE_DIR}/data/paket)
set(FL_KIMLIK org.faturalistesi.FaturaListesi)

install(TARGETS fatura_listesi RUNTIME DESTINATION ${FL_KOK}/Rapor)
install(FILES ${PROJECT_SOURCE_DIR}/data/Master.mtr DESTINATION ${FL_KOK}/Rapor)
install(TARGETS demo_uret RUNTIME DESTINATION ${FL_KOK})
install(PROGRAMS ${FL_PAKET}/fatura-listesi ${FL_PAKET}/fatura-listesi-demo DESTINATION bin)
install(FILES ${FL_PAKET}/sys.inf DESTINATION /etc/fatura-listesi)
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${FL_KOK}\")
  file(CREATE_LINK /etc/fatura-listesi/sys.inf \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${FL_KOK}/sys.inf\" SYMBOLIC)")
install(FILES ${FL_PAKET}/${FL_KIMLIK}.desktop DESTINATION share/applications)
install(FILES ${FL_PAKET}/${FL_KIMLIK}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${FL_PAKET}/fatura-listesi.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${FL_KIMLIK}.svg)
install(FILES ${FL_PAKET}/copyright DESTINATION share/doc/fatura-listesi)

# Generated at build time: the PNG icons, the manual page from --help, the
# compressed changelog.
set(FL_URETILEN ${CMAKE_BINARY_DIR}/paket)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(HELP2MAN help2man REQUIRED) # run by cmake/ElKitabi.cmake
set(FL_IKONLAR)
foreach(boyut 16 32 48 64 128 256)
  set(png ${FL_URETILEN}/${boyut}/${FL_KIMLIK}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${FL_URETILEN}/${boyut}
    COMMAND ${RSVG_CONVERT} -w ${boyut} -h ${boyut} ${FL_PAKET}/fatura-listesi.svg -o ${png}
    DEPENDS ${FL_PAKET}/fatura-listesi.svg)
  list(APPEND FL_IKONLAR ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${boyut}x${boyut}/apps)
endforeach()
add_custom_command(OUTPUT ${FL_URETILEN}/fatura-listesi.1.gz
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:fatura_listesi> -DEK=${FL_PAKET}/fatura-listesi.h2m
          -DCIKTI=${FL_URETILEN}/fatura-listesi.1.gz -DSURUM=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/ElKitabi.cmake
  DEPENDS fatura_listesi ${FL_PAKET}/fatura-listesi.h2m ${PROJECT_SOURCE_DIR}/cmake/ElKitabi.cmake)
add_custom_command(OUTPUT ${FL_URETILEN}/changelog.gz
  COMMAND gzip -9nc ${FL_PAKET}/changelog > ${FL_URETILEN}/changelog.gz
  DEPENDS ${FL_PAKET}/changelog)
add_custom_target(paket_dosyalari ALL DEPENDS ${FL_IKONLAR} ${FL_URETILEN}/fatura-listesi.1.gz ${FL_URETILEN}/changelog.gz)
install(FILES ${FL_URETILEN}/fatura-listesi.1.gz DESTINATION share/man/man1)
# The demo launcher is described on the same page.
install(CODE "file(CREATE_LINK fatura-listesi.1.gz \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/man/man1/fatura-listesi-demo.1.gz\" SYMBOLIC)")
install(FILES ${FL_URETILEN}/changelog.gz DESTINATION share/doc/fatura-listesi)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fatura-listesi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON) # sys.inf goes to /etc, outside the prefix
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Fatura Listesi developers <gelistirici@faturalistesi.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "invoice list report of an accounting suite")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Fatura Listesi reads a company database (Microsoft SQL Server through
 FreeTDS, or an embedded SQLite store), lets the user set filters in a grid
 and prints the invoices as a banded report with groups, counts and totals:
 in a preview, on the printer, as PDF or PNG pages, and as Excel, text and
 HTML files equal to the report to the cent. A batch mode runs the same
 report without a window for scheduled jobs.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://faturalistesi.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What shlibdeps cannot see: Qt's window and print plugins, the page font,
# the SQL Server driver.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, unixodbc")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tdsodbc, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
file(WRITE ${CMAKE_BINARY_DIR}/paket/conffiles "/etc/fatura-listesi/sys.inf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/paket/conffiles)
include(CPack)
