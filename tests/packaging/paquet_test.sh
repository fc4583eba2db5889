#!/bin/sh
# Builds the Debian package with CPack into a temporary folder, then checks that it holds the
# programs, the drawing module, the desktop entry, the icon at every size, the MIME type and
# the manual pages; that the MIME type compiles; that the desktop entry validates; that its dependencies were found; and
# that the installed velk-run, run from the unpacked tree, draws (it finds its module there).
#   paquet_test.sh CPACK BUILD_DIR SOURCE_DIR
set -eu
CPACK=$1
BUILD=$2
SOURCE=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec=0
faute() {
    echo "ÉCHEC : $*"
    echec=1
}

if ! "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    exit 1
fi
deb=$(ls "$tmp"/velk_*.deb)
dpkg-deb -c "$deb" >"$tmp/contenu"
for f in usr/bin/velk usr/bin/velk-run usr/lib/velk/velk-run-images.so \
    usr/share/applications/velk.desktop \
    usr/share/icons/hicolor/scalable/apps/velk.svg \
    usr/share/icons/hicolor/48x48/apps/velk.png \
    usr/share/icons/hicolor/256x256/apps/velk.png \
    usr/share/mime/packages/velk.xml \
    usr/share/man/man1/velk.1.gz usr/share/man/man1/velk-run.1.gz; do
    grep -q " \./$f\$" "$tmp/contenu" || faute "$f absent du paquet"
done

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6 libsqlite3-0; do
    echo "$depends" | grep -q "$lib" || faute "dépendance $lib absente : $depends"
done

dpkg-deb -x "$deb" "$tmp/racine"
desktop-file-validate "$tmp/racine/usr/share/applications/velk.desktop" || faute "desktop-file-validate"
grep -q '^MimeType=text/x-velk;$' "$tmp/racine/usr/share/applications/velk.desktop" ||
    faute "le type MIME n'est pas dans l'entrée de bureau"
# The MIME database compiled from the package's file alone maps *.vlk to the type.
mkdir -p "$tmp/mime/packages"
cp "$tmp/racine/usr/share/mime/packages/velk.xml" "$tmp/mime/packages/"
update-mime-database "$tmp/mime" >/dev/null 2>&1 || faute "update-mime-database refuse velk.xml"
grep -q '^[0-9]*:text/x-velk:\*\.vlk$' "$tmp/mime/globs2" 2>/dev/null || faute "*.vlk n'est pas text/x-velk"

# Width and height of each PNG, from its header.
for taille in 48 256; do
    png="$tmp/racine/usr/share/icons/hicolor/${taille}x${taille}/apps/velk.png"
    dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    attendu="0 0 $((taille / 256)) $((taille % 256)) 0 0 $((taille / 256)) $((taille % 256))"
    [ "$dims" = "$attendu" ] || faute "icône de $taille px : en-tête $dims"
done

for page in velk velk-run; do
    gzip -dc "$tmp/racine/usr/share/man/man1/$page.1.gz" | head -1 | grep -q '^\.TH' ||
        faute "page de manuel $page illisible"
done

env -i PATH=/usr/bin:/bin "$tmp/racine/usr/bin/velk-run" --png "$tmp/dessin.png" \
    "$SOURCE/examples/demo.vlk" >"$tmp/run.log" 2>&1 || {
    cat "$tmp/run.log"
    faute "velk-run installé"
}
[ -s "$tmp/dessin.png" ] || faute "velk-run installé n'a pas dessiné"

exit $echec
