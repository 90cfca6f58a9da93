# Sourced by scripts/run: emulated meters for a data folder. start_emulated_meters DATA BUILD_DIR LOGS joins
# two pseudo-terminals with socat, runs meter-emulator on one end for the scales konfig.ini enables and
# points the port konfig.ini selects ([Porty] COMn) at the other end, writing socat.log and emulator.log
# into the folder LOGS; stop_emulated_meters ends both.

meters_socat_pid=""
meters_emulator_pid=""

# The value of KEY in [SECTION] of an INI file with CR LF line ends; empty when absent.
ini_value() {
    awk -v section="[$2]" -v key="$3" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1"
}

# Sets KEY=VALUE in [SECTION], adding the key or the section when missing; the file stays CR LF.
ini_set() {
    local file=$1 tmp
    tmp=$(mktemp "$file.XXXXXX")
    awk -v section="[$2]" -v key="$3" -v value="$4" '
        function put() { printf "%s=%s\r\n", key, value; done = 1 }
        { sub(/\r$/, "") }
        /^\[/ { if (inside && !done) put(); inside = ($0 == section); seen = seen || inside }
        inside && index($0, key "=") == 1 { if (!done) put(); next }
        { printf "%s\r\n", $0 }
        END { if (!done) { if (!seen) printf "%s\r\n", section; put() } }
    ' "$file" >"$tmp"
    mv "$tmp" "$file"
}

# The scales konfig.ini enables, as "1,2,3,4"; scale 1 when none is, as the program itself decides.
enabled_scales() {
    local n list=""
    for n in 1 2 3 4; do
        [ "$(ini_value "$1" Podlaczone_wagi "waga$n")" = 1 ] && list+="${list:+,}$n"
    done
    echo "${list:-1}"
}

# The decimal places of scales 1..4 ([Precyzja wagi], default 1), as "1,0,1,2".
scale_decimals() {
    local n value list=""
    for n in 1 2 3 4; do
        value=$(ini_value "$1" "Precyzja wagi" "waga$n")
        [[ $value =~ ^[0-9]$ ]] || value=1
        list+="${list:+,}$value"
    done
    echo "$list"
}

stop_emulated_meters() {
    local pid
    for pid in $meters_emulator_pid $meters_socat_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    meters_emulator_pid=""
    meters_socat_pid=""
}

start_emulated_meters() {
    local ini="$1/konfig.ini" build_dir=$2 log="$3/socat.log" emulator_log="$3/emulator.log"
    local emulator="$build_dir/tools/meter_emulator/meter-emulator" ptys=() port speed scales i
    command -v socat >/dev/null || { echo "Brak programu socat (scripts/setup go instaluje)." >&2; return 1; }
    [ -x "$emulator" ] || { echo "Brak emulatora mierników: $emulator" >&2; return 1; }

    socat -d -d pty,raw,echo=0 pty,raw,echo=0 2>"$log" &
    meters_socat_pid=$!
    for i in $(seq 50); do
        mapfile -t ptys < <(sed -n 's/.*PTY is \(.*\)$/\1/p' "$log")
        [ ${#ptys[@]} -ge 2 ] && break
        sleep 0.1
    done
    if [ ${#ptys[@]} -lt 2 ]; then
        echo "socat nie utworzył pary pseudoterminali (zob. $log)." >&2
        return 1
    fi

    port=$(ini_value "$ini" Polaczenie_RS port)
    [[ $port =~ ^[0-9]+$ ]] || port=1
    speed=$(ini_value "$ini" Polaczenie_RS predkosc)
    [[ $speed =~ ^[0-9]+$ ]] || speed=9600
    scales=$(enabled_scales "$ini")
    ini_set "$ini" Porty "COM$port" "${ptys[0]}"

    "$emulator" --scales "$scales" --decimals "$(scale_decimals "$ini")" --baud "$speed" \
        "${ptys[1]}" >"$emulator_log" 2>&1 &
    meters_emulator_pid=$!
    for i in $(seq 50); do
        grep -qs otwarty "$emulator_log" && break
        kill -0 "$meters_emulator_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! grep -qs otwarty "$emulator_log"; then
        echo "Emulator mierników nie wystartował (zob. $emulator_log)." >&2
        return 1
    fi
    echo "Emulowane wagi $scales na COM$port = ${ptys[0]} (mierniki: ${ptys[1]})"
}
