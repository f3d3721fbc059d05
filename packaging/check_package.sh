#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the Debian
# package with CPack and checks that its files land where the desktop expects
# them. Usage: check_package.sh <source folder> <build folder>
set -euo pipefail
source_dir=$1
build_dir=$2
app_id=org.example.Tarvel

desktop-file-validate "$source_dir/packaging/$app_id.desktop"
appstreamcli validate --no-net "$build_dir/packaging/$app_id.metainfo.xml"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || {
  cat "$scratch/cpack.log"
  exit 1
}
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -f "$deb" Package Version Depends Recommends

missing=0
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
  usr/share/icons/hicolor/256x256/apps/tarvel.png; do
  if [ ! -e "$scratch/root/$f" ]; then
    echo "missing from the package: $f"
    missing=1
  fi
done
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "the package does not depend on Qt Widgets: $depends"; missing=1 ;;
esac
case "$depends" in
  *libqt6svg6*) ;;
  *) echo "the package does not depend on Qt SVG (chart export): $depends"; missing=1 ;;
esac
exit $missing
