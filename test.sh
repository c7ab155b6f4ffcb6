#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/setup.sh
vx_install_packages
vx_build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
