#!/usr/bin/env bash
# Builds the Debian package dist/kelvo_<version>_<arch>.deb from a Release build in build-package/:
# stripped, hardened, installed under /usr, and without the self-update (the users of a package
# update through the package manager). Extra arguments go to the configure step, for example
# -DKELVO_PACKAGE_MAINTAINER="Name <mail@example.org>".
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh dpkg-dev file

hardening="-D_FORTIFY_SOURCE=2 -fstack-protector-strong"
# Each function and object in a section of its own, so that the linker leaves out what nothing
# calls: a module that links a static library takes only what it uses from it.
sections="-ffunction-sections -fdata-sections"
# -O2 as Debian builds its packages (at -O3, g++ 12 also misreports string copies as overlapping).
cmake -S . -B build-package -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$hardening $sections" \
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
  -DCMAKE_EXE_LINKER_FLAGS="-pie -Wl,-z,relro,-z,now -Wl,--gc-sections" \
  -DCMAKE_MODULE_LINKER_FLAGS="-Wl,-z,relro,-z,now -Wl,--gc-sections" \
  -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCH=OFF \
  -DKELVO_SELF_UPDATE=OFF -DKELVO_STATIC_SCRIPT_HOST=OFF \
  "$@"
# Only what the package holds (data/package/package.cmake lists it).
cmake --build build-package --target kelvo_package_contents
rm -f dist/kelvo_*.deb
cpack --config build-package/CPackConfig.cmake -B dist
rm -rf dist/_CPack_Packages
ls dist/kelvo_*.deb
