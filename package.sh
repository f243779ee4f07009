#!/usr/bin/env bash
# Builds the portable zip for Windows users (the 32-bit executable the tests
# ran, the three level files and a short README in Korean and English) and the
# Debian package for Linux players, from the same tested files.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source scripts/env.sh
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
tested="$BUILD_ROOT/tested-exe.sha256"
if ! { [ -f "$tested" ] && sha256sum --status -c "$tested"; }; then
  echo "package: the executable has not passed the tests yet; running ./test.sh"
  ./test.sh
  sha256sum --status -c "$tested"
fi
stage="$BUILD_ROOT/package/Bombagram2"
rm -rf "$BUILD_ROOT/package"; mkdir -p "$stage"
cp "$GAME_EXE" "$stage/"
for n in 10 15 20; do cp "$GEN_DIR/level$n.dat" "$stage/"; done
cp packaging/README.txt "$stage/"
zip_file="$BUILD_ROOT/bombagram2-win32.zip"
rm -f "$zip_file"
(cd "$BUILD_ROOT/package" && TZ=UTC find Bombagram2 -exec touch -d '2026-01-01 00:00:00' {} + && \
   zip -X -q -r "$zip_file" Bombagram2)
echo "package: $zip_file"
unzip -l "$zip_file"
rm -f "$BUILD_ROOT"/bombagram2_*_all.deb
deb_file="$(bash scripts/build-deb.sh "$BUILD_ROOT")"
echo "package: $deb_file"
dpkg-deb --info "$deb_file" | sed -n 's/^ \(Version\|Depends\): /  \1: /p'
