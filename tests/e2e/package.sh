#!/usr/bin/env bash
# The Debian package as a school's technician installs it: dpkg -i into a fresh root made only
# of the packages it depends on (as this machine has them), so a dependency the package does
# not declare shows as a program that cannot start. The installed files pass the desktop's
# validators, the manual page says where the files live, and the menu entry's command starts
# the program from PATH.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

deb=$(bash "$SOURCE_DIR/scripts/package.sh" "$(dirname "$LORVANE")" "$WORK/deb" 2>"$WORK/cpack.log") || deb=
[ -f "$deb" ] || { cat "$WORK/cpack.log"; fail "the package is built"; finish; }

# The root: the files of the package's dependencies, recursively, and of dpkg, with a package
# database that knows only those packages.
root=$WORK/root
mkdir -p "$root"/{proc,dev,tmp,home/student,usr/bin,usr/sbin,usr/lib,usr/lib64,var/lib/dpkg/{updates,info}}
apt-cache depends --recurse --installed --no-{recommends,suggests,conflicts,breaks,replaces,enhances} dpkg \
    $(dpkg-deb -f "$deb" Depends | sed 's/([^)]*)//g; s/|[^,]*//g; s/,/ /g') | grep -v '^ ' | sort -u \
    | xargs dpkg-query -s >"$root/var/lib/dpkg/status" 2>/dev/null || true
packages=$(sed -n 's/^Package: //p' "$root/var/lib/dpkg/status")
for p in $packages; do cp /var/lib/dpkg/info/"$p"{,:*}.list "$root/var/lib/dpkg/info/" 2>/dev/null || true; done
dpkg -L $packages | sort -u | sed 's|^/||' | tar -C / --no-recursion -cf - -T - | tar -C "$root" --keep-directory-symlink -xf -
check "dpkg installs the package into the fresh root" dpkg --root="$root" -i "$deb"
touch "$WORK/installed"

share=$root/usr/share
desktop=$share/applications/org.example.lorvane.desktop
check "the menu entry is valid" desktop-file-validate "$desktop"
check "the AppStream metadata are valid" appstreamcli validate --no-net "$share/metainfo/org.example.lorvane.metainfo.xml"
check "the menu entry's icon is in the theme" test -f "$share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png"
check "the manual page tells where the settings and the test file are" grep -qz \
    "~/.config/Lorvane/Lorvane.ini.*~/.local/share/Lorvane/LVT.lvq" <(MANWIDTH=200 man --manpath="$share/man" lorvane)
for page in lorvane lorvane-bank; do
    check "the Armenian manual page of $page is where man looks for the hy locale" grep -q \
        "ՆԿԱՐԱԳՐՈՒԹՅՈՒՆ" <(MANWIDTH=200 LANG=C.UTF-8 man -l "$share/man/hy/man1/$page.1.gz")
done

# In the root as a student: a home of their own, and of this machine only /proc and /dev. The
# program's process id stays the same through env, unshare, sh and chroot. Leaks are the other
# scripts' business: the system libraries' list of them is not in the root.
in_root=(env -i PATH=/usr/bin:/bin:/usr/sbin:/sbin HOME=/home/student DISPLAY="$DISPLAY"
    ASAN_OPTIONS=detect_leaks=0 unshare --mount --
    sh -c 'mount --rbind /proc "$0/proc" && mount --rbind /dev "$0/dev" && exec chroot "$0" "$@"' "$root")
"${in_root[@]}" $(sed -n 's/^Exec=//p' "$desktop") &
pid=$!
check "the installed program shows its main window" test -n "$(wait_main_window "$pid" 20)"
check "the first start writes the test file into the student's home" test -s "$root/home/student/.local/share/Lorvane/LVT.lvq"
kill -9 "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
check "nothing is written under the installation prefix" test -z "$(find "$root/usr" -newer "$WORK/installed")"
check "the installed lorvane-bank answers --help" grep -q "^Usage: lorvane-bank" <("${in_root[@]}" lorvane-bank --help || true)

finish
