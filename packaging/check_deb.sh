#!/usr/bin/env bash
# Checks the Debian package build_deb.sh built: its control fields, its contents, that Depends
# names the package of every shared library the programs load, and that the package, its
# changelog, its metainfo and torvale-calc --version all name the project's version.
# Usage: check_deb.sh DEB_DIR VERSION
set -euo pipefail
out=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single .deb in $out: ${debs[*]}"
deb=${debs[0]}
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = torvale ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's $version"
[ "$(field Section)" = science ] || fail "Section is $(field Section)"
[ "$(field Maintainer)" = "The Torvale developers <torvale@example.org>" ] ||
  fail "Maintainer is $(field Maintainer)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
  fail "Architecture is $(field Architecture)"

# Depends as one relation per line, versions and blanks dropped: "libc6", "fonts-a|fonts-b".
relations=$(field Depends | tr ',' '\n' | sed -e 's/([^)]*)//g' -e 's/[[:space:]]//g')
depends_on() { grep -qx -- "$1" <<<"$relations"; }
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
  'fonts-wqy-microhei|fonts-noto-cjk'; do
  depends_on "$p" || fail "Depends lacks $p: $(field Depends)"
done
dups=$(grep -v '|' <<<"$relations" | sort | uniq -d)
[ -z "$dups" ] || fail "Depends names twice: $dups"

listing=$(dpkg-deb -c "$deb")
id=org.torvale.Torvale
for path in ./usr/bin/torvale ./usr/bin/torvale-calc ./usr/share/applications/$id.desktop \
  ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
  ./usr/share/icons/hicolor/256x256/apps/$id.png ./usr/share/man/man1/torvale-calc.1.gz \
  ./usr/share/man/man1/torvale.1.gz ./usr/share/doc/torvale/copyright \
  ./usr/share/doc/torvale/changelog.gz ./usr/share/doc/torvale/使用说明.md; do
  grep -q " $path\$" <<<"$listing" || fail "the package lacks $path"
done
owners=$(awk '{ print $2 }' <<<"$listing" | sort -u)
[ "$owners" = root/root ] || fail "files not owned by root: $owners"
for program in torvale torvale-calc; do
  grep -Eq "^-rwxr-xr-x .* ./usr/bin/$program\$" <<<"$listing" || fail "$program is not 0755"
done

dpkg-deb -x "$deb" "$work/root"
root=$work/root
said=$("$root/usr/bin/torvale-calc" --version)
[ "$said" = "torvale-calc $version" ] || fail "the packaged torvale-calc --version says $said"
newest=$(zcat "$root/usr/share/doc/torvale/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, not $version"
release=$(grep -o -m1 '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml")
[ "$release" = "<release version=\"$version\"" ] || fail "the metainfo's newest release: $release"
for page in torvale torvale-calc; do
  zgrep -q "^\.TH .* \"Torvale $version\"" "$root/usr/share/man/man1/$page.1.gz" ||
    fail "the manual page of $page does not name version $version"
done

# Every library a packaged program needs must come from a package that Depends names.
for program in "$work"/root/usr/bin/*; do
  for soname in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    owners=$(dpkg -S "*/$soname" 2>/dev/null | sed "s/: \/.*//" | tr , "\n" | sed "s/:.*//; s/ //g" | sort -u)
    [ -n "$owners" ] || fail "no installed package holds $soname, which ${program##*/} needs"
    found=no
    for o in $owners; do
      if grep -Eq "(^|\|)${o//+/\\+}(\||\$)" <<<"$relations"; then found=yes; fi
    done
    [ $found = yes ] || fail "${program##*/} needs $soname from $owners, not in Depends"
  done
done
echo "package $(basename "$deb") in order"
