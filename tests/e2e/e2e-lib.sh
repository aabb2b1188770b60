# Helpers for the end-to-end scripts: window manager, the guide's process, windows, pixels.
failures=0
guide_pid=

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

start_window_manager() {
  openbox >/dev/null 2>&1 &
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "e2e: the window manager did not start" >&2
  exit 1
}

start_guide() {
  "$1" >"$out/guide.log" 2>&1 &
  guide_pid=$!
}

# Prints the id of the first visible window whose title matches the pattern.
wait_for_window() {
  local pattern=$1 id
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    if [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "e2e: no window titled like '$pattern' appeared" >&2
  cat "$out/guide.log" >&2 || true
  exit 1
}

window_gone() {
  local pattern=$1
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Finds the board photograph on screen where the guide must have centred it: on the window's
# outer size (frame included), below the menu bar, whose height is searched. Prints
# "x y rmse" of the best match; the photograph must match it pixel for pixel where no ring is.
locate_board() {
  local win=$1 screenshot=$2 photo=$3
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local extents l r t b
  extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r l r t b <<<"$extents"
  local outer_w=$((WIDTH + l + r)) outer_h=$((HEIGHT + t + b))
  local bx=$((X + (outer_w - 600) / 2))
  local best="" best_err=9 menu err by
  for menu in $(seq -30 60); do
    by=$((Y + menu + (outer_h - 559) / 2))
    # A patch of the photograph that no ring covers, so it must be drawn untouched.
    err=$(convert "$screenshot" -crop "220x200+$((bx + 130))+$((by + 255))" +repage \
      \( "$photo" -crop 220x200+130+255 +repage \) -metric RMSE -compare -format '%[distortion]' info: 2>/dev/null || echo 9)
    if awk -v a="$err" -v b="$best_err" 'BEGIN{exit !(a<b)}'; then
      best_err=$err
      best="$bx $by"
    fi
  done
  echo "$best $best_err"
}

shot() {
  sleep 0.3
  import -window root "$1"
}

# Prints "r g b" of one pixel of a screenshot.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)] %[fx:int(255*p{'"$2"','"$3"'}.g)] %[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
  echo
}

# Ends the guide through File, Exit and requires a clean exit with status 0.
finish_guide() {
  local main=$1 status
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  xdotool key --window "$main" alt+f
  sleep 0.4
  xdotool key e
  for _ in $(seq 1 50); do
    kill -0 "$guide_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$guide_pid" 2>/dev/null; then
    echo "FAILED: File, Exit did not end the program"
    kill "$guide_pid" || true
    failures=$((failures + 1))
  else
    wait "$guide_pid" && status=0 || status=$?
    check "program ended with status 0 (was $status)" test "$status" -eq 0
  fi
  if [[ $failures -gt 0 ]]; then
    echo "e2e: $failures check(s) failed; screenshots in $out"
    exit 1
  fi
}

# Closes a window through the window manager, as its close box would.
close_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.2
  xdotool key alt+F4
}

# Prints "x y": the screen position of a window's client area (inside the frame).
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}'
}
