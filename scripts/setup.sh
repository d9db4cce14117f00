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

# The browser edition: Emscripten, Node.js with npm (20.19 or newer, which the page's tools need)
# and Chromium and Firefox for its tests.
kinetra_web_packages=(emscripten googletest chromium firefox-esr)

kinetra_node() {
    local missing=()
    command -v node >/dev/null || missing+=(nodejs)
    command -v npm >/dev/null || missing+=(npm)
    [ ${#missing[@]} -eq 0 ] || kinetra_install "${missing[@]}"
    local version
    version=$(node -p 'process.versions.node')
    node -e 'const [a, b] = process.versions.node.split(".").map(Number);
             process.exit(a > 20 || (a === 20 && b >= 19) ? 0 : 1)' || {
        echo "The browser edition needs Node.js 20.19 or newer; this one is $version." >&2
        exit 1
    }
}

# The page's tools, exactly as web/package-lock.json pins them.
kinetra_web_install() {
    npm ci --prefix "$kinetra_root/web" --no-audit --no-fund --loglevel=error
}

# The engine, its tests and the module, built by Emscripten in build-wasm/ from the desktop's
# build (its sprites and font metrics), then the page in web/dist/.
kinetra_web_build() {
    export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs  # Debian's em++ finds acorn there
    emcmake cmake -S "$kinetra_root" -B "$kinetra_root/build-wasm" -DKINETRA_WASM=ON \
        -DCMAKE_BUILD_TYPE=Release -DKINETRA_WEB_ASSETS="$kinetra_root/build/web-assets" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)"
    cmake --build "$kinetra_root/build-wasm" -j "$(nproc 2>/dev/null || echo 2)"
    (cd "$kinetra_root/web" && npm run build --silent)
}
