#!/usr/bin/env bash
# Starts Varnello, or explains what to do when there is no display to show it on.
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set), so the Varnello window cannot be shown."
  echo "Start it on a desktop, or under a virtual display: xvfb-run $build/varnello"
  echo "Without a screen, the command line computes the same entries, for example:"
  echo "  $build/varnello-cli press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50"
  "$build/varnello-cli" press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50
  exit 0
fi
exec "$build/varnello"
