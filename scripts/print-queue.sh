# Starts a private CUPS server for the tests, with a default queue "PDF" that writes PDF files
# (cups-pdf). It has its own configuration, spool and log folders in a temporary folder and
# listens only on a socket there; the machine's own CUPS server, its queues and its default
# printer are left as they are. Source it, then call kinetra_print_queue, and
# kinetra_print_queue_stop when the tests are over.
#
# On success it exports CUPS_SERVER (the socket, which every CUPS client and Qt then use instead
# of the machine's server) and KINETRA_PRINT_QUEUE=1, which tells the printing test that a real
# default queue exists and printing must work; on failure it leaves both unset and returns 1,
# and that test skips. cups-pdf backends run as root only, so this needs root or password-less
# sudo.

kinetra_print_queue() {
    unset KINETRA_PRINT_QUEUE
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
            sudo=(sudo -n)
        else
            echo "print queue: need root or password-less sudo to start a CUPS server" >&2
            return 1
        fi
    fi
    local tool
    for tool in cupsd lpadmin lpstat cupsenable cupsaccept; do
        command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || {
            echo "print queue: $tool is not installed" >&2
            return 1
        }
    done
    export PATH="$PATH:/usr/sbin"
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || {
        echo "print queue: cups-pdf is not installed ($ppd)" >&2
        return 1
    }

    # Filters run as the user lp and must reach the spool folder inside.
    kinetra_cups_dir=$("${sudo[@]}" mktemp -d /tmp/kinetra-cups.XXXXXX) || return 1
    local d=$kinetra_cups_dir
    "${sudo[@]}" chmod 755 "$d"
    "${sudo[@]}" mkdir -p "$d/etc/ppd" "$d/spool/tmp" "$d/cache" "$d/state/certs" "$d/log" \
        /var/spool/cups-pdf/ANONYMOUS
    "${sudo[@]}" tee "$d/etc/cups-files.conf" >/dev/null <<EOF
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
FileDevice No
Sandboxing Relaxed
EOF
    "${sudo[@]}" tee "$d/etc/cupsd.conf" >/dev/null <<EOF
Listen $d/cups.sock
LogLevel warn
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType Basic
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # In the foreground, in the background of this shell: its process is ours to end.
    "${sudo[@]}" cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" \
        >"$d/log/cupsd.out" 2>&1 &
    kinetra_cupsd_pid=$!
    export CUPS_SERVER=$d/cups.sock
    local _
    for _ in $(seq 1 100); do
        LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
    if ! LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; then
        echo "print queue: the test's CUPS server does not answer:" >&2
        "${sudo[@]}" cat "$d/log/cupsd.out" "$d/log/error_log" >&2 2>/dev/null
        kinetra_print_queue_stop
        return 1
    fi
    "${sudo[@]}" env CUPS_SERVER="$CUPS_SERVER" lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" &&
        "${sudo[@]}" env CUPS_SERVER="$CUPS_SERVER" lpadmin -d PDF || {
        echo "print queue: the queue PDF could not be made" >&2
        kinetra_print_queue_stop
        return 1
    }
    # A default named by the user's lpoptions or by PRINTER would win over the server's.
    export LPDEST=PDF
    unset PRINTER

    if ! LC_ALL=C lpstat -d 2>/dev/null | grep -q "system default destination: PDF$" ||
        ! LC_ALL=C lpstat -p PDF 2>/dev/null | grep -q "enabled" ||
        ! LC_ALL=C lpstat -a PDF 2>/dev/null | grep -q "accepting requests"; then
        echo "print queue: PDF is not the enabled, accepting default destination" >&2
        kinetra_print_queue_stop
        return 1
    fi
    export KINETRA_PRINT_QUEUE=1
    echo "print queue: private CUPS server at $CUPS_SERVER, default destination PDF"
}

kinetra_print_queue_stop() {
    if [ -n "${kinetra_cupsd_pid:-}" ]; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo -n)
        # sudo's child is the server: end it through sudo, which passes the signal on.
        kill "$kinetra_cupsd_pid" 2>/dev/null || "${sudo[@]}" kill "$kinetra_cupsd_pid" 2>/dev/null
        wait "$kinetra_cupsd_pid" 2>/dev/null
        unset kinetra_cupsd_pid
    fi
    if [ -n "${kinetra_cups_dir:-}" ]; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo -n)
        "${sudo[@]}" rm -rf "$kinetra_cups_dir"
        unset kinetra_cups_dir
    fi
    unset CUPS_SERVER KINETRA_PRINT_QUEUE LPDEST
}
