#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into prefixes whose names hold blanks, quotes, "$" and
# "`", checks the menu entry with desktop-file-validate, and starts it as the
# desktop does (gio launch), with a stand-in for the program that notes its
# arguments and folder: from the menu it must start in the sample data, on a
# database in that database's folder with the database as its argument.
#
# (A "%" is escaped too, but GLib looks the program up before it undoes "%%",
# and CMake cannot install under a "\", so neither is tried here.)
#
#   install_prefix_test.sh BUILD_DIR
set -eu

build=${1:?usage: install_prefix_test.sh BUILD_DIR}
work=$(mktemp -d /tmp/kuyu-install-test.XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for name in 'with space' 'odd $HOME "q" `x`'; do
    prefix="$work/$name"
    if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
        cat "$work/install.log" >&2
        fail "install into [$prefix]"
        continue
    fi
    entry="$prefix/share/applications/jp.kuyu.PlantSearch.desktop"
    if ! desktop-file-validate "$entry"; then
        fail "desktop-file-validate [$entry]"
    fi

    # The stand-in: where it was started and with what.
    cat >"$prefix/bin/kuyu" <<'STUB'
#!/bin/sh
{ pwd; for a in "$@"; do printf '%s\n' "$a"; done; } >"$KUYU_TEST_RECORD"
STUB
    chmod +x "$prefix/bin/kuyu"
    export KUYU_TEST_RECORD="$work/record"

    # From the menu: the sample data's folder, no argument.
    rm -f "$KUYU_TEST_RECORD"
    gio launch "$entry" 2>"$work/launch.log" || { cat "$work/launch.log" >&2; fail "launch [$name]"; }
    for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$KUYU_TEST_RECORD" ] && break; sleep 0.2; done
    expected=$(printf '%s' "$prefix/share/kuyu/sample")
    if [ "$(cat "$KUYU_TEST_RECORD" 2>/dev/null)" != "$expected" ]; then
        fail "menu start [$name]: got [$(cat "$KUYU_TEST_RECORD" 2>/dev/null)], want [$expected]"
    fi

    # On a database in a folder with a blank in its name.
    data="$work/data $name"
    mkdir -p "$data"
    : >"$data/KUYU.DAT"
    rm -f "$KUYU_TEST_RECORD"
    gio launch "$entry" "$data/KUYU.DAT" 2>"$work/launch.log" || { cat "$work/launch.log" >&2; fail "launch on a file [$name]"; }
    for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$KUYU_TEST_RECORD" ] && break; sleep 0.2; done
    expected=$(printf '%s\n%s' "$data" "$data/KUYU.DAT")
    if [ "$(cat "$KUYU_TEST_RECORD" 2>/dev/null)" != "$expected" ]; then
        fail "file start [$name]: got [$(cat "$KUYU_TEST_RECORD" 2>/dev/null)], want [$expected]"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "menu entry: quoted, valid and started from every prefix"
