# Sourced by the scripts that run Windows programs: one Wine prefix of the project's own,
# outside the checkout, and the flags measured to work on this machine.
: "${KESTRIX_CACHE:=${HOME}/.cache/kestrix}"
export KESTRIX_CACHE
export WINEPREFIX="${KESTRIX_WINEPREFIX:-${KESTRIX_CACHE}/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
