# The Debian package: built from the build folder (the program's folder), its files listed, then
# unpacked into a temporary root whose program is started as an operator would start it from the
# menu: its window must open with the package's icon and Qt texts, and write only to the home.

source "$(dirname "$0")/lib.sh" "$@"

build=$(dirname "$E2E_PROGRAM")
packages=$E2E_HOME/packages
root=$E2E_HOME/root
export HOME=$E2E_HOME/home
mkdir -p "$HOME" "$root"

cpack --config "$build/CPackConfig.cmake" -B "$packages" >"$E2E_HOME/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$E2E_HOME/cpack.log")"
deb=$(find "$packages" -maxdepth 1 -name "orv-pc_*_$(dpkg --print-architecture).deb")
[ -n "$deb" ] || fail "no package orv-pc_VERSION_ARCH.deb in: $(ls "$packages")"

expected_files='./usr/bin/orv_pc
./usr/lib/orv_pc/liborv_browser.so
./usr/share/applications/orv_pc.desktop
./usr/share/icons/hicolor/64x64/apps/orv_pc.png
./usr/share/icons/hicolor/scalable/apps/orv_pc.svg
./usr/share/orv_pc/translations/qtbase_fr.qm'
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "$expected_files" ] || fail "the package holds: $files"

depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 renamed some libraries for its 64-bit time (libqt6core6t64). The SVG icon's plug-in
# is loaded, not linked: its package is named too.
icon_plugin=$(dpkg-query -S '*/qt6/plugins/iconengines/libqsvgicon.so' | cut -d: -f1)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6svgwidgets6 \
    libqt6webenginewidgets6 "$icon_plugin"; do
    grep -Eq "(^|, )$library(t64)?( |,|$)" <<<"$depends" || fail "$library missing from Depends: $depends"
done
description=$(dpkg-deb -f "$deb" Description)
[[ $description == "carnet de trafic radioamateur du diplôme des Patrimoines Français"$'\n'* ]] ||
    fail "short description: $description"
[ "$(echo "$description" | wc -l)" -gt 3 ] || fail "no long description: $description"

dpkg-deb -x "$deb" "$root"
[ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/64x64/apps/orv_pc.png")" = 64x64 ] ||
    fail "the PNG icon is not 64x64"
before=$(find "$root" | sort)

# The main window opens only when the station named in the settings has its log in the data
# folder: the installed program reads both from the home, as the built one does.
mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
: >"$E2E_DATA/F4ABC_PC.log"
E2E_PROGRAM=$root/usr/bin/orv_pc
e2e_start_display
cd "$HOME"
e2e_start_program
main=$(e2e_window '^ORV PC ')
e2e_start_written
e2e_screenshot installed_main_window

[ "$(find "$root" | sort)" = "$before" ] || fail "the program wrote beside itself"
grep -q " $root/usr/share/orv_pc/translations/qtbase_fr.qm$" "/proc/$E2E_PROGRAM_PID/maps" ||
    fail "Qt's French texts not read from the package"
# The browser module is loaded from the package only when a web page is shown: the eleventh
# title of the menu bar, "Reglement".
grep -q "liborv_browser.so" "/proc/$E2E_PROGRAM_PID/maps" && fail "browser module loaded at start-up"
e2e_menu "$main" 10
e2e_window 'glement PC$' >/dev/null
grep -q " $root/usr/lib/orv_pc/liborv_browser.so$" "/proc/$E2E_PROGRAM_PID/maps" ||
    fail "browser module not loaded from the package"

# The desktop matches a window to its menu entry by its class and shows the entry's icon.
wm_class=$(grep '^StartupWMClass=' "$root/usr/share/applications/orv_pc.desktop" | cut -d= -f2)
window_class=$(xprop -id "$main" WM_CLASS)
[[ $window_class == *"\"$wm_class\""* ]] || fail "window class: $window_class"
icons=$(xprop -id "$main" _NET_WM_ICON | grep '^\s*Icon (' || true)
[[ $icons == *"Icon (64 x 64)"* ]] || fail "no 64x64 window icon among: $icons"
echo "installed package: PASS"
