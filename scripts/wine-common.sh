# Sourced by the scripts that run Wine: where scripts/install-wine32.sh puts the 32-bit
# Wine, the server, and how to tell a program's width.
wine32_home=/opt/tarvio-wine32
wine32_root=$wine32_home/root       # the unpacked i386 packages; qemu's QEMU_LD_PREFIX
wine32_qemu=$wine32_home/qemu-i386  # the emulator the kernel hands i386 programs to
wine32_binfmt=tarvio-qemu-i386      # its binfmt_misc entry
wine64=/usr/lib/wine/wine64
# Copies of both loaders side by side, so that each finds the other: a 64-bit Wine
# that runs 32-bit programs too (WoW64).
wine32_wow64_dir=$wine32_home/wow64
wine32_wow64=$wine32_wow64_dir/lib/wine/wine64
# The native server (Debian's wrapper: it ends as soon as its last process has) serves
# the emulated 32-bit processes as well as the 64-bit ones.
wineserver=/usr/lib/wine/wineserver
# Wine's own fonts, from Debian's fonts-wine; Debian's Wine does not look for them here.
wine_fonts=/usr/share/wine/fonts

# pe_machine FILE: the machine field of a PE header, 014c for i386, 8664 for x86-64.
pe_machine() {
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}

# end_wine_of PREFIX (as wine-run.sh resolves it): ends every Wine process of that
# prefix. Under qemu's emulation a process that a many-threaded Wine process forks now
# and then hangs for good inside the emulator, before it has met the server; the
# server does not know it, so `wineserver -k` would leave it behind.
end_wine_of() {
  local environ pid exe
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}; pid=${pid%/environ}
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
    case "$exe" in /usr/lib/wine/* | "$wine32_home"/*) ;; *) continue ;; esac
    if grep -qzxF "WINEPREFIX=$1" "$environ" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  done
}
