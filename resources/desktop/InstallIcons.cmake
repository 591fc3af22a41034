# Installs the player's icon into the hicolor theme at 16 to 256 pixels and scalable, named after
# the application id. Run by `cmake --install` with VESK_APP_ID, VESK_ICON_SOURCE (the folder of
# veskplayer-<size>.png and veskplayer.svg) and VESK_ICON_THEME (the theme below the prefix).
# VESK_ICON_DIR in the environment names another source folder, for packagers.
if(DEFINED ENV{VESK_ICON_DIR})
    set(VESK_ICON_SOURCE "$ENV{VESK_ICON_DIR}")
endif()
foreach(size 16 32 48 64 128 256)
    file(INSTALL "${VESK_ICON_SOURCE}/veskplayer-${size}.png"
        DESTINATION "${CMAKE_INSTALL_PREFIX}/${VESK_ICON_THEME}/${size}x${size}/apps"
        RENAME "${VESK_APP_ID}.png")
endforeach()
file(INSTALL "${VESK_ICON_SOURCE}/veskplayer.svg"
    DESTINATION "${CMAKE_INSTALL_PREFIX}/${VESK_ICON_THEME}/scalable/apps"
    RENAME "${VESK_APP_ID}.svg")
