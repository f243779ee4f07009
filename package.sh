#!/usr/bin/env bash
# Builds the portable zip for Windows users (the 32-bit game and its level
# editor, the three level files, a short README in Korean and English and a
# manifest) and the
# Debian package for Linux players, from the same tested files. Where the
# machine runs no 32-bit program the tests play the 64-bit build of the same
# sources; the manifest says which build was tested.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source scripts/env.sh
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
tested="$BUILD_ROOT/tested-exe.sha256"
if ! { [ -f "$tested" ] && [ -f "$BUILD_ROOT/tested-width" ] && sha256sum --status -c "$tested"; }; then
  echo "package: the executable has not passed the tests yet; running ./test.sh"
  ./test.sh
  sha256sum --status -c "$tested"
fi
# The files of the zip with their SHA-256, the sources they were built from
# and the build that passed the tests.
write_manifest() {
  local width commit
  width="$(cat "$BUILD_ROOT/tested-width")"
  commit="$(git rev-parse HEAD 2>/dev/null || echo unknown)"
  git diff --quiet HEAD 2>/dev/null || commit="$commit with local changes"
  printf 'Bombagram 2, built from %s\r\n' "$commit"
  if [ "$width" = 32 ]; then
    printf 'Tested: this 32-bit bombagram2.exe passed every test under Wine.\r\n'
  else
    printf 'Tested: the 64-bit build of the same sources passed every test under Wine\r\n'
    printf '(the test machine runs no 32-bit program); this 32-bit build was compiled\r\n'
    printf 'with it and not run there.\r\n'
  fi
  printf '\r\n'
  (cd "$1" && sha256sum bombagram2.exe bombagram2-editor.exe level10.dat level15.dat level20.dat README.txt) | sed 's/$/\r/'
}

stage="$BUILD_ROOT/package/Bombagram2"
rm -rf "$BUILD_ROOT/package"; mkdir -p "$stage"
cp "$WIN32_BUILD/bombagram2.exe" "$WIN32_BUILD/bombagram2-editor.exe" "$stage/"
for n in 10 15 20; do cp "$GEN_DIR/level$n.dat" "$stage/"; done
cp packaging/README.txt "$stage/"
write_manifest "$stage" >"$stage/MANIFEST.txt"
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
# Every package is tried on clean Debian 12 and 13 systems as a new player
# meets it: installed with apt, the game and the editor started by an
# ordinary user (tests/e2e/check_clean_system.py; root makes the systems).
echo "package: trying $deb_file on clean Debian 12 and 13 systems"
root=(); [ "$(id -u)" = 0 ] || root=(sudo -n --preserve-env=BUILD_ROOT)
if ! (cd tests/e2e && "${root[@]}" env BOMBAGRAM2_DEB="$deb_file" python3 -m unittest check_clean_system); then
  echo "package: $deb_file does not play on a clean system" >&2
  exit 1
fi
