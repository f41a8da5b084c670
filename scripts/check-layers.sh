#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own. The folders are the
# layers, bottom to top: base; registry, widgets, resources; versions; unblock, options, express;
# app; win32. Tests, benchmarks and fuzz targets stand outside and may include any of them.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [base]="base"
    [registry]="base resources registry"
    [widgets]="base widgets"
    [resources]="base resources"
    [versions]="base registry widgets resources versions"
    [unblock]="base registry widgets resources versions unblock"
    [options]="base registry widgets resources versions options"
    [express]="base registry widgets resources versions express"
    [app]="base registry widgets resources versions unblock options express app"
    [win32]="base registry widgets resources versions unblock options express app win32"
)

# The access layer's interface shows nothing but itself: its error texts come from the string
# table inside its sources only.
declare -A allowedInHeaders=([registry]="base registry")

status=0
while IFS= read -r file; do
    layer=${file%%/*}
    [[ -n ${allowed[$layer]+set} ]] || continue
    layers=${allowed[$layer]}
    if [[ $file == *.h && -n ${allowedInHeaders[$layer]+set} ]]; then
        layers=${allowedInHeaders[$layer]}
    fi
    while IFS= read -r included; do
        folder=${included%%/*}
        if [[ " $layers " != *" $folder "* ]]; then
            echo "$file includes $included: $layer/ may not depend on $folder/" >&2
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.h' '*.cpp')
exit $status
