#!/usr/bin/env bash
# Prints the exchanges per tick and the real tick period that wazenie-cli reaches against
# meter-emulator over a pseudo-terminal pair, with no wait between requests (opoznienie_wysylania=0)
# and the emulator answering at once. Aims: at least 0.9 exchanges per tick (the protocol allows one),
# a tick period within 5 % of 9 ms. Figures are printed, never judged.
# Usage: bench/cli_throughput.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
seconds=${2:-15}
cli=$build/app/wazenie-cli
emulator=$build/tools/meter_emulator/meter-emulator
for program in "$cli" "$emulator"; do
    [ -x "$program" ] || { echo "brak programu: $program (zbuduj wazenie-cli i meter-emulator)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/wazenie-bench.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

socat pty,raw,echo=0,link="$work/station" pty,raw,echo=0,link="$work/meters" &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/meters" ] && [ -e "$work/station" ] && break; sleep 0.1; done

mkdir "$work/dane"
cp demo/dane/receptury.txt demo/dane/materialy.txt demo/dane/klienci.txt "$work/dane/"
printf '%s\r\n' "[Podlaczone_wagi]" waga1=1 waga2=1 waga3=1 waga4=1 \
    "[Masa maksymalna wagi]" waga1=400 waga2=1500 waga3=200 waga4=50 \
    "[Precyzja wagi]" waga1=0 waga2=0 waga3=0 waga4=0 \
    "[Polaczenie_RS]" port=1 predkosc=115200 czas_oczekiwania=50 \
    opoznienie_wysylania=0 opoznienie_wysylania_receptury=0 \
    "[Porty]" "COM1=$work/station" > "$work/dane/konfig.ini"

"$emulator" --baud 115200 --rate 5 "$work/meters" > /dev/null 2>&1 &
pids+=($!)
sleep 0.5

status=0
WAZENIE_HASLO=817 "$cli" --data "$work/dane" run --recipe "B20 beton towarowy" --mass 3000 \
    --timeout "$seconds" --verbose 2> "$work/cli.log" || status=$?
line=$(grep -a '^statystyka:' "$work/cli.log" || true)
if [ -z "$line" ]; then
    echo "wazenie-cli nie podał statystyki (kod $status):" >&2
    tail -5 "$work/cli.log" >&2
    exit 1
fi
ticks=$(sed -E 's/.*takty: ([0-9]+).*/\1/' <<< "$line")
period=$(sed -E 's/.*okres taktu: ([0-9.]+) ms.*/\1/' <<< "$line")
per_tick=$(sed -E 's/.*ramek na takt: ([0-9.]+).*/\1/' <<< "$line")
errors=$(grep -a -c ' !! ' "$work/cli.log" || true)
echo "cli_throughput: ticks=$ticks exit=$status exchange_errors=$errors"
echo "cli_throughput: exchanges per tick = $per_tick (aim >= 0.9)"
echo "cli_throughput: real tick period   = $period ms (aim 8.55 .. 9.45 ms)"
