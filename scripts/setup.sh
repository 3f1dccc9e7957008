#!/usr/bin/env bash
# Installs what building and running タグポット needs on Debian 12, only what is missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libqt6svg6          # the SVG icon engine: the program icon is an SVG
    fonts-ipafont-gothic # Japanese glyphs for the UI
    qt6-translations-l10n # Qt's own dialogs and menus in Japanese
    acl                 # setfacl: the tests of saving a file that has an ACL
    libtidy-dev         # the page checker
    qt6-webengine-dev   # the live preview (a module loaded when first shown)
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
