# What the tools need to know of the Debian they run on, read from the
# machine: the release, its mirror and its source packages; and where they
# keep what outlives a build tree. Apt sources come in two formats: deb822
# (*.sources, Debian 12's default) and one-line (sources.list, what
# mmdebstrap writes on Debian 13). Needs bash and apt; nothing is installed.
#   . tools/debian.sh

# The folder that keeps the Windows Qt, ccache's objects and the new-machine
# roots' packages between runs and checkouts.
dotwise_cache() {
    echo "${DOTWISE_CACHE:-${XDG_CACHE_HOME:-${HOME:?}/.cache}/dotwise}"
}

# Notes how long a part of a run took, for the table .ci/run ends with: a
# line "PART<tab>SECONDS" in the file DOTWISE_TIMES names, when it is set.
#   dotwise_took PART START    START: bash's SECONDS when the part began
dotwise_took() {
    [ -z "${DOTWISE_TIMES:-}" ] || printf '%s\t%d\n' "$1" $((SECONDS - $2)) >>"$DOTWISE_TIMES"
}

# The release's codename (bookworm, trixie) from /etc/os-release.
debian_codename() {
    (
        . /etc/os-release
        echo "${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}"
    )
}

# The URI of the first main archive source (not the security archive), in
# either format; Debian's own mirror when none is found.
debian_mirror() {
    local uri
    uri=$(
        {
            cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
                awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:/) { print $i; break } }'
            awk 'BEGIN { RS = "" } /(^|\n)Types:[^\n]*deb/ {
                     if (match($0, /URIs:[ \t]*[^ \t\n]+/)) {
                         u = substr($0, RSTART, RLENGTH); sub(/URIs:[ \t]*/, "", u); print u } }' \
                /etc/apt/sources.list.d/*.sources 2>/dev/null
        } | grep -v -- '-security' | head -n 1
    )
    echo "${uri:-http://deb.debian.org/debian}"
}

# Makes `apt-get source` work: the release's archive sources (not the
# security archive's) are copied as deb-src entries, in the format and with
# the options they have, when no source entry exists. Written whole or not
# at all.
debian_enable_sources() {
    apt-get source --print-uris "$1" >/dev/null 2>&1 && return 0
    local dir=/etc/apt/sources.list.d lines stanzas
    lines=$(cat /etc/apt/sources.list "$dir"/*.list 2>/dev/null |
        awk '$1 == "deb" && !/-security/ { $1 = "deb-src"; print }')
    stanzas=$(awk 'BEGIN { RS = ""; ORS = "\n\n" }
        /(^|\n)Types:[^\n]*deb/ && !/-security/ && !/Enabled: *no/ {
            sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$dir"/*.sources 2>/dev/null)
    [ -n "$lines" ] && { printf '%s\n' "$lines" | as_root tee "$dir/dotwise-src.list.new" >/dev/null || return 1; }
    [ -n "$stanzas" ] && { printf '%s\n' "$stanzas" | as_root tee "$dir/dotwise-src.sources.new" >/dev/null || return 1; }
    for f in "$dir"/dotwise-src.list "$dir"/dotwise-src.sources; do
        [ -f "$f.new" ] && as_root mv "$f.new" "$f"
    done
    as_root apt-get update -qq && return 0
    as_root rm -f "$dir"/dotwise-src.list "$dir"/dotwise-src.sources
    return 1
}

# CPack, under umask 022 as dpkg-buildpackage packs (the .deb's members take
# the modes of CPack's own temporary files), and in UTC (a zip keeps its
# entries' times in local time).
dotwise_cpack() {
    (umask 022 && TZ=UTC cpack "$@")
}

# Runs as root directly, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Run as root, or install sudo, for: $*" >&2
        return 1
    fi
}

# Unpacks into the cache folder each prebuilt build output that shared/cache
# (or DOTWISE_PREBUILT) holds, when its .sha256 matches and the cache does
# not have it yet. A build script whose key names such a folder then finds
# itself done; one whose key differs builds as before. A folder records
# the path it was built at, the cache folder of root: where the cache lies
# elsewhere, that path is rewritten.
dotwise_use_prebuilt() {
    local shared=${DOTWISE_PREBUILT:-$(dirname "${BASH_SOURCE[0]}")/../../shared/cache}
    local cache archive name built
    cache=$(dotwise_cache)
    built=/root/.cache/dotwise
    for archive in "$shared"/*.tar.zst; do
        [ -f "$archive" ] && [ -f "$archive.sha256" ] || continue
        name=$(basename "$archive" .tar.zst)
        [ -f "$cache/$name/.complete" ] && continue
        [ "$(sha256sum <"$archive" | cut -d' ' -f1)" = "$(cut -d' ' -f1 "$archive.sha256")" ] || {
            echo "prebuilt $name: its .sha256 does not match; not used" >&2
            continue
        }
        command -v zstd >/dev/null || { echo "prebuilt $name: zstd is missing; not used" >&2; continue; }
        mkdir -p "$cache"
        rm -rf "$cache/$name" "$cache/$name.new"
        mkdir "$cache/$name.new"
        tar -C "$cache/$name.new" --zstd -xf "$archive" || { rm -rf "$cache/$name.new"; continue; }
        # The archive holds the folder itself, or its contents.
        if [ -d "$cache/$name.new/$name" ]; then
            mv "$cache/$name.new/$name" "$cache/$name" && rmdir "$cache/$name.new"
        else
            mv "$cache/$name.new" "$cache/$name"
        fi
        if [ "$cache" != "$built" ]; then
            grep -rlIF "$built/$name" "$cache/$name" | xargs -r sed -i "s|$built/$name|$cache/$name|g"
        fi
        [ -f "$cache/$name/.complete" ] || touch "$cache/$name/.complete"
        echo "prebuilt $name: unpacked from $archive" >&2
    done
}
