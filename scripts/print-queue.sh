# Makes sure a CUPS server runs with a default queue "PDF" that writes PDF files (cups-pdf).
# Source it, then call kinetra_print_queue. On success it exports KINETRA_PRINT_QUEUE=1, which
# tells the printing test that a real default queue exists and printing must work; on failure it
# leaves the variable unset and returns 1, and that test skips.

kinetra_print_queue() {
    unset KINETRA_PRINT_QUEUE
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
            sudo=(sudo -n)
        else
            echo "print queue: need root or password-less sudo to set up CUPS" >&2
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

    # lpstat -r exits with 0 either way; only its text tells.
    if ! LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; then
        "${sudo[@]}" mkdir -p /run/cups /var/spool/cups-pdf/ANONYMOUS
        "${sudo[@]}" cupsd || {
            echo "print queue: cupsd did not start" >&2
            return 1
        }
        local _
        for _ in $(seq 1 100); do
            LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running" && break
            sleep 0.1
        done
        if ! LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; then
            echo "print queue: the CUPS scheduler does not answer" >&2
            return 1
        fi
    fi

    if ! lpstat -p PDF >/dev/null 2>&1; then
        local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
        if [ -f "$ppd" ]; then
            "${sudo[@]}" lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" || return 1
        else
            "${sudo[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd ||
                return 1
        fi
    fi
    # A queue left stopped or rejecting by an earlier failure would swallow the test's job.
    "${sudo[@]}" cupsenable PDF >/dev/null 2>&1 || true
    "${sudo[@]}" cupsaccept PDF >/dev/null 2>&1 || true
    "${sudo[@]}" lpadmin -d PDF >/dev/null 2>&1 || true

    if ! LC_ALL=C lpstat -d 2>/dev/null | grep -q "system default destination: PDF$"; then
        echo "print queue: PDF is not the default destination" >&2
        return 1
    fi
    if ! LC_ALL=C lpstat -p PDF 2>/dev/null | grep -q "enabled"; then
        echo "print queue: PDF is not enabled" >&2
        return 1
    fi
    if ! LC_ALL=C lpstat -a PDF 2>/dev/null | grep -q "accepting requests"; then
        echo "print queue: PDF does not accept jobs" >&2
        return 1
    fi
    export KINETRA_PRINT_QUEUE=1
    echo "print queue: default destination PDF ready"
}
