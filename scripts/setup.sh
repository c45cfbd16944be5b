#!/usr/bin/env bash
# Installs every Debian package Oskel needs to build, run and test. Safe to run again:
# it only asks apt for what is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libicu-dev nlohmann-json3-dev libcurl4-openssl-dev libssl-dev uuid-dev
  qt6-base-dev qt6-image-formats-plugins libqt6svg6 qtkeychain-qt6-dev
  libatspi2.0-dev libx11-dev libxtst-dev libxi-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev libphonenumber-dev libprotobuf-dev
  xvfb xauth xclip x11-utils dbus dbus-x11 gnome-keyring libsecret-tools
  python3 ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
