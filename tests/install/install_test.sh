#!/bin/sh
# Installs the build into a scratch root as a package would, checks where
# everything lands, that the desktop entry and the metadata pass their
# validators, and that the installed program puts the shipped files into a
# data folder that lacks them.
set -eu
build_dir=$1
demo_dir=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root/dest" cmake --install "$build_dir" --prefix /opt/brinox >/dev/null
prefix="$root/dest/opt/brinox"
for file in bin/brinox bin/brinox-cli lib/brinox/brinox_sound.so \
    share/applications/nl.brinox.Brinox.desktop share/metainfo/nl.brinox.Brinox.metainfo.xml \
    share/icons/hicolor/scalable/apps/nl.brinox.Brinox.svg \
    share/brinox/FAMHELP.HLP share/brinox/history.doc share/brinox/blanco.jpg share/brinox/qlm.wav; do
    [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/nl.brinox.Brinox.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/nl.brinox.Brinox.metainfo.xml" >/dev/null
fi

"$prefix/bin/brinox-cli" --data "$demo_dir" counts | grep -q "^count" || { echo "installed brinox-cli failed"; exit 1; }

data="$root/data"
mkdir -p "$data"
cp -R "$demo_dir/." "$data/"
touch "$data/HISTORY.DOC"  # the user's own copy, in another letter case, stays
XDG_RUNTIME_DIR="$root" QT_QPA_PLATFORM=offscreen timeout 30 "$prefix/bin/brinox" --data "$data" --quit-after-first-paint
for file in FAMHELP.HLP blanco.jpg qlm.wav; do
    cmp -s "$prefix/share/brinox/$file" "$data/$file" || { echo "not placed in the data folder: $file"; exit 1; }
done
[ ! -s "$data/HISTORY.DOC" ] && [ ! -e "$data/history.doc" ] || { echo "the user's history.doc was replaced"; exit 1; }
echo "install ok"
