#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only what is missing: compilers (host
# and MinGW-w64), CMake, GoogleTest sources, Wine, a virtual X server, screenshot tools, a
# Chinese font, the zh_CN.UTF-8 locale and faketime (the end-to-end clock jump).
set -euo pipefail

packages=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils
          imagemagick fonts-wqy-zenhei locales python3 faketime)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo=
[[ $(id -u) -ne 0 ]] && sudo=sudo
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its code page from the locale: zh_CN.UTF-8 gives the program a Chinese system.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    $sudo sed -i 's/^# *zh_CN.UTF-8/zh_CN.UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
