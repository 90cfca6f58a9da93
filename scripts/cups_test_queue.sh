# A private print server for the printing tests, sourced by scripts/test. It runs its own cupsd from
# a temporary folder on its own socket (a system cupsd is left alone) with one raw queue whose
# backend keeps every job as a PDF file. start_test_queue exports to the tests:
#   WAZENIE_TEST_QUEUE  the queue's name,
#   WAZENIE_TEST_CUPS_SERVER  the private server's socket; the printing tests set CUPS_SERVER from it,
#                       so other tests keep seeing the system's printers (or none) as before,
#   WAZENIE_TEST_SPOOL  the folder the jobs are kept in (<job-id>.pdf and <job-id>.title).
# Without root, or when the server cannot be set up, nothing is exported and the printing tests skip.
# Steps are checked one by one: the caller runs this under `||`, where set -e does not apply.

test_queue_root=""
test_queue_pid=""

start_test_queue() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "Printing tests: not root, no private print server (the tests will skip)."
        return 0
    fi
    local packages=(cups-daemon cups-client poppler-utils) missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq || return 1
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
    fi

    test_queue_root=$(mktemp -d /tmp/wazenie-cups.XXXXXX) || return 1
    local root=$test_queue_root
    mkdir -p "$root"/{conf,spool,cache,state,log,bin/backend,out} || return 1
    # cupsd runs backends as root only when they are owned by root and not writable by others; the
    # jobs land in a folder below this root-only one.
    install -m 0700 -o root -g root tests/printing/keep_pdf_backend "$root/bin/backend/keep-pdf" || return 1
    local d
    for d in filter daemon notifier; do
        ln -s "/usr/lib/cups/$d" "$root/bin/$d"
    done
    cat >"$root/conf/cupsd.conf" <<CONF
Listen $root/cups.sock
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$root/conf/cups-files.conf" <<CONF
ServerRoot $root/conf
ServerBin $root/bin
RequestRoot $root/spool
TempDir $root/spool
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
SystemGroup root
CONF
    cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" &
    test_queue_pid=$!
    local server="$root/cups.sock" i
    for i in $(seq 1 100); do
        [ -S "$server" ] && CUPS_SERVER=$server lpstat -r >/dev/null 2>&1 && break
        [ "$i" -lt 100 ] && kill -0 "$test_queue_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    # A raw queue: the PDF QPrinter sends goes to the backend unchanged.
    CUPS_SERVER=$server lpadmin -p wazenie-test -v "keep-pdf:$root/out" -E || return 1
    export WAZENIE_TEST_CUPS_SERVER=$server WAZENIE_TEST_QUEUE=wazenie-test WAZENIE_TEST_SPOOL="$root/out"
    echo "Printing tests: queue $WAZENIE_TEST_QUEUE on $server, jobs kept in $WAZENIE_TEST_SPOOL"
}

stop_test_queue() {
    if [ -n "$test_queue_pid" ]; then
        kill "$test_queue_pid" 2>/dev/null || true
        wait "$test_queue_pid" 2>/dev/null || true
        test_queue_pid=""
    fi
    if [ -n "$test_queue_root" ]; then
        rm -rf "$test_queue_root"
        test_queue_root=""
    fi
    unset WAZENIE_TEST_CUPS_SERVER WAZENIE_TEST_QUEUE WAZENIE_TEST_SPOOL
}
