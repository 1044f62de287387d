#!/usr/bin/env bash
# Sets up the 32-bit Wine that runs the i686 build: Debian's i386 wine32 and libwine at
# the installed wine64's version, unpacked with their i386 dependencies into a root of
# their own, and qemu's i386 user-mode emulator, registered with binfmt_misc, since this
# kernel does not run 32-bit x86 programs itself.
#
# The i386 packages are never installed through dpkg: that would move the host's amd64
# libraries to the i386 packages' versions. A private apt state resolves and fetches
# them instead. Debian 12's own qemu 7.2 crashes threads of Wine's explorer.exe, so the
# emulator comes from bookworm-backports.
#
# Idempotent and quick when done; the binfmt registration does not survive a reboot,
# so it is checked on every call. Root only.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo bash "$0" "$@"
source "$(dirname "$0")/wine-common.sh"

register_binfmt() {
  local entry=/proc/sys/fs/binfmt_misc/$wine32_binfmt
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ -e "$entry" ]; then
    grep -qx enabled "$entry" && grep -qx "interpreter $wine32_qemu" "$entry" && return
    echo -1 >"$entry"
  fi
  # i386 ELF programs and shared objects (e_type 2 or 3); F opens the emulator now.
  printf ':%s:M::%s:%s:%s:F\n' "$wine32_binfmt" \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00' \
    '\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' \
    "$wine32_qemu" >/proc/sys/fs/binfmt_misc/register
}

wine_version=$(dpkg-query -W -f='${Version}' wine64)
stamp="$wine32_home/ready"
# Done before for this wine64, and by this very script.
ready="$wine_version $(sha256sum <"$0" | cut -c1-16)"
if [ "$(cat "$stamp" 2>/dev/null)" = "$ready" ]; then
  register_binfmt
  exit 0
fi

echo "setting up the 32-bit Wine $wine_version in $wine32_home"
# A registration from an earlier set-up holds the emulator file it opened.
[ ! -e "/proc/sys/fs/binfmt_misc/$wine32_binfmt" ] || echo -1 >"/proc/sys/fs/binfmt_misc/$wine32_binfmt"
rm -rf "$wine32_home"
apt_dir="$wine32_home/apt"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/cache/archives/partial" "$apt_dir/lists/partial"
: >"$apt_dir/status"
# The machine's own archives, and backports of the same release for the emulator.
cp /etc/apt/sources.list.d/*.sources "$apt_dir/sources.list.d/"
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
awk -v suite="$codename" -v RS= '$0 ~ "Suites:[^\n]* " suite "( |\n|$)" { print; exit }' \
  /etc/apt/sources.list.d/*.sources | sed "s/^Suites:.*/Suites: $codename-backports/" >"$apt_dir/sources.list.d/backports.sources"
grep -q "^Suites: $codename-backports" "$apt_dir/sources.list.d/backports.sources" ||
  { echo "install-wine32.sh: no $codename archive in /etc/apt/sources.list.d" >&2; exit 1; }
apt_private() {
  apt-get -q -o Dir::State="$apt_dir" -o Dir::State::status="$apt_dir/status" \
    -o Dir::Cache="$apt_dir/cache" -o Dir::Etc::SourceList=/dev/null \
    -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" -o Dir::Etc::Preferences=/dev/null \
    -o Dir::Etc::PreferencesParts=/dev/null -o APT::Architecture=i386 -o APT::Sandbox::User=root \
    -o APT::Architectures::=i386 -o APT::Architectures::=amd64 "$@"
}
apt_private update >/dev/null
apt_private install -y --download-only --no-install-recommends \
  "wine32:i386=$wine_version" "libwine:i386=$wine_version" >/dev/null
(cd "$apt_dir" && apt_private download "qemu-user:amd64/$codename-backports" >/dev/null)

mkdir -p "$wine32_root"
for deb in "$apt_dir"/cache/archives/*.deb; do dpkg -x "$deb" "$wine32_root"; done
dpkg-deb --fsys-tarfile "$apt_dir"/qemu-user_*.deb | tar -xO ./usr/bin/qemu-i386 >"$wine32_qemu"
chmod 755 "$wine32_qemu"

# libwine's post-install step, which dpkg -x does not run: MinGW's zlib1.dll becomes
# a Wine built-in DLL (marked at byte 64), or user32 does not load.
for dll in "$wine32_root"/usr/i686-w64-mingw32/lib/zlib*.dll; do
  out="$wine32_root/usr/lib/i386-linux-gnu/wine/i386-windows/$(basename "$dll")"
  { head -c 64 "$dll"; printf 'Wine builtin DLL\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'; tail -c +97 "$dll"; } >"$out"
done
# The root's own loader cache: the host's lists no i386 libraries (FreeType among them).
echo 'include /etc/ld.so.conf.d/*.conf' >"$wine32_root/etc/ld.so.conf"
ldconfig -r "$wine32_root"

# The WoW64 Wine: each loader looks for the other beside its own real path, and for
# its libraries and data relative to it.
mkdir -p "$wine32_wow64_dir/lib/wine" "$wine32_wow64_dir/share"
cp "$wine64" "$wine32_root/usr/lib/wine/wine" "$wine32_wow64_dir/lib/wine/"
ln -s /usr/lib/x86_64-linux-gnu "$wine32_root/usr/lib/i386-linux-gnu" "$wine32_wow64_dir/lib/"
ln -s /usr/share/wine "$wine32_wow64_dir/share/"

rm -rf "$apt_dir"
echo "$ready" >"$stamp"
register_binfmt
echo "32-bit Wine ready: $(du -sh "$wine32_home" | cut -f1)"
