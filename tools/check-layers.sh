#!/bin/sh
# The layers of src/, bottom to top, and which folders each may include.
# Fails (listing each offending include) when a file reaches a folder its
# own folder may not include, or when a folder of src/ is missing here.
# Run by CTest as the test "layers"; docs/ARCHITECTURE.md explains the order.
#   console -> core -> stages (material; selection over material; output;
#   specc9; check; pdf) -> run (the driver) -> app
set -u
src=${1:-$(dirname "$0")/../src}

may_include() {
    case $1 in
    console)   echo "console" ;;
    core)      echo "console core" ;;
    material)  echo "console core material" ;;
    selection) echo "console core material selection" ;;
    output)    echo "console core output" ;;
    specc9)    echo "console core specc9" ;;
    check)     echo "console core material specc9 check" ;;
    pdf)       echo "console core pdf" ;;
    run)       echo "console core material selection output specc9 run" ;;
    app)       echo "console core material selection output specc9 check pdf run app" ;;
    *)         echo "?" ;;
    esac
}

violations=$(
for dir in "$src"/*/; do
    layer=$(basename "$dir")
    allowed=$(may_include "$layer")
    if [ "$allowed" = "?" ]; then
        echo "src/$layer: a folder with no place in the layers; give it one in $0"
        continue
    fi
    # Every '#include "folder/..."' of the folder's files.
    grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$dir" |
    while IFS= read -r hit; do
        target=$(printf '%s\n' "$hit" | sed -E 's/.*"([^"/]+)\/$/\1/')
        case " $allowed " in
        *" $target "*) ;;
        *) echo "${hit%%:*}: src/$layer may not include $target/ (only: $allowed)" ;;
        esac
    done
done)
if [ -n "$violations" ]; then
    printf '%s\n' "$violations"
    exit 1
fi
echo "layers: every include of src/ points down"
