#!/usr/bin/env bash
# Builds the Debian package from the current build: the game and its level
# editor, the level files and the desktop icons of build/gen, with the launcher, desktop entry
# and manual page of packaging/deb. Writes bombagram2_<version>_all.deb into
# the folder given (the build folder by default) and prints its path. Needs
# dpkg-deb only: no network, no root.
#
# Architecture "all": the package holds no code for the Debian machine itself.
# The Windows executables are the same files on every architecture; what they
# run on is Wine's business. The package carries the 32-bit game and the
# 64-bit build of it, and depends on either Wine: wine64 needs no i386
# architecture, and a player who has wine32 keeps the 32-bit game.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
out="${1:-$BUILD_ROOT}"
here=packaging/deb

# The version is the executable's own, from its version resource script; the
# numbers and the texts there must agree.
resource_version() {
  local numbers texts
  numbers="$(sed -n 's/^ *\(FILE\|PRODUCT\)VERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\) *$/\2.\3.\4.\5/p' \
             resources/version.rc | sort -u)"
  texts="$(sed -n 's/.*VALUE "\(File\|Product\)Version", *"\([^"]*\)".*/\2/p' resources/version.rc | sort -u)"
  if [ "$(printf '%s\n' "$numbers" | wc -l)" != 1 ] || [ "$numbers" != "$texts" ]; then
    echo "build-deb: the versions in resources/version.rc disagree: $numbers / $texts" >&2
    exit 1
  fi
  printf '%s\n' "$numbers"
}

# Files, links and times the same on every build of the same sources.
build_time() {
  git log -1 --format=%ct 2>/dev/null || date +%s
}

fill_in() {
  sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$(date -u -d "@$SOURCE_DATE_EPOCH" +%F)/g" \
      -e "s/@INSTALLED_SIZE@/${installed_size:-0}/g" "$1"
}

changelog() {
  cat <<CHANGES
bombagram2 ($version) unstable; urgency=medium

  * Bombagram 2 $version for Debian 12: the game under Wine, started with
    the bombagram2 command or from the desktop.

 -- $(sed -n 's/^Maintainer: //p' "$here/control.in")  $(date -u -R -d "@$SOURCE_DATE_EPOCH")
CHANGES
}

stage_files() {
  local s="$1" size icon
  install -d "$s/DEBIAN" "$s/usr/games" "$s/usr/bin" "$s/usr/share/games/bombagram2" \
             "$s/usr/share/applications" "$s/usr/share/man/man6" "$s/usr/share/doc/bombagram2"
  # A game's command lives in /usr/games; root's PATH and some desktop
  # sessions leave that out, so /usr/bin holds a link to it.
  # The level editor has a launcher, desktop entry and manual page of its
  # own, and its program beside the game's in both widths.
  install -m 0755 "$here/bombagram2" "$here/bombagram2-editor" "$s/usr/games/"
  ln -s ../games/bombagram2 "$s/usr/bin/bombagram2"
  ln -s ../games/bombagram2-editor "$s/usr/bin/bombagram2-editor"
  install -m 0644 "$WIN32_BUILD/bombagram2.exe" "$WIN32_BUILD/bombagram2-editor.exe" scripts/wine-settings.reg \
    "$s/usr/share/games/bombagram2/"
  install -d "$s/usr/share/games/bombagram2/win64"
  install -m 0644 "$WIN64_BUILD/bombagram2.exe" "$WIN64_BUILD/bombagram2-editor.exe" \
    "$s/usr/share/games/bombagram2/win64/"
  for size in 10 15 20; do install -m 0644 "$GEN_DIR/level$size.dat" "$s/usr/share/games/bombagram2/"; done
  install -m 0644 "$here/bombagram2.desktop" "$here/bombagram2-editor.desktop" "$s/usr/share/applications/"
  for icon in "$GEN_DIR"/icons/bombagram2-*.png; do
    size="${icon##*-}"; size="${size%.png}"
    install -d "$s/usr/share/icons/hicolor/${size}x$size/apps"
    install -m 0644 "$icon" "$s/usr/share/icons/hicolor/${size}x$size/apps/bombagram2.png"
  done
  fill_in "$here/bombagram2.6" | gzip -9n >"$s/usr/share/man/man6/bombagram2.6.gz"
  fill_in "$here/bombagram2-editor.6" | gzip -9n >"$s/usr/share/man/man6/bombagram2-editor.6.gz"
  changelog | gzip -9n >"$s/usr/share/doc/bombagram2/changelog.gz"
  install -m 0644 "$here/copyright" "$s/usr/share/doc/bombagram2/copyright"
  chmod 0644 "$s/usr/share/man/man6/bombagram2.6.gz" "$s/usr/share/man/man6/bombagram2-editor.6.gz" \
    "$s/usr/share/doc/bombagram2/changelog.gz"
}

write_control() {
  local s="$1"
  installed_size="$(du -sk --exclude=DEBIAN "$s" | cut -f1)"
  fill_in "$here/control.in" >"$s/DEBIAN/control"
  (cd "$s" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$s/DEBIAN/md5sums"
  chmod 0644 "$s/DEBIAN/control" "$s/DEBIAN/md5sums"
}

umask 022
version="$(resource_version)"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(build_time)}"
mkdir -p "$out"
stage="$(mktemp -d "$BUILD_ROOT/deb-stage.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
chmod 0755 "$stage"
stage_files "$stage"
write_control "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
deb="$out/bombagram2_${version}_all.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
