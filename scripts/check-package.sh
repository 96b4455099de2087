#!/usr/bin/env bash
# Checks the Debian package: its control data, that it holds the programs, the print module and the
# desktop files, that its metainfo names its version, and that varnello-cli runs from the unpacked
# tree.
#   check-package.sh --cpack BUILD_DIR   builds the package from BUILD_DIR first (into its own folder)
#   check-package.sh [--install] DEB     checks DEB; --install also installs it with apt-get
set -euo pipefail

install=0
deb=""
while [ $# -gt 0 ]; do
  case "$1" in
    --cpack)
      out="$2/package-check"
      rm -rf "$out"
      cpack -G DEB -B "$out" --config "$2/CPackConfig.cmake" >"$out.log" 2>&1 || { cat "$out.log"; exit 1; }
      deb=$(echo "$out"/varnello_*.deb)
      shift 2 ;;
    --install) install=1; shift ;;
    *) deb="$1"; shift ;;
  esac
done
[ -f "$deb" ] || { echo "no package: $deb" >&2; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }

info=$(dpkg-deb --info "$deb")
echo "$info"
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "varnello_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6printsupport6 libstdc++6 libxlsxwriter libpangocairo fonts-arphic-uming \
           qt6-translations-l10n; do
  [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done

listing=$(dpkg-deb -c "$deb")
for path in ./usr/bin/varnello ./usr/bin/varnello-cli ./usr/lib/varnello/libvarnello-print.so \
            ./usr/lib/varnello/libvarnello-voucher-pdf.so \
            ./usr/share/applications/org.varnello.Varnello.desktop \
            ./usr/share/icons/hicolor/scalable/apps/org.varnello.Varnello.svg \
            ./usr/share/metainfo/org.varnello.Varnello.metainfo.xml \
            ./usr/share/man/man1/varnello-cli.1.gz; do
  grep -q " $path\$" <<<"$listing" || fail "package lacks $path"
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
# The newest release of the AppStream data is the package's version.
newest=$(grep -o -m1 '<release version="[^"]*"' "$tree/usr/share/metainfo/org.varnello.Varnello.metainfo.xml")
[ "$newest" = "<release version=\"$version\"" ] || fail "metainfo's newest release is $newest, the package is $version"

# The menu entry, its icon and the AppStream data agree with one another.
appstreamcli validate-tree --no-net "$tree"

cli="$tree/usr/bin/varnello-cli"
[ "$("$cli" --version)" = "varnello-cli $version" ] || fail "--version prints $("$cli" --version)"
out=$("$cli" press 少记折旧 Text1=1000 Text2=0.25 Text3=0.1 Text4=0.05)
echo "$out"
grep -qx "调整未分配利润 637.5 " <<<"$out" || fail "the 少记折旧 example printed other lines"
for binary in usr/bin/varnello usr/lib/varnello/libvarnello-print.so usr/lib/varnello/libvarnello-voucher-pdf.so; do
  if ldd "$tree/$binary" | grep -q "not found"; then fail "$binary lacks libraries"; fi
done
# The command line finds its PDF module where the package puts it.
"$cli" press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50 --format voucher-pdf --output "$tree/v.pdf"
[ "$(head -c 5 "$tree/v.pdf")" = "%PDF-" ] || fail "varnello-cli wrote no voucher PDF"
# The program finds its print module where the package puts it.
strings "$tree/usr/bin/varnello" | grep -x "../lib/varnello" >/dev/null || fail "varnello does not look for its print module in ../lib/varnello"

if [ "$install" = 1 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install --reinstall -y -qq --no-install-recommends "$(realpath "$deb")"
  [ "$(varnello-cli --version)" = "varnello-cli $version" ] || fail "installed varnello-cli --version"
  desktop-file-validate /usr/share/applications/org.varnello.Varnello.desktop
  dpkg -L varnello
fi
echo "package checked: $(basename "$deb")"
