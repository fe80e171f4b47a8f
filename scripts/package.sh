#!/usr/bin/env bash
# Builds Tarvel in Release (no tests) and makes the Debian package of it with CPack:
# build/package/tarvel_VERSION_ARCH.deb, which `apt install ./build/package/tarvel_*.deb`
# installs with the libraries it needs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build/package -j2
rm -f build/package/tarvel_*.deb
(cd build/package && cpack -G DEB)
deb=$(ls build/package/tarvel_*.deb)
echo
echo "Built $deb. Install it with:"
echo "  sudo apt install ./$deb"
