# ORV_PC installed as a desktop program (`cmake --install`, `make install`) and as a Debian package
# (`make package`): the program, its browser module, its menu entry, its icon and Qt's French texts.
include(GNUInstallDirs)

install(TARGETS orv_pc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/orv_pc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/orv_pc.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/orv_pc.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

# The installed program reads Qt's French texts from its own prefix, found from its own folder, so
# that it needs no translations package and works wherever the prefix is.
set(translations_dir ${CMAKE_INSTALL_DATADIR}/orv_pc/translations)
install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_fr.qm
        DESTINATION ${translations_dir})
file(RELATIVE_PATH translations_from_program /${CMAKE_INSTALL_BINDIR} /${translations_dir})
set_property(SOURCE src/app/application_setup.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             ORV_TRANSLATIONS_FROM_PROGRAM="${translations_from_program}")

# The browser module, in the prefix's library folder, found from the program's folder too.
set(browser_dir ${CMAKE_INSTALL_LIBDIR}/orv_pc)
install(TARGETS orv_browser LIBRARY DESTINATION ${browser_dir})
file(RELATIVE_PATH browser_from_program /${CMAKE_INSTALL_BINDIR} /${browser_dir})
set_property(SOURCE src/platform/browser_loader.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             ORV_BROWSER_FROM_PROGRAM="${browser_from_program}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orv-pc)
set(CPACK_PACKAGE_CONTACT "ORV_PC <orv-pc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "carnet de trafic radioamateur du diplôme des Patrimoines Français")
set(CPACK_PACKAGE_DESCRIPTION [[
ORV_PC tient le log des QSO d'une station radioamateur qui chasse le diplôme
« PC » (Diplome des Patrimoines Français). Chaque champ est vérifié à la
saisie ; un patrimoine déjà contacté sur la même bande est refusé, le prénom
de l'opérateur et le nom du site sont repris de ce que le programme connaît.

Chaque station garde son log, un fichier texte à colonnes fixes, dans le
dossier de données de l'utilisateur ; chaque modification le réécrit en une
seule fois, de sorte qu'une panne laisse l'ancienne ou la nouvelle version.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries it links decide the dependencies (Qt's platform plug-ins come with them); the
# plug-in that draws the SVG window icon is loaded, not linked, so the package holding it is named
# (libqt6svg6 on Debian 12, qt6-svg-plugins on Debian 13).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
execute_process(
    COMMAND dpkg-query -S ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/iconengines/libqsvgicon.so
    OUTPUT_VARIABLE svg_icon_plugin_owner ERROR_QUIET)
string(REGEX REPLACE "[:,].*" "" svg_icon_plugin_package "${svg_icon_plugin_owner}")
if(NOT svg_icon_plugin_package)
    set(svg_icon_plugin_package libqt6svg6)
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${svg_icon_plugin_package})
set(CPACK_STRIP_FILES ON)
include(CPack)
