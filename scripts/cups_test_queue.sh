# A private print server for the printing tests, sourced by scripts/test. It runs its own cupsd from
# a temporary folder on its own socket (a system cupsd is left alone) with one raw queue whose
# backend keeps every job as a PDF file. start_test_queue exports to the tests:
#   WAZENIE_TEST_QUEUE  the queue's name,
#   CUPS_SERVER         the private server's socket,
#   WAZENIE_TEST_SPOOL  the folder the jobs are kept in (<job-id>.pdf and <job-id>.title).
# Without root or without CUPS nothing is exported and the printing tests skip.

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
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi

    test_queue_root=$(mktemp -d /tmp/wazenie-cups.XXXXXX)
    local root=$test_queue_root
    mkdir -p "$root"/{conf,spool,cache,state,log,bin/backend,out}
    # cupsd runs backends as root only when they are owned by root and not writable by others; the
    # jobs land in a folder below this root-only one.
    install -m 0700 -o root -g root tests/printing/keep_pdf_backend "$root/bin/backend/keep-pdf"
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
    export CUPS_SERVER="$root/cups.sock"
    local i
    for i in $(seq 1 100); do
        [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    # A raw queue: the PDF QPrinter sends goes to the backend unchanged.
    lpadmin -p wazenie-test -v "keep-pdf:$root/out" -E
    export WAZENIE_TEST_QUEUE=wazenie-test WAZENIE_TEST_SPOOL="$root/out"
    echo "Printing tests: queue $WAZENIE_TEST_QUEUE on $CUPS_SERVER, jobs kept in $WAZENIE_TEST_SPOOL"
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
    unset CUPS_SERVER WAZENIE_TEST_QUEUE WAZENIE_TEST_SPOOL
}
