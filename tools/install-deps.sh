#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and run (with --test: also to be tested).
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-charts-dev qt6-websockets-dev libqt6opengl6-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev fonts-noto-cjk libqrencode-dev pkg-config)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file lintian xdg-utils chromium chromium-driver python3-selenium haproxy openssl)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
