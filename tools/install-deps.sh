#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing; packages named
# as arguments (another build's, such as the Windows one) instead of these.
set -euo pipefail
packages=(cmake ninja-build g++ make libgtest-dev libgmock-dev nlohmann-json3-dev
          qt6-base-dev libgl-dev xvfb xauth fonts-dejavu-core clang libclang-rt-14-dev
          dpkg-dev file desktop-file-utils appstream lintian poppler-utils)
[ $# -gt 0 ] && packages=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
