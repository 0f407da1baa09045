#!/usr/bin/env bash
# kivo-loggersim --tcp=0 listens on a port the system chose and prints it, so that several run at once.
#   check_free_port.sh <kivo-loggersim>
# The simulator runs until stopped: it is stopped once it has printed its port, however slowly it started.
# The deadline only guards a simulator that never prints.
set -euo pipefail

coproc simulator { exec "$1" --tcp=0; }
pid=$simulator_PID
printed=""
read -r -t 120 printed <&"${simulator[0]}" || true
kill "$pid"
wait "$pid" || true
if [[ ! $printed =~ listening\ on\ 127\.0\.0\.1:([0-9]+)$ ]] || ((BASH_REMATCH[1] == 0)); then
    echo "no chosen port printed: '$printed'" >&2
    exit 1
fi
