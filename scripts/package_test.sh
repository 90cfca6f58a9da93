#!/usr/bin/env bash
# The package at work: builds it (scripts/package, from BUILD_DIR), installs it with dpkg -i when
# run as root (else unpacks it with dpkg -x into a scratch root), then runs wazenie-cli --help, a
# simulated process on a copy of the installed demo data, and the desktop program twice in a fresh
# home on the offscreen platform: the first start makes the data folder with its konfig.ini and says
# so in a message box, the second reaches the login window. As root it then removes the package and
# checks that the operator's data are still there. Prints "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME XDG_CONFIG_HOME DISPLAY WAYLAND_DISPLAY

passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
    fi
}

deb=$(bash scripts/package | tail -1)
scratch=$(mktemp -d)
installed=false
cleanup() {
    if $installed; then
        dpkg -r wazenie >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' wazenie 2>/dev/null | grep -q 'ok installed'; then
    installed=true
    dpkg -i "$deb" >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -f -y -qq >/dev/null
    prefix=/usr
else
    echo "Package test: not root (or wazenie already installed), so the package is unpacked into a scratch root."
    dpkg -x "$deb" "$scratch/root"
    prefix=$scratch/root/usr
fi

check "wazenie-cli --help" bash -c "'$prefix/bin/wazenie-cli' --help | grep -q '^Użycie: wazenie-cli'"
check "the help page where the program looks for it" test -f "$prefix/bin/../share/wazenie/doc/pomoc.htm"
check "menu entry and its icon" test -f "$prefix/share/applications/pl.wazenie.Wazenie.desktop" \
    -a -f "$prefix/share/icons/hicolor/48x48/apps/pl.wazenie.Wazenie.png"

cp -r "$prefix/share/doc/wazenie/examples/dane" "$scratch/dane"
check "simulated process on the demo data" env WAZENIE_HASLO=817 "$prefix/bin/wazenie-cli" --data "$scratch/dane" \
    run --recipe "B20 beton towarowy" --mass 1000 --client BUDREX --simulate --timeout 120
check "the process in the month's log" test -n "$(find "$scratch/dane" -name '[0-9][0-9][0-9][0-9][0-9][0-9].txt')"

# The desktop program paints each window it shows; a window that has been painted and flushed is up.
# Polls its log until that line appears or the program ends; gives up after 60 s.
start_until_painted() {
    local log=$1 window=$2
    HOME="$scratch/home" QT_LOGGING_RULES="qt.widgets.painting=true" "$prefix/bin/wazenie" 2>"$log" &
    local pid=$! found=1
    for ((i = 0; i < 600; i++)); do
        if grep -q "Flushing QRegion.* of $window" "$log"; then
            found=0
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return $found
}
data="$scratch/home/.local/share/wazenie/dane"
mkdir -p "$scratch/home"
check "first start shows a message" start_until_painted "$scratch/first.log" "QMessageBox"
check "first start names the new data folder" grep -q "^Dane: $data\$" "$scratch/first.log"
check "first start writes the default settings" test -s "$data/konfig.ini"
check "next start reaches the login window" start_until_painted "$scratch/second.log" 'wazenie::TFwytop'

if $installed; then
    dpkg -r wazenie >/dev/null
    installed=false
    check "removed" test ! -e /usr/bin/wazenie
    check "the operator's data outlive the package" test -s "$data/konfig.ini"
fi

echo "package_test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
