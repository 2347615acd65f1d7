# The Windows part of scripts/release.sh, which sources this file and calls release_windows
# with $src, $work, $name and $version set. It builds the program for 64-bit Windows against
# the Qt that scripts/windows-qt.sh builds, runs its suites under Wine, and makes the
# portable zip and the installer in $work/out, each checked: every shipped .exe and .dll is
# hardened and has no debug information, nothing they import is missing, the installer
# installs silently where it should, the installed program works as a person uses it, and
# the uninstaller leaves nothing behind. Beside them go the licences and notices of every
# part of each file, and an archive of the sources that those licences ask for.

windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-dejavu-core fonts-noto-core nsis zip librsvg2-bin
    icoutils xvfb xauth xdotool x11-utils imagemagick python3)
readonly uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.vorrintal.vorrintal'

# A new Wine prefix in the folder given, used by every Wine command after it. Wine, like
# Windows, has Tahoma for its dialogs, but copies it only into prefixes that ask for it.
new_wine_prefix() {
    export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all
    # No .NET or HTML engine to install, and no menu entries of the host's desktop to write.
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    rm -rf "$WINEPREFIX"
    wineboot --init >"$WINEPREFIX.log" 2>&1 && wineserver --wait ||
        { cat "$WINEPREFIX.log" >&2; echo "release: could not make a Wine prefix" >&2; return 1; }
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Sets Wine's interface fonts as Windows 10 and 11 set them: Segoe UI at 9 pt (-12 px at
# 96 dpi) for messages, menus, the status bar and captions, or at the size given in points.
# Segoe UI is not in Debian; Noto Sans, the font whose metrics come closest to it, stands
# in for it and for Wine's Tahoma.
use_windows_metrics() {
    local points=${1:-9} face height logfont setting
    # A LOGFONTW: the height, width, escapement, orientation and weight (400) as 32-bit
    # little-endian integers; italic, underline, strike-out, character set (1, the default),
    # and four precision and pitch bytes; the face in 32 UTF-16LE code units.
    face=$(printf 'Segoe UI' | iconv -t UTF-16LE | od -An -v -tx1 | tr -d ' \n')
    height=$(printf '%08x' $((2 ** 32 - points * 96 / 72)) | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/')
    logfont=${height}000000000000000000000000900100000000000100000000$face
    while [ ${#logfont} -lt 184 ]; do logfont+=0; done
    for setting in MessageFont MenuFont StatusFont CaptionFont SmCaptionFont; do
        wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "$setting" /t REG_BINARY \
            /d "$logfont" /f >/dev/null || return 1
    done
    for setting in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI'; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$setting" /t REG_SZ \
            /d 'Noto Sans' /f >/dev/null || return 1
    done
    wineserver --wait
}

# The Unix path of a folder that Windows names by a variable, such as LOCALAPPDATA.
windows_folder() {
    winepath --unix "$(wine cmd /c echo "%$1%" | tr -d '\r')"
}

# What the PE header says an image asks of Windows, as its DllCharacteristics: the value,
# then the name of each flag.
pe_characteristics() {
    x86_64-w64-mingw32-objdump -p "$1" |
        sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/{/^SizeOfStackReserve/d;s/^DllCharacteristics//;p}' |
        tr -s ' \t\n' ' ' | sed 's/^ //; s/ $//'
}

# Prints the image's flags, and fails unless it has those that Windows' exploit mitigations
# need: address space layout randomization, over 64-bit addresses, and no execution of data.
check_pe_hardened() {
    local flags flag
    flags=$(pe_characteristics "$1")
    printf '  %-34s %s\n' "$2" "$flags"
    for flag in DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; do
        [[ " $flags " == *" $flag "* ]] || { echo "release: $2 lacks $flag" >&2; return 1; }
    done
}

# Every .exe and .dll in the folder: hardened, without debug information, and nothing they
# import missing. Every DLL at the top is imported by one of them; the plugins Qt loads by
# name.
check_windows_files() {
    local stage=$1 pe header imports=() dll lower
    local system32=$WINEPREFIX/drive_c/windows/system32
    echo "DllCharacteristics:"
    while IFS= read -r pe; do
        check_pe_hardened "$stage/$pe" "$pe"
        header=$(x86_64-w64-mingw32-objdump -p "$stage/$pe")
        ! x86_64-w64-mingw32-objdump -h "$stage/$pe" | grep -q ' \.debug' ||
            { echo "release: $pe carries debug information" >&2; return 1; }
        for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$header"); do
            lower=${dll,,}
            imports+=("$lower")
            # API sets (api-ms-win-*) are names that Windows' loader maps to its own DLLs.
            [ -n "$(find "$stage" -maxdepth 1 -iname "$dll")" ] || [ -e "$system32/$lower" ] ||
                [[ $lower == api-ms-win-* ]] ||
                { echo "release: $pe imports $dll, which is neither shipped nor part of Windows" >&2; return 1; }
        done
    done < <(cd "$stage" && find . \( -name '*.exe' -o -name '*.dll' \) -printf '%P\n' | sort)
    for dll in "$stage"/*.dll; do
        lower=$(basename "${dll,,}")
        [[ " ${imports[*]} " == *" $lower "* ]] ||
            { echo "release: $(basename "$dll") is shipped, but nothing imports it" >&2; return 1; }
    done
}

# The program's icon and version information, as Explorer reads them.
check_windows_program() {
    local exe=$1 dir=$2 header version_info
    header=$(x86_64-w64-mingw32-objdump -p "$exe")
    grep -q '^Subsystem.*(Windows GUI)' <<<"$header" ||
        { echo "release: $exe is not a GUI program" >&2; return 1; }
    wrestool --extract --type=14 --name=IDI_ICON1 "$exe" >"$dir/program.ico" &&
        icotool --list "$dir/program.ico" | grep -q -- '--width=16 ' &&
        icotool --list "$dir/program.ico" | grep -q -- '--width=256 ' ||
        { echo "release: $exe has no icon from 16 to 256 pixels" >&2; return 1; }
    # UTF-16 made ASCII, and read byte by byte: "©" is left as one byte that is not UTF-8.
    version_info=$(wrestool --extract --raw --type=16 "$exe" | tr -d '\0')
    local LC_ALL=C
    for field in "ProductName.*Vorrintal" "ProductVersion.*$version" "FileDescription.*[a-z]" \
        "LegalCopyright.*[0-9]{4}"; do
        grep -Eaq "$field" <<<"$version_info" ||
            { echo "release: the version information of $exe lacks $field" >&2; return 1; }
    done
}

# The version that a PE file's version information gives, as Explorer shows it.
pe_file_version() {
    wrestool --extract --raw --type=16 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -s '\0' '\n' |
        sed -n '/FileVersion$/{n;p;q}'
}

# The notices cover every .exe and .dll of the folder, the uninstaller and the installer
# given, and each licence file they name is there.
check_notices() {
    local stage=$1 setup=$2 notices listed file
    notices=$(tr -d '\r' <"$stage/THIRD-PARTY-NOTICES.txt")
    listed=$(sed -n '/^Files$/,/^Parts$/s/^\([^ ].*\):$/\1/p' <<<"$notices" | sed 's/ (.*)$//')
    while IFS= read -r file; do
        grep -qxF "$file" <<<"$listed" ||
            { echo "release: THIRD-PARTY-NOTICES.txt does not cover $file" >&2; return 1; }
    done < <(cd "$stage" && find . \( -name '*.exe' -o -name '*.dll' \) -printf '%P\n' &&
        echo uninstall.exe && echo "$setup")
    while IFS= read -r file; do
        [ -s "$stage/$file" ] ||
            { echo "release: THIRD-PARTY-NOTICES.txt names $file, which is not there" >&2; return 1; }
    done < <(sed -n 's/^Licence: .*, text in \(.*\)$/\1/p' <<<"$notices" | sort -u)
    echo "THIRD-PARTY-NOTICES.txt: $(grep -c '^\[[0-9]*\] ' <<<"$notices") parts in" \
        "$(wc -l <<<"$listed") files, $(stat -c %s "$stage/THIRD-PARTY-NOTICES.txt") bytes"
}

# The archive of the sources that the licences of the shipped parts ask for: Debian's source
# package of the Qt that the DLLs were built from, given as its folder, and how Qt was built.
# (MinGW-w64's and NSIS's licences ask for notices alone, and GCC's run time is linked in
# under its exception.) It must hold the Qt version that Qt6Core.dll reports.
make_sources_archive() {
    local qt=$1 qt_package=$2 stage=$3 archive=$4 base top qt_version upstream dll_version
    base=$(basename "$archive" .tar)
    top=$work/windows/sources/$base
    rm -rf "$top"
    mkdir -p "$top"
    qt_version=$(sed -n '1s/^qt6-base //p' "$qt/recipe")
    upstream=${qt_version#*:}
    upstream=${upstream%%[+~-]*}
    cp -a "$qt_package" "$top/qt6-base"
    dll_version=$(pe_file_version "$stage/Qt6Core.dll")
    [ "${dll_version%.0}" = "$upstream" ] ||
        { echo "release: Qt6Core.dll is Qt $dll_version, but the source is qt6-base $qt_version" >&2; return 1; }
    sed 's/^/    /' "$qt/recipe" >"$work/windows/qt-recipe"
    sed -e "s/@NAME@/$name-$version/g" -e "s/@QT@/$upstream/g" -e "s/@QT_PACKAGE@/$qt_version/g" \
        -e "/@RECIPE@/{r $work/windows/qt-recipe" -e 'd}' \
        "$src/data/windows-sources.txt.in" >"$top/README.txt"
    tar -c -C "$(dirname "$top")" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
        --mode='u+rw,go-w,a+rX' --mtime="@$SOURCE_DATE_EPOCH" "$base" >"$archive"
    echo "$(basename "$archive"), $(stat -c %s "$archive") bytes, with Qt $upstream's source:"
    tar -tvf "$archive" | awk '{ printf "  %s: %d bytes\n", $6, $3 }' | grep -v '/: 0 bytes$'
}

# The NSIS includes that list what the installer installs and what its uninstaller deletes.
write_installer_lists() {
    local stage=$1 files=$2 unfiles=$3 folder path
    : >"$files"
    while IFS= read -r folder; do
        echo "SetOutPath \"\$INSTDIR${folder:+\\${folder//\//\\}}\""
        find "$stage/$folder" -mindepth 1 -maxdepth 1 -type f -printf '%P\n' | sort |
            while IFS= read -r path; do echo "File \"$stage/${folder:+$folder/}$path\""; done
    done < <(cd "$stage" && { echo; find . -mindepth 1 -type d -printf '%P\n'; } | sort) >"$files"
    {
        (cd "$stage" && find . -type f -printf '%P\n' | sort) |
            while IFS= read -r path; do echo "!insertmacro REMOVE_FILE \"\$INSTDIR\\${path//\//\\}\""; done
        (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) |
            while IFS= read -r path; do echo "!insertmacro REMOVE_FOLDER \"\$INSTDIR\\${path//\//\\}\""; done
    } >"$unfiles"
}

# Uses the program installed in the folder given first on a virtual X server, from the title
# dialog to "Quit", as tests/e2e-x11.sh does on Linux, with a screenshot of every step in the
# folder given last.
use_installed() {
    local installed=$1 fonts=$2 shots=$3
    echo "using the installed program under Wine with $fonts; screenshots in $shots"
    # Wine's own processes end before the X server does.
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '"$@" && wineserver --wait' - \
        "$src/tests/e2e-x11.sh" - "$shots" wine "$installed/vorrintal.exe" ||
        { echo "release: the installed program failed in use with $fonts" >&2; return 1; }
}

# The installed program's whole frame on a 1024x768 screen with Windows 10 and 11's fonts at
# 24 and 28 pt, the title bar drawn as Windows draws it: Wine draws a window's frame itself
# where told not to leave it to a window manager. Windows keeps the resize border of 4 px
# (Wine's, at 96 dpi) invisible, and Qt places the window by what is visible, so that
# border may pass the screen's edges.
check_frame() {
    local installed=$1 points status=0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null || return 1
    for points in 24 28; do
        use_windows_metrics "$points" || return 1
        echo "the installed program's frame at $points pt on a small screen"
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '"$@"; status=$?; wineserver -k; exit $status' - \
            "$src/tests/frame-on-screen.sh" 4 wine "$installed/vorrintal.exe" || status=1
    done
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Decorated /f >/dev/null && use_windows_metrics ||
        status=1
    [ $status -eq 0 ] || echo "release: the installed program's frame is not whole on the screen" >&2
    return $status
}

# What the installer installs: the staged files, the uninstaller, the Start-menu shortcut
# and one entry among the installed apps, for the version given.
check_installed() {
    local stage=$1 version=$2 installed programs
    installed=$(windows_folder LOCALAPPDATA)/Programs/Vorrintal
    programs=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs
    [ -f "$installed/uninstall.exe" ] ||
        { echo "release: nothing was installed in $installed" >&2; return 1; }
    check_pe_hardened "$installed/uninstall.exe" "uninstall.exe, as installed"
    diff -r --exclude=uninstall.exe "$stage" "$installed" >&2 ||
        { echo "release: $installed is not what the installer holds" >&2; return 1; }
    tr -d '\0' <"$programs/Vorrintal.lnk" | grep -aq 'Programs\\Vorrintal\\vorrintal.exe' ||
        { echo "release: no Start-menu shortcut to the program in $programs" >&2; return 1; }
    local entry entries
    entry=$(wine reg query "$uninstall_key" | tr -d '\r') ||
        { echo "release: the program is not among the installed apps" >&2; return 1; }
    for value in "DisplayName +REG_SZ +Vorrintal$" "DisplayVersion +REG_SZ +$version$" \
        "Publisher +REG_SZ +[^ ]" "DisplayIcon +REG_SZ +.*vorrintal\.exe,0$" \
        "UninstallString +REG_SZ +\".*uninstall\.exe\"$" "EstimatedSize +REG_DWORD +0x[0-9a-f]+$"; do
        grep -Eq "^ +$value" <<<"$entry" ||
            { echo "$entry" >&2; echo "release: the installed app's entry lacks $value" >&2; return 1; }
    done
    # Wine has written its registry out once the server has ended.
    wineserver --wait
    entries=$(grep -c '^"DisplayName"="Vorrintal"$' "$WINEPREFIX/user.reg" || true)
    [ "$entries" -eq 1 ] ||
        { echo "release: $entries entries for Vorrintal among the installed apps" >&2; return 1; }
    echo "installed: $version:" $(cd "$installed" && find . -type f -printf '%P\n' | sort)
}

# The files in the install folder with their SHA-256, and the installed app's entry.
installed_state() {
    (cd "$1" && find . -type f -exec sha256sum {} + | sort)
    wine reg query "$uninstall_key" | tr -d '\r'
}

# Runs the installer given while the installed program runs, on a virtual X server: it must
# fail and change nothing.
check_refused_while_running() {
    local setup=$1 installed=$2 before status=0
    before=$(installed_state "$installed")
    # The program is closed however the installer ends; no step waits without a bound.
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
        wine "$1" & program=$!
        trap "kill $program; wineserver --wait" EXIT
        # Polled: a search fails outright when a window goes while it looks.
        shown=false
        for _ in $(seq 120); do
            if xdotool search --onlyvisible --pid "$program" >/dev/null 2>&1; then
                shown=true
                break
            fi
            kill -0 "$program" 2>/dev/null || break
            sleep 0.5
        done
        $shown || exit 99
        timeout 120 wine "$2" /S' - "$installed/vorrintal.exe" "$setup" || status=$?
    case $status in
    0) echo "release: the installer installed while the program ran" >&2; return 1 ;;
    99) echo "release: the installed program showed no window" >&2; return 1 ;;
    124) echo "release: the installer did not end while the program ran" >&2; return 1 ;;
    esac
    [ "$(installed_state "$installed")" = "$before" ] ||
        { echo "release: the installer changed $installed while the program ran" >&2; return 1; }
    echo "while the program ran, the installer failed with status $status and changed nothing"
}

# In a new prefix: installs a test build of an earlier version, one file larger; checks that
# the installer refuses while that version runs; upgrades it, and repairs the upgrade; uses
# the installed program on a virtual X server; uninstalls, and checks that nothing is left.
test_installer() {
    local setup=$1 stage=$2 dir=$3 test_setup=$4 test_stage=$5 test_version=$6
    new_wine_prefix "$dir/wine-installer"
    local before=$dir/files-before files_now=$dir/files-after
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$before"
    local installed
    installed=$(windows_folder LOCALAPPDATA)/Programs/Vorrintal

    wine "$test_setup" /S && wineserver --wait ||
        { echo "release: the silent install of $test_version failed" >&2; return 1; }
    check_installed "$test_stage" "$test_version"
    check_refused_while_running "$setup" "$installed"
    wine "$setup" /S && wineserver --wait ||
        { echo "release: the silent upgrade from $test_version failed" >&2; return 1; }
    check_installed "$stage" "$version"
    rm "$installed/Qt6Gui.dll"
    wine "$setup" /S && wineserver --wait ||
        { echo "release: installing $version over itself failed" >&2; return 1; }
    check_installed "$stage" "$version"
    if $authenticode; then
        "$src/scripts/authenticode.sh" --verify "$installed/uninstall.exe" "$installed/vorrintal.exe"
    fi

    # Started as Windows starts it, with nothing on its PATH: it runs from what was installed.
    use_installed "$installed" "Wine's fonts" "$dir/e2e-shots" || return 1
    use_windows_metrics ||
        { echo "release: could not set Wine's interface fonts" >&2; return 1; }
    use_installed "$installed" "Windows 10 and 11's fonts" "$dir/e2e-shots-windows-fonts" ||
        return 1
    check_frame "$installed" || return 1

    wine "$installed/uninstall.exe" /S && wineserver --wait ||
        { echo "release: the silent uninstall failed" >&2; return 1; }
    ! wine reg query "$uninstall_key" >/dev/null 2>&1 ||
        { echo "release: the uninstaller left $uninstall_key" >&2; return 1; }
    # Everything goes at once, without a restart, but for the copy of itself that the
    # uninstaller ran as. That copy is NSIS's, in %TEMP%, which Windows clears: deleting it
    # at the next restart would need administrator rights.
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$files_now"
    diff "$before" <(grep -v '/Temp/~nsu[^/]*\.tmp' "$files_now") >&2 ||
        { echo "release: the uninstaller left files behind (> above)" >&2; return 1; }
    echo "installed, upgraded, repaired, used and uninstalled: nothing is left outside %TEMP%"
}

# Writes the installer for the staged folder given first, as the file given second, with
# any further makensis arguments.
make_installer() {
    local stage=$1 setup=$2 dir=$work/windows lists size_kb
    shift 2
    lists=$dir/$(basename "$setup" .exe)
    write_installer_lists "$stage" "$lists-files.nsh" "$lists-unfiles.nsh"
    size_kb=$(find "$stage" -type f -printf '%s\n' | awk '{ s += $1 } END { print int((s + 1023) / 1024) }')
    makensis -V2 -DSTAGE="$stage" -DFILES="$lists-files.nsh" -DUNFILES="$lists-unfiles.nsh" \
        -DSIZE_KB="$size_kb" -DOUTFILE="$setup" "$@" "$dir/vorrintal.nsi" >"$lists-makensis.log" 2>&1 ||
        { cat "$lists-makensis.log" >&2; echo "release: makensis failed for $setup" >&2; return 1; }
    # makensis signs the uninstaller under a name of its own.
    sed -n 's/^makensis[^:]*: the signature verifies/uninstall.exe: the signature verifies/p' \
        "$lists-makensis.log"
    check_pe_hardened "$setup" "$(basename "$setup")"
}

release_windows() {
    local dir=$work/windows
    echo "== windows"
    local qt
    qt=$("$src/scripts/windows-qt.sh")
    echo "Qt for Windows: $qt"
    new_wine_prefix "$work/wine-tests"

    # The compiler's hardening, as Debian's flags give it on Linux; Windows itself probes
    # every stack page, and the linker marks every image for ASLR and DEP. No PE time
    # stamp, and no path of this machine, so that the bytes depend on the source alone.
    local cxxflags="-O2 -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security -ffile-prefix-map=$work=."
    local ldflags="-Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va -Wl,--no-insert-timestamp"
    build_and_test windows "$dir" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/windows-cross.cmake" \
        -DVORRINTAL_WINDOWS_QT="$qt" -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"

    # What both the zip and the installer hold, stripped (binutils stamps the release date
    # into what it rewrites), every file dated the release.
    local base=$name-$version-windows-x86_64
    local stage=$dir/stage/$base
    cmake --install "$dir" --prefix "$stage" >"$dir/install.log" ||
        { cat "$dir/install.log" >&2; return 1; }
    find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    # The notices come from the Qt source that the DLLs were built from.
    local qt_package qt_source=$dir/qt-source
    qt_package=$("$src/scripts/debian-source.sh" qt6-base "$(sed -n '1s/^qt6-base //p' "$qt/recipe")")
    rm -rf "$qt_source"
    dpkg-source --no-copy -x "$qt_package"/*.dsc "$qt_source" >"$dir/qt-source.log" 2>&1 ||
        { cat "$dir/qt-source.log" >&2; return 1; }
    python3 "$src/scripts/windows-notices.py" --qt-source "$qt_source" --stage "$stage" \
        --title "Vorrintal $version" --setup "$base-setup.exe" --sources "$base-sources.tar"
    find "$stage" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
    check_windows_files "$stage"
    check_windows_program "$stage/vorrintal.exe" "$dir"
    check_notices "$stage" "$base-setup.exe"
    make_sources_archive "$qt" "$qt_package" "$stage" "$work/out/$base-sources.tar"
    local sign=()
    if $authenticode; then
        "$src/scripts/authenticode.sh" "$stage/vorrintal.exe"
        touch --date="@$SOURCE_DATE_EPOCH" "$stage/vorrintal.exe"
        sign=(-DSIGN="$src/scripts/authenticode.sh")
    fi

    local zip=$work/out/$base.zip
    (cd "$dir/stage" && find "$base" | sort | zip --quiet -X -9 --names-stdin "$zip")

    local setup=$work/out/$base-setup.exe
    make_installer "$stage" "$setup" "${sign[@]}"
    if $authenticode; then "$src/scripts/authenticode.sh" "$setup"; fi
    # A build of an earlier version for the upgrade test: one file more, never signed.
    local test_version=$version-test.1 test_stage=$dir/test-stage/$base
    mkdir -p "$test_stage/legacy"
    cp -a "$stage/." "$test_stage"
    echo "A file that only $test_version has." >"$test_stage/legacy/notes.txt"
    make_installer "$test_stage" "$dir/test-setup.exe" -DVERSION="$test_version"
    test_installer "$setup" "$stage" "$dir" "$dir/test-setup.exe" "$test_stage" "$test_version"
    wineserver --kill || true
    ls -l "$zip" "$setup" | awk '{ printf "%s: %d bytes\n", $NF, $5 }'
}
