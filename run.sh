#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds, and starts vokabrix
# (./run.sh edit starts the dictionary editor).
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/setup.sh
vx_install_packages
vx_build build
program=vokabrix
if [ "${1:-}" = "edit" ]; then
    program=edit
    shift
fi
exec "./build/$program" "$@"
