#!/bin/sh
# Writes help2man's include file for tarvel-cli's manual page: a section
# SUBCOMMANDS with the help of every subcommand the usage lines of
# `tarvel-cli --help` name, each as printed.
# Usage: cli_man_include.sh <tarvel-cli> <include file>
set -eu
cli=$1
out=$2
subcommands=$("$cli" --help | sed -n 's/^ *tarvel-cli \([a-z][a-z-]*\) .*/\1/p')
{
  echo "[SUBCOMMANDS]"
  for s in $subcommands; do
    echo ".SS \"tarvel\\-cli $s\""
    echo ".nf"
    # Backslashes printed as they are; a line starting with a dot or a quote
    # is text, not a request.
    "$cli" "$s" --help | sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
    echo ".fi"
  done
} > "$out"
