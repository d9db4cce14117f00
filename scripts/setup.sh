# Shared by scripts/run and scripts/test: installs what is missing and builds in build/.
# Source it; it defines kinetra_setup <extra Debian packages...>.

kinetra_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

kinetra_packages=(
    g++ cmake make pkg-config
    qt6-base-dev libgl-dev
    fonts-liberation2 qt6-translations-l10n
    qt6-tools-dev qt6-l10n-tools
)

kinetra_missing() {
    local p missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    echo "${missing[@]}"
}

kinetra_install() {
    local missing
    missing=$(kinetra_missing "$@")
    [ -z "$missing" ] && return 0
    echo "Installing Debian packages: $missing"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: $missing" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
}

kinetra_build() {
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$kinetra_root" -B "$kinetra_root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${launcher[@]}" "$@"
    cmake --build "$kinetra_root/build" -j "$jobs"
}

kinetra_setup() {
    kinetra_install "${kinetra_packages[@]}" "$@"
}
