#!/usr/bin/env bash
# The Debian package made from the build folder $1 (cpack, as `make package`
# does): every library its program needs (NEEDED) belongs to a package its
# Depends names, the licence, changelog and every sample are in it, its description has an
# extended part, and lintian (where installed) finds no error and no warning.
set -u
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for tool in cpack dpkg-deb dpkg-shlibdeps file readelf ldd; do
    command -v "$tool" >/dev/null || { echo "deb: $tool is missing (tools/install-deps.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Its own output folder, so a test run never replaces the package `make package` left.
(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"

depends=$(dpkg-deb -f "$deb" Depends)
packages=" $(echo "$depends" | sed -E 's/\([^)]*\)//g; s/[,|]/ /g') "
while read -r lib; do
    # ldd resolves as the dynamic loader will (ldconfig is not on a user's PATH).
    path=$(ldd "$work/root/usr/bin/tessarin" | awk -v l="$lib" '$1 == l && $2 == "=>" { print $3; exit }')
    [ -n "$path" ] || { fail "$lib: the loader does not find it"; continue; }
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$owner" ] || { fail "$lib ($path): no package owns it"; continue; }
    case $packages in *" $owner "*) ;; *) fail "$lib comes from $owner, which Depends ($depends) does not name" ;; esac
done < <(readelf -d "$work/root/usr/bin/tessarin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')

for f in copyright changelog.gz; do
    [ -s "$work/root/usr/share/doc/tessarin/$f" ] || fail "no usr/share/doc/tessarin/$f"
done
for m in luke james peter; do
    [ -s "$work/root/usr/share/tessarin/$m/Specs.lst" ] || fail "no sample $m in usr/share/tessarin"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "no extended description"
case $(dpkg-deb -f "$deb" Maintainer) in *@localhost*|"") fail "maintainer address is not real" ;; esac

if command -v lintian >/dev/null; then
    lintian --allow-root --fail-on error,warning "$deb" > "$work/lintian" 2>&1 ||
        fail "lintian: $(cat "$work/lintian")"
fi
[ "$failures" -eq 0 ] && echo "deb: Depends covers every NEEDED library ($depends)"
exit "$failures"
