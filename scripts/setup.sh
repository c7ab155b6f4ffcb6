# Shared set-up of run.sh, test.sh and CI: the Debian packages the project needs, and the
# CMake build into a given folder.

VX_PACKAGES=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libqt6printsupport6
             libgl-dev fonts-dejavu-core
             hunspell hunspell-sv hunspell-de-de hunspell-fr hunspell-es hunspell-en-gb hunspell-en-us
             desktop-file-utils appstream dpkg-dev file poppler-utils
             qt6-speech-dev qt6-declarative-dev libqt6texttospeech6 qt6-speech-speechd-plugin
             speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
             kdeedu-kvtml-data parley-data)

vx_missing_packages() {
    local missing=()
    for p in "${VX_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]}"
}

# Installs what is missing: with apt-get when run as root, otherwise names the packages.
vx_install_packages() {
    local missing
    missing=$(vx_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086
        apt-get install -y -qq --no-install-recommends $missing
    else
        echo "These Debian packages are missing; install them first:" >&2
        echo "  sudo apt-get install $missing" >&2
        exit 1
    fi
}

# Configures and builds into the given folder; further arguments go to CMake.
vx_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
