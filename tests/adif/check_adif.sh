#!/usr/bin/env bash
# The ADIF export read back by an independent parser (npm package adif-parser-ts, fetched from the
# npm registry at the first run). Usage: check_adif.sh SAMPLE_WRITER WORK_FOLDER
set -euo pipefail
writer=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)

command -v node >/dev/null && command -v npm >/dev/null ||
    { echo "node and npm are needed (scripts/install-deps test installs them)" >&2; exit 1; }
mkdir -p "$work"
cp "$here/package.json" "$here/check_adif.js" "$work/"
if [ ! -d "$work/node_modules/adif-parser-ts" ]; then
    (cd "$work" && npm install --no-audit --no-fund --silent) ||
        { echo "npm could not install the parser" >&2; exit 1; }
fi
sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
"$writer" "$sample"
node "$work/check_adif.js" "$sample/F4ABC_PC.log" "$sample/F4ABC_PC.adi"
