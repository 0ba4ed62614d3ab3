#!/usr/bin/env bash
# Builds the Debian package quivercast_<version>_amd64.deb from a release
# build in build-package/ and checks it: the menu entry, the software-centre
# description and the package itself must have no errors.
#   scripts/package.sh [outdir]      (the package is left in outdir, default .)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)
# The packaging tools come on top of what the build needs.
./scripts/deps.sh dpkg-dev file lintian desktop-file-utils appstream

dir=build-package
# Built with the distribution's hardening flags, as Debian's own packages are.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DQC_FFMPEG=/usr/bin/ffmpeg \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$dir"
rm -f "$dir"/quivercast_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/quivercast_*_amd64.deb)

# The files as installed.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/quivercast.desktop"
appstreamcli validate --no-net --pedantic "$tree"/usr/share/metainfo/*.metainfo.xml
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "lintian:"
lintian --fail-on error --display-info "$deb"

cp "$deb" "$out/"
echo "$out/$(basename "$deb")"
