# What `make install` puts where: the two programs, the sound module beside
# the program's own libraries, the desktop entry with its icon and metadata,
# and the files every data folder gets a copy of at the first start.
include(GNUInstallDirs)

install(TARGETS brinox brinox-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its sound module in lib/brinox beside its bin folder.
install(TARGETS brinox_sound LIBRARY DESTINATION lib/brinox)
install(FILES data/desktop/nl.brinox.Brinox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/nl.brinox.Brinox.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/desktop/nl.brinox.Brinox.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/shipped/FAMHELP.HLP data/shipped/history.doc data/shipped/blanco.jpg data/shipped/qlm.wav
        DESTINATION ${CMAKE_INSTALL_DATADIR}/brinox)
