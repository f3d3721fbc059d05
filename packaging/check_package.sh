#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the Debian
# package with CPack and checks it: its files where the desktop expects them,
# lintian without errors, its installed size, the manual pages, the shell
# completion and the programs' --help and --version without a display.
# Usage: check_package.sh <source folder> <build folder> <application id>
#          <largest installed size in KiB, 0 for none>
set -euo pipefail
source_dir=$1
build_dir=$2
app_id=$3
max_installed_kib=$4

desktop-file-validate "$source_dir/packaging/$app_id.desktop"
appstreamcli validate --no-net "$build_dir/packaging/$app_id.metainfo.xml"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || {
  cat "$scratch/cpack.log"
  exit 1
}
deb=$(ls "$scratch"/out/*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -f "$deb" Package Version Installed-Size Depends Recommends

failed=0
fail() {
  echo "$*"
  failed=1
}

for f in \
  usr/bin/tarvel \
  usr/bin/tarvel-cli \
  usr/share/tarvel/tarvel_ENU.qm \
  usr/share/tarvel/tarvel_PTB.qm \
  "usr/share/tarvel/help/ITA/html/pagina principale.htm" \
  usr/share/tarvel/help/ITA/html/introduzione.htm \
  usr/share/tarvel/help/ENU/html/preferenze.htm \
  usr/share/tarvel/help/PTB/html/tabella.htm \
  usr/share/applications/$app_id.desktop \
  usr/share/metainfo/$app_id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/tarvel.svg \
  usr/share/icons/hicolor/48x48/apps/tarvel.png \
  usr/share/icons/hicolor/256x256/apps/tarvel.png \
  usr/share/doc/tarvel/copyright \
  usr/share/doc/tarvel/changelog.Debian.gz \
  usr/share/man/man1/tarvel.1.gz \
  usr/share/man/man1/tarvel-cli.1.gz \
  usr/share/bash-completion/completions/tarvel-cli \
  usr/share/zsh/vendor-completions/_tarvel-cli; do
  [ -e "$root/$f" ] || fail "missing from the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) fail "the package does not depend on Qt Widgets: $depends" ;;
esac
case "$depends" in
  *libqt6svg6*) ;;
  *) fail "the package does not depend on Qt SVG (chart export): $depends" ;;
esac

# Lintian: warnings are shown, errors fail.
lintian --allow-root --tag-display-limit 0 "$deb" > "$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then
  fail "lintian reports errors"
fi

installed_kib=$(dpkg-deb -f "$deb" Installed-Size)
if [ "$max_installed_kib" -gt 0 ] && [ "$installed_kib" -ge "$max_installed_kib" ]; then
  fail "installed size $installed_kib KiB, not below $max_installed_kib KiB"
fi

# The manual pages render without a complaint (UTF-8 read through preconv, as
# man does), tarvel-cli's with every subcommand its help lists.
for page in tarvel tarvel-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | groff -k -man -Tutf8 -ww -P-cbou > "$scratch/$page.txt" 2> "$scratch/$page.err" || true
  if [ -s "$scratch/$page.err" ] || ! grep -q '^NAME$' "$scratch/$page.txt"; then
    cat "$scratch/$page.err"
    fail "the manual page of $page does not render cleanly"
  fi
done
for sub in $(env -u QT_QPA_PLATFORM "$root/usr/bin/tarvel-cli" --help | awk '/^Subcommands:/ {s = 1; next} s && /^  [a-z]/ {print $1} s && /^$/ {s = 0}'); do
  grep -q "tarvel-cli $sub" "$scratch/tarvel-cli.txt" || fail "the manual page of tarvel-cli lacks the subcommand $sub"
done

# The completion loads into bash; the zsh one declares its command.
bash -c "source '$root/usr/share/bash-completion/completions/tarvel-cli' && complete -p tarvel-cli" ||
  fail "the bash completion of tarvel-cli does not load"
head -n 1 "$root/usr/share/zsh/vendor-completions/_tarvel-cli" | grep -qx '#compdef tarvel-cli' ||
  fail "the zsh completion of tarvel-cli does not start with #compdef tarvel-cli"
# Both complete an option's values and a zone's name, as a shell asks them.
zsh_completes() {  # words... (the last one is being completed)
  zsh -c 'compadd() { print -r -- "$@"; }; _files() { print -- FILES; }
          words=("$@"); CURRENT=$#; source "$0"' \
    "$root/usr/share/zsh/vendor-completions/_tarvel-cli" "$@"
}
bash_completes() {
  bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tarvel_cli; echo "${COMPREPLY[@]}"' \
    "$root/usr/share/bash-completion/completions/tarvel-cli" "$@"
}
for shell in zsh bash; do
  ${shell}_completes tarvel-cli table --unit d | grep -qw days ||
    fail "the $shell completion does not complete tarvel-cli table --unit"
  ${shell}_completes tarvel-cli --tz Europe/Ro | grep -qw Europe/Rome ||
    fail "the $shell completion does not complete a zone's name after --tz"
  ${shell}_completes tarvel-cli calendar --pl | grep -qw -- --place ||
    fail "the $shell completion does not complete the calendar's options"
done

# --help and --version answer without a display.
for option in --help --version; do
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$root/usr/bin/tarvel" $option > "$scratch/out.txt" 2>&1 ||
    fail "tarvel $option did not end with status 0 without a display: $(cat "$scratch/out.txt")"
done
grep -qx "tarvel $(dpkg-deb -f "$deb" Version | cut -d- -f1)" "$scratch/out.txt" ||
  fail "tarvel --version printed: $(cat "$scratch/out.txt")"
exit $failed
