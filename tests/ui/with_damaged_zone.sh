#!/bin/sh
# Runs a command with the tz database's file of zone $1 damaged (cut to its
# first 20 bytes) in a private mount namespace, so that the machine's own file
# stays as it is. Exits 77 (skipped) where no such namespace can be made.
#   with_damaged_zone.sh Europe/Rome command [arguments...]
zone=$1
shift
file=/usr/share/zoneinfo/$zone
[ -f "$file" ] || exit 77
if [ "$(id -u)" = 0 ]; then
  namespace="unshare --mount"
else
  namespace="unshare --mount --map-root-user"
fi
$namespace true 2>/dev/null || exit 77
damaged=$(mktemp) || exit 77
head -c 20 "$file" >"$damaged"
TARVEL_DAMAGED_ZONE=$zone $namespace sh -c \
  'mount --bind "$0" "$1" || exit 77; shift; exec "$@"' "$damaged" "$file" "$@"
status=$?
rm -f "$damaged"
exit $status
