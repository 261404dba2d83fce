#!/usr/bin/env bash
# Builds the Windows program with MinGW-w64 and tests it under Wine:
#   1. configures and builds SOURCE_DIR into BUILD_DIR (Ninja, the MinGW toolchain file,
#      Wine as the emulator that ctest runs the cross-built tests through);
#   2. makes a fresh Wine prefix in BUILD_DIR/wineprefix;
#   3. starts an X server of its own (Xvfb) on a free display;
#   4. runs the cross-built unit tests (ctest), then the end-to-end driver against the real
#      Quorvanteline.exe;
#   5. takes screenshots of the main window at start and with the Split panel shown:
#      BUILD_DIR/artifacts/win32-main-window-start.png and win32-main-window-split.png.
# Exits non-zero when anything fails. Needs (Debian): g++-mingw-w64-x86-64, wine, xvfb,
# imagemagick, fonts-liberation, x11-utils, cmake, ninja-build, googletest.
#
# usage: tests/win32/run-under-wine.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 SOURCE_DIR BUILD_DIR" >&2
    exit 2
fi
SOURCE_DIR=$(cd "$1" && pwd -P)
mkdir -p "$2"
BUILD_DIR=$(cd "$2" && pwd -P)
ARTIFACTS="$BUILD_DIR/artifacts"
WORK="$BUILD_DIR/e2e-work"

# Wine maps the drive Z: to the root of the file system.
windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}

step() {
    printf '\n== %s\n' "$*"
}

step "build (MinGW-w64) in $BUILD_DIR"
cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$SOURCE_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build "$BUILD_DIR" -j2
APP="$BUILD_DIR/shell/win32/Quorvanteline.exe"
DRIVER="$BUILD_DIR/tests/win32/quorvanteline-driver.exe"

step "fresh Wine prefix"
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No Mono and no Gecko: the prefix is made without asking for them.
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i
# The program draws with "Times New Roman"; Liberation Serif has the same metrics.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f
# A fresh prefix knows Notepad for text files but may not tie the extension .txt to it,
# which a desktop Windows does; How To Use opens its guide through that tie.
wine reg add 'HKCR\.txt' /ve /t REG_SZ /d txtfile /f
# Without a window manager on the X server, Wine draws the windows' frames and captions
# itself, so that the pictures show the whole window.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
wineserver -w

XVFB_PID=""
cleanup() {
    # Ends whatever this run left in its own prefix, then its X server.
    WINEPREFIX="$BUILD_DIR/wineprefix" wineserver -k 2>/dev/null || true
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT

step "X server"
for display in $(seq 91 199); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$display" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
        export DISPLAY=":$display"
        break
    fi
    XVFB_PID=""
done
if [ -z "${DISPLAY:-}" ] || [ -z "$XVFB_PID" ]; then
    echo "no free X display for Xvfb" >&2
    exit 1
fi
echo "Xvfb on $DISPLAY"

failed=0

step "cross-built unit tests under Wine (ctest)"
# A test that hangs fails after ten minutes instead of holding the run.
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 || failed=1

step "end-to-end tests of Quorvanteline.exe"
rm -rf "$WORK"
mkdir -p "$WORK"
# Wine's note about the volume label of Z: says nothing about the program; it is left out.
wine "$DRIVER" run "$(windows_path "$APP")" "$(windows_path "$WORK/run")" \
    2> >(grep -v 'FS volume label and serial are not available' >&2) || failed=1

step "screenshots of the main window"
mkdir -p "$ARTIFACTS"
POSE="$WORK/pose"

# Waits until the posed window is ready for STAGE, takes its picture into FILE and lets
# the driver go on.
take_picture() {
    local stage=$1 file=$2
    rm -f "$file"
    for _ in $(seq 1 600); do
        [ -e "$POSE/ready-$stage" ] && break
        kill -0 "$POSE_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -e "$POSE/ready-$stage" ]; then
        echo "the window was not posed for the $stage picture" >&2
        return 1
    fi
    local window_id
    window_id=$(xwininfo -root -tree | awk '/"Quorvanteline"/ { print $1; exit }')
    import -window "${window_id:-root}" "$file"
    touch "$POSE/done-$stage"
    [ -s "$file" ] && echo "picture: $file"
}

wine "$DRIVER" pose "$(windows_path "$APP")" "$(windows_path "$POSE")" \
    2> >(grep -v 'FS volume label and serial are not available' >&2) &
POSE_PID=$!
take_picture start "$ARTIFACTS/win32-main-window-start.png" || failed=1
take_picture split "$ARTIFACTS/win32-main-window-split.png" || failed=1
wait "$POSE_PID" || failed=1

# The long job leaves many thousands of part files behind; nothing in them is needed.
rm -rf "$WORK/run/longjob"
if [ "$failed" -ne 0 ]; then
    step "FAILED (the files of the run are in $WORK)"
    exit 1
fi
rm -rf "$WORK"
step "all Windows tests passed"
