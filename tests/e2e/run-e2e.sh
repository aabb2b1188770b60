#!/usr/bin/env bash
# End-to-end run of the guide: starts it under Xvfb with openbox and checks what a person sees.
# usage: run-e2e.sh SETTINGS_BINARY OUTPUT_DIR
set -euo pipefail
binary=$1
out=$2
mkdir -p "$out"
if [[ -z "${E2E_INNER:-}" ]]; then
  export E2E_INNER=1
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-lib.sh"

start_window_manager
start_guide "$binary"

main=$(wait_for_window '^Setup$')
shot "$out/main.png"

# The photograph is drawn whole, pixel for pixel, centred on the window's outer size.
photo="$here/../../app/page/boardphoto.jpg"
read -r board_x board_y board_err < <(locate_board "$main" "$out/main.png" "$photo")
check "board photograph drawn whole and centred (rmse $board_err at $board_x,$board_y)" \
  awk -v e="$board_err" 'BEGIN{exit !(e < 0.03)}'

finish_guide "$main"
echo "e2e: all checks passed"
