# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# shellcheck shell=bash

TOMBREL_PACKAGES=(
    g++ cmake ninja-build ccache pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core qt6-translations-l10n
    desktop-file-utils appstream libxml2-utils shared-mime-info file dpkg-dev
    nlohmann-json3-dev
)

# Only for the fuzz preset: clang and its libFuzzer runtime (`ensure_packages fuzz`).
TOMBREL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

tombrel_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

ensure_packages() {
    local missing=() wanted=("${TOMBREL_PACKAGES[@]}")
    [ "${1:-}" = fuzz ] && wanted+=("${TOMBREL_FUZZ_PACKAGES[@]}")
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
    local preset="${1:-default}"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

# Only the desktop program, for scripts/run.
build_program() {
    local preset="${1:-default}"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target tombrel -j "$(nproc)"
}
