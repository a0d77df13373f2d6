#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page and `numora-cli --help` name the same commands and the
# same long options, and the page documents every exit status.
#   manual-matches-help.sh CLI PAGE [COMMANDS-SECTION EXIT-STATUS-SECTION]
# (the section names of a translated page; COMMANDS and EXIT STATUS by default)
set -u
cli=$1 page=$2 commands_section=${3:-COMMANDS} status_section=${4:-EXIT STATUS}
fail=0
help=$("$cli" --help) || { echo "FAIL: numora-cli --help exited $?"; exit 1; }

# Commands: the first word after "numora-cli" on the help's usage lines.
help_commands=$(sed -n 's/^  numora-cli \([a-z][a-z0-9]*\).*/\1/p' <<<"$help" | sort -u)
# In the page's COMMANDS section each command is the first word of a tag
# (the line after .TP); one tag may list several, separated by commas.
page_commands=$(awk '
  /^\.SH/ { in_commands = (index($0, ".SH " section) == 1) ; next }
  in_commands && tag { print; tag = 0; next }
  in_commands && /^\.TP/ { tag = 1 }' section="$commands_section" "$page" |
  sed -e 's/^\.[A-Z]* *//' -e 's/\\f[BIRP]//g' -e 's/"//g' | tr ',' '\n' |
  awk 'NF { print $1 }' | sort -u)
if [ "$help_commands" != "$page_commands" ]; then
  echo "FAIL: commands differ (< --help, > manual page)"
  diff <(echo "$help_commands") <(echo "$page_commands")
  fail=1
fi

# Long options, wherever they appear.
help_options=$(grep -o -- '--[a-z]\+' <<<"$help" | sort -u)
page_options=$(sed 's/\\-/-/g' "$page" | grep -o -- '--[a-z]\+' | sort -u)
if [ "$help_options" != "$page_options" ]; then
  echo "FAIL: long options differ (< --help, > manual page)"
  diff <(echo "$help_options") <(echo "$page_options")
  fail=1
fi

# Exit statuses: the page's EXIT STATUS section has a tag for 0, 1 and 2.
statuses=$(awk '
  /^\.SH/ { in_status = (index($0, section) > 0); next }
  in_status && tag { print; tag = 0; next }
  in_status && /^\.TP/ { tag = 1 }' section="$status_section" "$page" | sed 's/^\.B *//' | tr '\n' ' ')
[ "$statuses" = "0 1 2 " ] || { echo "FAIL: exit statuses in the page: '$statuses', expected '0 1 2 '"; fail=1; }

[ $fail -eq 0 ] && echo "$(wc -l <<<"$help_commands") commands, $(wc -l <<<"$help_options") options: manual and --help agree"
exit $fail
