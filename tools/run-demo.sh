#!/bin/sh
# Starts Brinox in the user's data folder, putting the demo family there the
# first time. Without a display it runs under Xvfb and saves a screenshot.
set -eu
build_dir=$1
data_dir=$2
program="$(cd "$build_dir" && pwd)/brinox"

mkdir -p "$data_dir"
if [ -z "$(find "$data_dir" -maxdepth 1 -iname brinox.cfg -print -quit)" ]; then
    cp -R data/demo/. "$data_dir/"
    echo "The demo family was copied to $data_dir"
fi
# What ships with the program, where the user has no copy of their own.
for shipped in data/shipped/*; do
    [ -e "$shipped" ] || continue
    name=$(basename "$shipped")
    [ -e "$data_dir/$name" ] || cp "$shipped" "$data_dir/$name"
done

if [ -n "${DISPLAY:-}" ]; then
    exec "$program" --data "$data_dir"
fi

shot="$(cd "$build_dir" && pwd)/brinox-screenshot.png"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
echo "No display: starting Brinox under Xvfb to take a screenshot."
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    \"$program\" --data \"$data_dir\" &
    pid=\$!
    sleep 4
    import -window root \"$shot\"
    kill \$pid
" || true
echo "Screenshot of the main window: $shot"
