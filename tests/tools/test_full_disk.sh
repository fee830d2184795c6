#!/usr/bin/env bash
# A data file the asset generator cannot write in full ends it with exit
# code 1 and the file's name, a picture and a sample alike: /dev/full takes
# the write and refuses it.
#   test_full_disk.sh ASSETGEN
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for file in textures/rock.bmp sounds/splat.wav; do
  mkdir -p "$dir/$file/textures" "$dir/$file/sounds"  # a folder of its own
  ln -s /dev/full "$dir/$file/$file"
  message=$("$1" "$dir/$file" 2>&1) && { echo "FAIL: exit code 0 with $file unwritten"; exit 1; }
  [[ "$message" == *"cannot write"*"${file#*/}"* ]] || { echo "FAIL: the message does not name $file: $message"; exit 1; }
done
echo "PASS: an unwritable picture and sample each stop the generator, named"
