#!/usr/bin/env bash
# Prints the GoogleTest filter of a part of a suite: the part's test groups (a filter such as
# "A.*:B.*", or "-A.*:B.*" for every other group) within the user's own filter, GTEST_FILTER.
# GoogleTest takes one filter, so for the groups of a part the tests that the user's filter
# selects are listed and those of the groups named one by one.
#   test-groups-filter.sh <groups filter> <suite.exe> [arguments...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

groups=$1
shift
user=${GTEST_FILTER:-}
if [ -z "$user" ]; then
  echo "$groups"
elif [ "${groups:0:1}" = - ]; then
  # Every other group: the user's negative patterns take the part's along.
  positive=${user%%-*}
  negative=
  [ "$positive" != "$user" ] && negative=${user#*-}:
  echo "${positive:-*}-$negative${groups#-}"
else
  wanted=":${groups//.\*/}:"
  selected=
  group=
  while IFS= read -r line; do
    line=${line%%#*}
    line=${line%"${line##*[![:space:]]}"}
    case $line in
      "  "*) [[ $wanted == *":$group:"* ]] && selected+="$group.${line#  }:" ;;
      *.) group=${line%.} ;;
    esac
  done < <("$repo/scripts/wine-exec" "$@" --gtest_list_tests 2>/dev/null | tr -d '\r')
  if [ -n "$selected" ]; then
    echo "${selected%:}"
  else
    echo "-*" # no test of the part's groups: a filter that selects nothing
  fi
fi
