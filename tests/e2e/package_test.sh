#!/usr/bin/env bash
# The Debian package made by `cpack -G DEB`: it depends on the PDF and OCR libraries the worker
# links and the English OCR data, on the Qt libraries the program links and on Qt's window-system
# plug-in and Qt's translations, and it holds the installed layout under /usr.
#
# usage: package_test.sh BUILD_FOLDER VERSION
set -euo pipefail

BUILD=$(realpath "$1")
VERSION="$2"
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-package-test.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB -B "$ROOT" --config "$BUILD/CPackConfig.cmake" >"$ROOT/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$ROOT/cpack.log")"
PACKAGE=$(find "$ROOT" -maxdepth 1 -name "corvander_${VERSION}_*.deb")
[ -n "$PACKAGE" ] || fail "no corvander_${VERSION}_*.deb: $(ls "$ROOT")"

DEPENDS=$(dpkg-deb -f "$PACKAGE" Depends)
for needed in libpoppler126 libtesseract5 tesseract-ocr-eng qt6-qpa-plugins libqt6core6 libqt6gui6 \
    libqt6widgets6 qt6-translations-l10n; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$DEPENDS" || fail "Depends lacks $needed: $DEPENDS"
done

dpkg-deb -c "$PACKAGE" | awk '{ print $6 ($7 ? " " $7 " " $8 : "") }' >"$ROOT/contents"
for entry in \
    "./usr/lib/corvander/corvander" \
    "./usr/lib/corvander/corvander-extract" \
    "./usr/bin/corvander -> ../lib/corvander/corvander" \
    "./usr/lib/corvander/Samples -> ../../share/corvander/Samples" \
    "./usr/share/applications/org.example.corvander.desktop" \
    "./usr/share/icons/hicolor/64x64/apps/corvander.png" \
    "./usr/share/icons/hicolor/scalable/apps/corvander.svg" \
    "./usr/share/corvander/translations/corvander_de.qm" \
    "./usr/share/corvander/translations/corvander_fr.qm" \
    "./usr/lib/corvander/translations -> ../../share/corvander/translations" \
    "./usr/share/metainfo/org.example.corvander.metainfo.xml" \
    "./usr/share/doc/corvander/copyright" \
    "./usr/share/man/man1/corvander.1.gz" \
    "./usr/share/man/de/man1/corvander.1.gz" \
    "./usr/share/man/fr/man1/corvander.1.gz" \
    "./usr/share/bash-completion/completions/corvander" \
    "./usr/lib/systemd/user/corvander-watch@.service"; do
    grep -qxF -- "$entry" "$ROOT/contents" || fail "the package lacks $entry"
done
grep -q '^\./usr/share/corvander/Samples/.*\.pdf$' "$ROOT/contents" || fail "the package holds no samples"
echo "PASS: $(basename "$PACKAGE"), Depends: $DEPENDS"
