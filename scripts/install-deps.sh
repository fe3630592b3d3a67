#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging Quillby need.
# Only the missing ones are installed, so a second run is quick and touches nothing.
# Runs as root, or through sudo for any other user. Works without a terminal (CI).
set -euo pipefail

# The one list of packages, grouped by what needs them.
PACKAGES=(
    # build
    cmake g++ make ninja-build pkg-config
    # the layout check of changed lines in .ci/run (clang-format with git clang-format)
    clang-format
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev qt6-svg-dev
    libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
    # playback through a PulseAudio stream of the program's own (the simple client API)
    libpulse-dev
    # speaking words without a recording (the Flite synthesiser, its headers and voices)
    flite1-dev
    # importing words from a photo or a scan: Tesseract's library with its English and
    # German data, Leptonica beneath it, Poppler for a PDF's pages; the tesseract tool for
    # the benchmark, poppler's tools for looking at PDF files
    libtesseract-dev libleptonica-dev tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu
    libpoppler-cpp-dev poppler-utils
    # translations: lupdate and lrelease with Qt's CMake functions for them; Qt's own
    # catalogues of the standard buttons (loaded when present, not needed to run)
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # run: libqt6multimedia6 carries Qt's GStreamer backend; these are its WAV reader,
    # its PulseAudio sink and the sound server itself
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good pulseaudio
    # the Debian package: CPack's DEB generator reads the program's libraries with file and
    # dpkg-shlibdeps; its tests validate the metainfo and look the icon up in hicolor
    dpkg-dev file appstream hicolor-icon-theme
    # the package's tests also run Debian's checker of packages over it; it reads the
    # manual page with man and groff
    lintian man-db groff-base
    # tests: a private sound server, a voice for the microphone, sound and picture checks,
    # windows on a virtual screen, a session bus, a font for readable offscreen text
    pulseaudio-utils espeak-ng sox sqlite3 imagemagick desktop-file-utils
    xvfb xauth dbus dbus-x11 fonts-dejavu-core
    # chattr: read-only files and folders also for tests that run as the super-user
    e2fsprogs
    # printed pages: pdftotext and pdfinfo read the PDF files back, pdftoppm makes pictures
    poppler-utils
    # end-to-end tests: the programs driven through the accessibility bus from Python, with
    # keys and mouse clicks from xdotool and the close box's message sent through libX11
    python3 python3-gi gir1.2-atspi-2.0 python3-pyatspi at-spi2-core xdotool libx11-6
    # the clipboard of another program for the journey that pastes words
    xclip
    # on-screen benchmarks: keys sent through XTest, paints seen through XDamage
    libxtst6 libxdamage1
    # a failed journey leaves its programs' stacks (gdb); stress loads the CPUs for the
    # runs that look for tests that break on a busy machine
    gdb stress
)

missing=()
for package in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [[ "$status" != ii* ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: all ${#PACKAGES[@]} packages are installed."
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
    # Without a terminal nobody can type a password: fail at once instead of waiting.
    [[ -t 0 ]] || as_root=(sudo -n env DEBIAN_FRONTEND=noninteractive)
else
    echo "install-deps: these packages are missing: ${missing[*]}" >&2
    echo "install-deps: run this script as root, or install sudo, to install them." >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
