#!/usr/bin/env bash
# Checks the Debian package made from this build: its control fields and dependencies, that
# every file of a desktop install is in it, that the desktop entry and the software centre's
# entry validate, and that the packed programs run.
# Arguments: PACKAGE VERSION PROGRAM... (the built programs, to recognise a package of an older
# build). Without a current package the test is skipped (exit 77), unless
# KVX_PACKAGE_REQUIRED=1 says that one has just been made.
set -euo pipefail
package=$1
version=$2
shift 2

unusable() {
    if [[ "${KVX_PACKAGE_REQUIRED:-0}" == 1 ]]; then
        echo "FAIL: $1" >&2
        exit 1
    fi
    echo "SKIP: $1; ./test.sh or 'cpack -G DEB' in the build folder makes one"
    exit 77
}
[[ -f "$package" ]] || unusable "no package at $package"
for program in "$@"; do
    [[ "$package" -nt "$program" ]] || unusable "$package is older than $program"
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Control fields: the field, and an extended regular expression its first line must match.
fields=(
    "Package|korvane2"
    "Version|${version//./\\.}"
    "Architecture|$(dpkg --print-architecture)"
    "Section|web"
    "Maintainer|.*<support@velmora\.example>"
    "Homepage|https://www\.velmora\.example/"
    "Description|editor for HTML client-side image maps"
)
for entry in "${fields[@]}"; do
    value=$(dpkg-deb -f "$package" "${entry%%|*}" | sed -n 1p)
    [[ "$value" =~ ^(${entry#*|})$ ]] || fail "${entry%%|*} is '$value'"
done

# Those added by hand, and some that only the linked binaries reveal.
depends=$(dpkg-deb -f "$package" Depends)
for dependency in qt6-qpa-plugins qt6-translations-l10n libqt6svg6 libqt6widgets6 \
    libqt6webenginewidgets6 libgif7 libjpeg62-turbo libpng16-16 libc6; do
    [[ ", $depends," =~ ,\ $dependency[\ ,] ]] || fail "Depends lacks $dependency: $depends"
done

listing=$(dpkg-deb -c "$package")
for path in usr/bin/korvane2 usr/bin/kvxtool usr/share/korvane2/kvx2.hlp \
    usr/share/applications/korvane2.desktop usr/share/icons/hicolor/scalable/apps/korvane2.svg \
    usr/share/mime/packages/korvane2.xml usr/share/metainfo/example.velmora.korvane2.metainfo.xml \
    usr/share/man/man1/kvxtool.1.gz usr/share/man/man1/korvane2.1.gz \
    usr/share/doc/korvane2/copyright usr/share/doc/korvane2/changelog.gz; do
    grep -q " \./$path\$" <<<"$listing" || fail "$path is not in the package"
done
# Installed below /usr only, and owned by root.
while read -r mode owner size date time path rest; do
    [[ "$owner" == root/root ]] || fail "$path belongs to $owner"
    [[ "$path" =~ ^\./(usr/.*)?$ && "$path" != ./usr/local* ]] || fail "$path lies outside /usr"
done <<<"$listing"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$package" "$tree"
share=$tree/usr/share

desktop=$share/applications/korvane2.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejects the desktop entry: $report"
for key in 'Name\[de\]' 'Comment\[de\]' 'MimeType=application/x-korvane-project;'; do
    grep -q "^$key" "$desktop" || fail "the desktop entry has no $key"
done
grep -q 'pattern="\*\.kvx"' "$share/mime/packages/korvane2.xml" || fail "the MIME type has no *.kvx"

metainfo=$share/metainfo/example.velmora.korvane2.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli rejects the metainfo file: $report"
grep -q '<summary xml:lang="de">' "$metainfo" || fail "the metainfo file has no German summary"
grep -Eq '<image[^>]*>https://www\.velmora\.example/[^<]+</image>' "$metainfo" ||
    fail "the metainfo file has no screenshot on https://www.velmora.example/"

for compressed in "$share"/man/man1/*.gz "$share/doc/korvane2/changelog.gz"; do
    gzip -t "$compressed" || fail "$compressed is not gzip data"
done
top=$(zcat "$share/doc/korvane2/changelog.gz" | sed -n 1p) || top=""
[[ "$top" == "korvane2 ($version) "* ]] || fail "the changelog begins with '$top'"

# The packed programs are stripped and run.
for program in korvane2 kvxtool; do
    [[ "$(file -b "$tree/usr/bin/$program")" == *", stripped"* ]] || fail "$program is not stripped"
done
[[ "$("$tree/usr/bin/korvane2" --version)" == "Korvane 2 $version" ]] || fail "korvane2 --version"
"$tree/usr/bin/kvxtool" --help >/dev/null || fail "kvxtool --help"

if ((failures > 0)); then
    echo "$failures check(s) of $package failed" >&2
    exit 1
fi
echo "$package: all checks passed"
