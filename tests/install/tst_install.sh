#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the layout the desktop needs: the
# program, the template where the program looks for it, a desktop entry and AppStream
# metainfo that their validators accept, the entry's icon in every hicolor size, and the
# MIME type of euro.cfg files that the entry opens, as update-mime-database builds it; then the
# season tool with its manual pages, bash completion and the package's documents.
#   tst_install.sh <build folder> <source folder>
set -uo pipefail
build=$1
source=$2
id=org.example.Vantorel
mime=text/x-ludovane-euro-cfg
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@" >/dev/null 2>"$prefix/.err"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
        sed 's/^/    /' "$prefix/.err"
    fi
}
entry() { # key: the desktop entry's value
    sed -n "s/^$1=//p" "$prefix/share/applications/$id.desktop"
}
png_size() { # file: "<width>x<height>" from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

check "the program is installed and executable" test -x "$prefix/bin/vantorel"
check "templ.ate is installed as shipped" cmp "$source/resources/templ.ate" "$prefix/share/vantorel/templ.ate"
check "desktop-file-validate accepts the entry" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "appstreamcli accepts the metainfo" \
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml"
check "the entry starts the installed program" test -x "$prefix/bin/$(entry Exec | cut -d' ' -f1)"
check "the entry hands the program one file" test "$(entry Exec)" = "vantorel %f"
check "the entry opens the euro.cfg type" test "$(entry MimeType)" = "$mime;"
check "update-mime-database accepts the type" update-mime-database "$prefix/share/mime"
check "files named euro.cfg are of the type" grep -qx "80:$mime:euro.cfg" "$prefix/share/mime/globs2"
check "the type is plain text" grep -qx "$mime text/plain" "$prefix/share/mime/subclasses"
check "the entry's icon is the application's id" test "$(entry Icon)" = "$id"
check "the metainfo's id is its file name" grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml"
check "the metainfo launches the entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml"
check "the metainfo names a screenshot" grep -q "<screenshot type=\"default\">" "$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    check "a ${size}x${size} icon of that size" test "$(png_size "$icon")" = "${size}x${size}"
done

# The season tool, its manual pages, completion and the package's documents.
man_clean() { # page: man formats it without a single warning
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null) || return 1
    [ -z "$warnings" ] || { echo "$warnings" >&2; return 1; }
}
complete_words() { # words...: what the installed completion offers for the last word
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _vantorel_places
             printf "%s\n" "${COMPREPLY[@]}"' _ "$prefix/share/bash-completion/completions/vantorel-places" "$@"
}
check "the season tool is installed and runs" "$prefix/bin/vantorel-places" --version
mkdir "$prefix/work"
check "the tool's new finds the installed template" \
    bash -c 'cd "$1/work" && "$1/bin/vantorel-places" new made.cfg && cmp made.cfg "$1/share/vantorel/templ.ate"' _ "$prefix"
for page in vantorel vantorel-places; do
    check "man page $page(1) formats without warnings" man_clean "$prefix/share/man/man1/$page.1.gz"
done
check "the completion completes commands" test "$(complete_words vantorel-places exp)" = export
check "the completion completes countries" test "$(complete_words vantorel-places set f.cfg 'Bosnia')" = 'Bosnia-Herzegovina'
check "the completion completes competitions" test "$(complete_words vantorel-places set f.cfg Italy interto)" = intertoto
check "the copyright file is installed" grep -q "^License: Expat" "$prefix/share/doc/vantorel/copyright"
check "the changelog is installed, compressed" gzip -t "$prefix/share/doc/vantorel/changelog.gz"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
