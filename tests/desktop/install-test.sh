#!/usr/bin/env bash
# Installation tests.
#   install-test.sh BUILD WORK ID prefix   cmake --install into WORK/prefix: the layout, the ids that
#                                          name each other, and the menu entry starting the
#                                          installed program in the home directory
#   install-test.sh BUILD WORK ID deb      the Debian package: the same layout under /usr and the
#                                          packages it depends on
# Exit 77 (skipped) when a tool the test needs is missing.
set -euo pipefail
build=$1
work=$2
id=$3
mode=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { for tool; do command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }; done; }

expected_files() {
  printf '%s\n' bin/pikutora bin/pikutora-export bin/pikutora-graph \
    "share/applications/$id.desktop" \
    "share/icons/hicolor/256x256/apps/$id.png" \
    "share/icons/hicolor/48x48/apps/$id.png" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    "share/metainfo/$id.metainfo.xml"
}

# The width and height of a PNG, from its header.
png_size() {
  [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is not a PNG"
  od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}'
}

entry_value() { sed -n "s/^$2=//p" "$1"; }

# check_layout ROOT PROGRAM: the files under ROOT are exactly the expected ones, and the menu
# entry names PROGRAM, the path the installed program has on the target system.
check_layout() {
  local root=$1 program=$2
  diff <(expected_files) <(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >&2 \
    || fail "installed files differ from the expected ones (< expected, > installed)"
  for p in bin/pikutora bin/pikutora-export bin/pikutora-graph; do [ -x "$root/$p" ] || fail "$p is not executable"; done
  for size in 48 256; do
    local got
    got=$(png_size "$root/share/icons/hicolor/${size}x$size/apps/$id.png")
    [ "$got" = "${size}x$size" ] || fail "the ${size}x$size icon is $got"
  done
  grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

  local entry=$root/share/applications/$id.desktop
  [ "$(entry_value "$entry" Icon)" = "$id" ] || fail "Icon= does not name the icons: $(entry_value "$entry" Icon)"
  [ "$(entry_value "$entry" TryExec)" = "$program" ] || fail "TryExec= is $(entry_value "$entry" TryExec), not $program"
  [ "$(entry_value "$entry" Exec)" = "sh -c \"cd && exec '$program'\"" ] || fail "Exec= is $(entry_value "$entry" Exec)"
  grep -qx "  <launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml" \
    || fail "the metainfo does not launch $id.desktop"
  grep -qx "  <id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" || fail "the metainfo's id is not $id"
}

case "$mode" in
prefix)
  prefix=$work/prefix
  rm -rf "$prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  check_layout "$prefix" "$prefix/bin/pikutora"

  # Run the Exec line as a launcher does, from another directory, with a stand-in for the program
  # that records where it runs. The entry's quoting inside double quotes is the shell's.
  home=$work/home
  rm -rf "$home" && mkdir -p "$home"
  cp "$prefix/bin/pikutora" "$work/pikutora.real"
  # shellcheck disable=SC2016  # $HOME is the stand-in's to expand
  printf '#!/bin/sh\npwd > "$HOME/started-in"\n' > "$prefix/bin/pikutora"
  eval "set -- $(entry_value "$prefix/share/applications/$id.desktop" Exec)"
  (cd / && HOME=$home "$@") || fail "the Exec line failed"
  mv "$work/pikutora.real" "$prefix/bin/pikutora"
  [ "$(cat "$home/started-in")" = "$home" ] || fail "the menu entry ran the program in $(cat "$home/started-in")"
  ;;
deb)
  need dpkg-deb dpkg-shlibdeps
  out=$work/deb
  rm -rf "$out"
  cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
  debs=("$out"/*.deb)
  if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single .deb in $out"; fi
  dpkg-deb -x "${debs[0]}" "$out/root"
  check_layout "$out/root/usr" /usr/bin/pikutora
  depends=$(dpkg-deb -f "${debs[0]}" Depends)
  names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
  for p in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo fonts-ipafont-gothic fonts-ipafont-mincho libc6 libstdc++6; do
    grep -qxF "$p" <<<"$names" || fail "Depends lacks $p: $depends"
  done
  [ "$(dpkg-deb -f "${debs[0]}" Package)" = pikutora ] || fail "the package is not named pikutora"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "ok: $mode"
