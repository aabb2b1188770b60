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
photo="$here/../../app/page/boardphoto.jpg"
away_x=1270
away_y=1015

start_window_manager
start_guide "$binary"

main=$(wait_for_window '^Setup$')

# The instructions window opens by itself shortly after start.
help=$(wait_for_window '^Instructions for Settings utility$')
check "instructions window opened by itself" test -n "$help"
shot "$out/instructions.png"

# Start (the focused default button) hides it and opens the guided walk's first popup, pinned.
xdotool windowactivate --sync "$help" >/dev/null 2>&1 || true
xdotool key --window "$help" Return
check "Start hides the instructions window" window_gone '^Instructions for Settings utility$'
dip=$(wait_for_window '^Dip Switches$')
check "the guided walk opens the Dip Switches popup" test -n "$dip"
xdotool mousemove $away_x $away_y
sleep 0.5
check "the walk's popup stays open when the pointer is elsewhere" \
  bash -c "xdotool search --onlyvisible --name '^Dip Switches$' >/dev/null"
shot "$out/walk.png"
close_window "$dip"
check "closing the popup hides it" window_gone '^Dip Switches$'

shot "$out/main.png"
read -r board_x board_y board_err < <(locate_board "$main" "$out/main.png" "$photo")
check "board photograph drawn pixel for pixel and centred (rmse $board_err at $board_x,$board_y)" \
  awk -v e="$board_err" 'BEGIN{exit !(e < 0.03)}'

# Each ring opens its popup while the pointer is on it, and closes it when the pointer leaves.
rings=(
  "PCI/104 Connector|120|16|360|60"
  "PC/104 Connector|179|479|345|65"
  "Header 3|520|88|81|377"
  "Header 1|0|88|81|377"
  "Dip Switches|364|182|41|57"
  "Header 2|85|88|36|377"
  "Header 4|480|88|33|377"
  "Dip Switches|112|514|49|41"
)
for ring in "${rings[@]}"; do
  IFS='|' read -r title l t w h <<<"$ring"
  cx=$((board_x + l + w / 2))
  cy=$((board_y + t + h / 2))
  xdotool mousemove "$cx" "$cy"
  if popup=$(wait_for_window "^${title}\$" 2>/dev/null); then
    check "pointing at '$title' opens its popup" true
  else
    check "pointing at '$title' opens its popup" false
    continue
  fi
  [[ "$title" == "Header 1" ]] && shot "$out/hover.png"
  xdotool mousemove $away_x $away_y
  check "leaving '$title' closes its popup" window_gone "^${title}\$"
done

# A click keeps the popup open after the pointer has left.
xdotool mousemove $((board_x + 300)) $((board_y + 46))
pci=$(wait_for_window '^PCI/104 Connector$')
xdotool click 1
sleep 0.3
xdotool mousemove $away_x $away_y
sleep 0.6
check "a clicked ring's popup stays open" bash -c "xdotool search --onlyvisible --name '^PCI/104 Connector$' >/dev/null"
close_window "$pci"
window_gone '^PCI/104 Connector$' || true

# The stack position: a click on SEL 1 moves the DIP switch's first switch off as well.
xdotool mousemove $((board_x + 384)) $((board_y + 210))
dip=$(wait_for_window '^Dip Switches$')
xdotool click 1
sleep 0.3
xdotool mousemove $away_x $away_y
sleep 0.5
read -r X Y < <(client_origin "$dip")
shot "$out/stack-before.png"
# positionSwitch sits at (232, 72) in the popup, turned clockwise: a switch that is on shows
# its white actuator at the right, one that is off at the left. The upper switch is SEL 1's.
read -r on_r on_g on_b < <(pixel "$out/stack-before.png" $((X + 232 + 17)) $((Y + 72 + 10)))
check "DIP switch starts with its first switch on" test "$on_r" -gt 200 -a "$on_g" -gt 200 -a "$on_b" -gt 200
xdotool mousemove $((X + 8 + 9)) $((Y + 24 + 21))
xdotool click 1
sleep 0.2
xdotool mousemove $away_x $away_y
sleep 0.4
shot "$out/stack-after.png"
read -r off_r off_g off_b < <(pixel "$out/stack-after.png" $((X + 232 + 5)) $((Y + 72 + 10)))
read -r was_r was_g was_b < <(pixel "$out/stack-after.png" $((X + 232 + 17)) $((Y + 72 + 10)))
check "clicking SEL 1 turns the DIP switch's first switch off" \
  test "$off_r" -gt 200 -a "$off_g" -gt 200 -a "$off_b" -gt 200 -a "$was_r" -lt 200
before_combo=$(convert "$out/stack-before.png" -crop "225x21+$((X + 64))+$((Y + 32))" +repage -format '%#' info:)
after_combo=$(convert "$out/stack-after.png" -crop "225x21+$((X + 64))+$((Y + 32))" +repage -format '%#' info:)
check "the combo box follows the jumper" test "$before_combo" != "$after_combo"

finish_guide "$main"
echo "e2e: all checks passed"
