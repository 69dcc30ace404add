#!/usr/bin/env bash
# install_test.sh CHECK BUILD_DIR SOURCE_DIR CPACK
# Installs what the build made into a temporary folder and runs it there as a
# user would: without the build's environment, and with nothing installed
# naming the source or build folder. Exit status 77: a tool is missing.
set -euo pipefail
check=$1 build=$2 source=$3 cpack=$4
app_id=org.velkora.Velkora

scratch=$(mktemp -d "${TMPDIR:-/tmp}/velkora-install-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
need() {
    command -v "$1" >/dev/null || {
        echo "SKIP: $1 is not installed"
        exit 77
    }
}
# A user's session: started in the home folder, knowing nothing of the build.
as_user() {
    (cd "$scratch/home" && env -u VELKORA_SOURCE_DIR -u VELKORA_RESOURCES HOME="$scratch/home" "$@")
}
install_into() {
    cmake --install "$build" --prefix "$1" --strip >/dev/null
}
expect_no_build_paths() {
    local found
    # With the slash: a short checkout path like /velkora must not match velkora.org.
    found=$(grep -rlF -e "$source/" -e "$build/" "$1" || true)
    [ -z "$found" ] || fail "installed files name the source or build folder: $found"
}
# A new demo workspace made by the velkora-cli in `bin`, checked record by record.
expect_workspace_from() {
    local bin=$1 workspace=$2
    as_user "$bin/velkora-cli" init --demo "$workspace" || fail "$bin/velkora-cli init --demo"
    for file in ORB.INI ORB.HLP ORBEN.HLP TMPL DATA/QXADRESS.TPS; do
        [ -e "$workspace/$file" ] || fail "$workspace/$file is missing"
    done
    if [ -e "$bin/velkora-dial" ]; then
        cmp -s "$bin/velkora-dial" "$workspace/velkora-dial" || fail "the workspace lacks the dialler of $bin"
    fi
    as_user "$bin/velkora-cli" -w "$workspace" check >"$scratch/check.out" || fail "velkora-cli check"
    grep -q "^QXADRESS" "$scratch/check.out" || fail "check lists no address file"
}

relocated_install() {
    # Installed in one place and moved to another: no installed path is remembered either.
    install_into "$scratch/first"
    mv "$scratch/first" "$scratch/moved"
    local prefix=$scratch/moved
    expect_no_build_paths "$prefix"
    expect_workspace_from "$prefix/bin" "$scratch/home/Velkora-Demo"
    if [ -e "$build/man/velkora-cli.1" ]; then
        grep -q "^\.SS init" "$prefix/share/man/man1/velkora-cli.1" || fail "the man page lacks the init command"
    fi
    # A program without its shared files says so, instead of reaching into the source tree.
    mkdir -p "$scratch/lonely/bin"
    cp "$prefix/bin/velkora-cli" "$scratch/lonely/bin/"
    if as_user "$scratch/lonely/bin/velkora-cli" init "$scratch/home/none" 2>"$scratch/lonely.err"; then
        fail "a program without its shared files made a workspace"
    fi
    grep -q "template is missing" "$scratch/lonely.err" || fail "no word of the missing template: $(cat "$scratch/lonely.err")"
    # The build folder is laid out as installed: a build runs as it is.
    expect_workspace_from "$build/bin" "$scratch/home/from-build"
}

desktop_entry() {
    need desktop-file-validate
    need appstreamcli
    local prefix=$scratch/prefix
    install_into "$prefix"
    local desktop=$prefix/share/applications/$app_id.desktop metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    for key in "Name=" "Name\[de\]=" "Comment=" "Comment\[de\]=" "Categories=Office;ContactManagement;" "Icon=velkora"; do
        grep -q "^$key" "$desktop" || fail "the desktop entry lacks $key"
    done
    local program
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$program" ] || fail "the menu starts $program, which is not installed"
    for size in 16x16 32x32 48x48 256x256 scalable; do
        ls "$prefix/share/icons/hicolor/$size/apps/velkora."* >/dev/null 2>&1 || fail "no $size application icon"
    done
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "metainfo names another desktop entry"
    grep -q '<p xml:lang="de">' "$metainfo" || fail "metainfo has no German description"
    local screenshot
    screenshot=$(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
    [ -n "$screenshot" ] && [ -s "$source/resources/desktop/$screenshot" ] ||
        fail "the screenshot '$screenshot' of the metainfo is not in resources/desktop"
}

debian_package() {
    need dpkg-deb
    "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" ||
        fail "cpack: $(cat "$scratch/cpack.log")"
    local deb
    deb=$(ls "$scratch"/package/velkora_*.deb)
    dpkg-deb --contents "$deb" | awk '{print $NF}' >"$scratch/contents"
    local expected=(
        ./usr/bin/velkora ./usr/bin/velkora-cli ./usr/bin/velkora-dial
        ./usr/share/velkora/demo/ORB.INI ./usr/share/velkora/demo/ORB.HLP ./usr/share/velkora/demo/ORBEN.HLP
        ./usr/share/velkora/icons/velkora.png
        ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml
        ./usr/share/icons/hicolor/48x48/apps/velkora.png ./usr/share/icons/hicolor/scalable/apps/velkora.svg
    )
    [ -e "$build/man/velkora-cli.1" ] && expected+=(./usr/share/man/man1/velkora-cli.1)
    for file in "${expected[@]}"; do
        grep -qxF "$file" "$scratch/contents" || fail "the package lacks $file"
    done
    local depends recommends
    depends=$(dpkg-deb --field "$deb" Depends)
    recommends=$(dpkg-deb --field "$deb" Recommends)
    for package in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libsqlite3-0 libpq5 xdg-utils; do
        [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package: $depends"
    done
    [[ $depends != *libreoffice* ]] || fail "LibreOffice is required, not recommended: $depends"
    [[ $recommends == *libreoffice-writer* ]] || fail "LibreOffice Writer is not recommended: $recommends"

    dpkg -x "$deb" "$scratch/root"
    expect_no_build_paths "$scratch/root"
    as_user "$scratch/root/usr/bin/velkora-cli" --help >"$scratch/help.out" || fail "velkora-cli --help from the package"
    grep -q "init" "$scratch/help.out" || fail "velkora-cli --help lists no commands"
    expect_workspace_from "$scratch/root/usr/bin" "$scratch/home/from-package"
}

case $check in
relocated-install) relocated_install ;;
desktop-entry) desktop_entry ;;
debian-package) debian_package ;;
*) fail "unknown check $check" ;;
esac
