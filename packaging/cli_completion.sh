#!/bin/sh
# Writes the bash and zsh completion of tarvel-cli from the built program's
# help: the subcommands its usage lines name, the options each help lists, the
# values of an option whose placeholder lists them (--unit years|months|...)
# or whose meaning starts with their list ("a, b or c;"), and file names after
# an option that takes a FILE.
# Usage: cli_completion.sh <tarvel-cli> <bash file> <zsh file>
set -eu
cli=$1
bash_out=$2
zsh_out=$3

subcommands=$("$cli" --help | sed -n 's/^ *tarvel-cli \([a-z][a-z-]*\) .*/\1/p' | tr '\n' ' ')
subcommands=${subcommands% }

# One line per option: subcommand (empty for the main command), option,
# "file", "values" or "plain", and the values.
options() {
  "$cli" ${1:+"$1"} --help | awk -v sub_name="$1" '
    function flush() {
      if (name == "") return
      kind = "plain"; values = ""
      if (placeholder ~ /^FILE/) {
        kind = "file"
      } else if (placeholder == "AREA/CITY") {
        kind = "zone"
      } else if (placeholder ~ /\|/) {
        n = split(placeholder, parts, "|")
        for (i = 1; i <= n; i++) if (parts[i] ~ /^[a-z0-9-]+$/) values = values " " parts[i]
      } else if (placeholder != "") {
        first = meaning
        sub(/;.*/, "", first)
        sub(/ \(default:.*/, "", first)
        if (first ~ /^[a-z0-9-]+(, [a-z0-9-]+)*( or [a-z0-9-]+)?$/) {
          gsub(/, | or /, " ", first)
          values = " " first
        }
      }
      if (values != "") kind = "values"
      printf "%s\t%s\t%s\t%s\n", sub_name, name, kind, values
      name = ""
    }
    /^  (-[a-zA-Z?],)?--[a-z]/ {
      flush()
      line = $0
      sub(/^ +/, "", line)
      name = $1; sub(/^-[a-zA-Z?],/, "", name)
      placeholder = ($2 ~ /^[-A-Z\/\[\]:]+$/ || $2 ~ /\|/) ? $2 : ""
      meaning = length($0) > 24 && substr($0, 24, 1) == " " ? substr($0, 25) : ""
      next
    }
    name != "" && /^                        / { t = $0; sub(/^ +/, "", t); meaning = meaning (meaning == "" ? "" : " ") t; next }
    { flush() }
    END { flush() }'
}

table=$(options ""; for s in $subcommands; do options "$s"; done)

# The case branches of one shell: values and files after an option, then the
# options of each subcommand.
branches() {
  shell=$1
  printf '%s\n' "$table" | awk -F '\t' -v shell="$shell" '
    $3 == "values" {
      vals = $4; sub(/^ /, "", vals)
      if (shell == "bash") printf "        \"%s:%s\") COMPREPLY=($(compgen -W \"%s\" -- \"$cur\")); return ;;\n", $1, $2, vals
      else printf "    (\"%s:%s\") compadd -- %s; return ;;\n", $1, $2, vals
    }
    $3 == "file" {
      if (shell == "bash") printf "        \"%s:%s\") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n", $1, $2
      else printf "    (\"%s:%s\") _files; return ;;\n", $1, $2
    }
    $3 == "zone" {
      if (shell == "bash") printf "        \"%s:%s\") COMPREPLY=($(compgen -W \"$(awk \x27!/^#/ {print $3}\x27 /usr/share/zoneinfo/zone1970.tab 2>/dev/null) UTC\" -- \"$cur\")); return ;;\n", $1, $2
      else printf "    (\"%s:%s\") compadd -- ${(f)\"$(awk \x27!/^#/ {print $3}\x27 /usr/share/zoneinfo/zone1970.tab 2>/dev/null)\"} UTC; return ;;\n", $1, $2
    }'
}
option_list() {
  printf '%s\n' "$table" | awk -F '\t' -v s="$1" '$1 == s { printf "%s%s", sep, $2; sep = " " }'
}
subcommand_pattern=$(echo $subcommands | tr ' ' '|')

{
  echo "# bash completion of tarvel-cli. Generated from its help by packaging/cli_completion.sh; do not edit."
  echo "_tarvel_cli() {"
  echo '    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} sub="" i'
  echo '    for ((i = 1; i < COMP_CWORD; i++)); do'
  echo "        case \${COMP_WORDS[i]} in $subcommand_pattern) sub=\${COMP_WORDS[i]}; break ;; esac"
  echo '    done'
  echo '    case "$sub:$prev" in'
  branches bash
  echo '    esac'
  echo '    local words'
  echo '    case $sub in'
  for s in $subcommands; do
    echo "        $s) words=\"$(option_list "$s")\" ;;"
  done
  echo "        *) words=\"$(option_list "") $subcommands\" ;;"
  echo '    esac'
  echo '    COMPREPLY=($(compgen -W "$words" -- "$cur"))'
  echo "}"
  echo "complete -F _tarvel_cli tarvel-cli"
} > "$bash_out"

{
  echo "#compdef tarvel-cli"
  echo "# zsh completion of tarvel-cli. Generated from its help by packaging/cli_completion.sh; do not edit."
  echo "local sub= i"
  echo "for ((i = 2; i < CURRENT; i++)); do"
  echo "  case \$words[i] in ($subcommand_pattern) sub=\$words[i]; break ;; esac"
  echo "done"
  echo 'case "$sub:$words[CURRENT-1]" in'
  branches zsh
  echo "esac"
  echo "case \$sub in"
  for s in $subcommands; do
    echo "  ($s) compadd -- $(option_list "$s") ;;"
  done
  echo "  (*) compadd -- $(option_list "") $subcommands ;;"
  echo "esac"
} > "$zsh_out"
