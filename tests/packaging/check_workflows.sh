#!/usr/bin/env bash
# check_workflows.sh: the GitHub workflows, which nothing here can run, are valid workflows to
# action-validator, and every project script that their steps run is in the project.
# Usage: check_workflows.sh PROJECT_ROOT ACTION_VALIDATOR
set -euo pipefail
root="$1" validator="$2"

fail() { echo "FAIL: $*"; exit 1; }

[ -f "$validator" ] || fail "no action-validator at $validator: run npm ci --prefix tests/web"
shopt -s nullglob
workflows=("$root"/.github/workflows/*.yml)
[ ${#workflows[@]} -gt 0 ] || fail "no workflow in $root/.github/workflows"
for workflow in "${workflows[@]}"; do
  name="${workflow#"$root"/}"
  node "$validator" "$workflow" || fail "$name is not a valid workflow"
  # Steps do nothing of their own but run the project's scripts: `bash path ...` or `./path ...`.
  runs="$(sed -n 's/^ *\(- \)\{0,1\}run: *//p' "$workflow")"
  [ -n "$runs" ] || fail "$name runs no project script"
  while read -r command; do
    script="$(sed -E -n 's#^(bash +|\./)([^ ]+).*#\2#p' <<<"$command")"
    [ -n "$script" ] || fail "$name runs '$command', which is not one of the project's scripts"
    [ -f "$root/$script" ] || fail "$name runs $script, which is not in the project"
  done <<<"$runs"
  echo "$name: valid, and runs only scripts that exist"
done
