# Lotcraft: the two everyday commands are `make run` and `make test`.
# Both install the Debian packages the build needs when they are missing.

MAKEFLAGS += --no-print-directory

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# The compiler, CMake, Qt 6 (with its platform plugins), QuaZip for the spreadsheet files, the
# fonts the tests draw with and Qt's translation tools (lrelease, lupdate).
PACKAGES := g++ make cmake qt6-base-dev qt6-qpa-plugins qt6-webengine-dev libgl-dev \
	libquazip1-qt6-dev fonts-dejavu-core fonts-dejavu-extra qt6-l10n-tools
# The end-to-end test also needs a display server and a browser to render the pages in; the
# desktop tests need the validators of desktop entries and metainfo, groff for the manual
# pages, and dpkg-dev and lintian to make and judge the Debian package; the file-identity test
# mounts an exFAT volume, as USB sticks come, to compare names that differ in letter case; the
# accessible tree test reads the window as a screen reader does, over a session bus and the
# accessibility bus of its own, and clicks with xdotool where a button offers no action; the
# language test finds Qt's own German texts of the standard dialogs, which the package
# recommends.
TEST_PACKAGES := xvfb xauth chromium desktop-file-utils appstream groff-base dpkg-dev lintian \
	exfat-fuse exfatprogs python3-pyatspi at-spi2-core dbus xdotool qt6-translations-l10n
# What the window program and lotcraft-pages need to be installed or packaged: the programs
# (with the pictures and help page beside them), the manual pages and the changelog.
APP_TARGETS := lotcraft lotcraft-pages lotcraft_data

.PHONY: all deps configure build app run test sanitize interop bench demo fuzz gallery screenshots screenshots-dialogs contrast e2e translations install uninstall package package-check repro-check package-chroot clean

all: build

deps:
	@sh tools/ensure-packages.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DLOTCRAFT_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The programs alone, without the tests and the developers' tools.
app: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target $(APP_TARGETS)

# The window needs a display: without one, say so before anything is built. Then only the
# window program is built, with the pictures and help page beside it. ARGS go to the
# program, e.g. make run ARGS=examples/sample-catalogue.csv
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
		echo "make run: there is no graphical display (DISPLAY and WAYLAND_DISPLAY are not set)."; \
		echo "Start it from a desktop session, or on a virtual display: xvfb-run -a make run"; \
		echo "(make test needs no display.)"; \
		exit 1; \
	fi
	@$(MAKE) configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target lotcraft
	@$(BUILD_DIR)/bin/lotcraft $(ARGS)

test: build
	@sh tools/ensure-packages.sh $(TEST_PACKAGES)
	@cmake $(BUILD_DIR) >/dev/null
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) -LE interop

# Catalogues passed to and from LibreOffice Calc (installed when missing), cell by cell.
interop:
	@sh tools/ensure-packages.sh libreoffice-calc-nogui python3
	@$(MAKE) configure
	@cmake --build $(BUILD_DIR) --target catalogue-cells -j $(JOBS)
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -L interop

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a build of
# its own. Any report ends its test with a failure, a leak at exit included; a report ends
# a program with status 86 (UBSan's with an abort), which no test expects of lotcraft-pages.
# Then the tests of code that runs on several threads (CTest label "threads") built with
# ThreadSanitizer in another build: a report ends its program with status 66.
SANITIZE_DIR := build-sanitize
TSAN_DIR := build-tsan
sanitize: deps
	@sh tools/ensure-packages.sh $(TEST_PACKAGES)
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTCRAFT_WERROR=ON \
		-DLOTCRAFT_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:exitcode=86:strict_init_order=1:detect_stack_use_after_return=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp \
		ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)
	@cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTCRAFT_WERROR=ON \
		-DLOTCRAFT_TSAN=ON >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target threaded-tests
	@QT_QPA_PLATFORM=offscreen \
		TSAN_OPTIONS=halt_on_error=1:exitcode=66:suppressions=$(CURDIR)/tests/sanitize/tsan.supp \
		ctest --test-dir $(TSAN_DIR) --output-on-failure -j $(JOBS) -L threads

# Benchmarks: a Release build of its own; see bench/README.md.
bench: deps
	@sh tools/ensure-packages.sh python3 libreoffice-calc-nogui
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLOTCRAFT_BENCH=ON >/dev/null
	@cmake --build build-release -j $(JOBS)
	@python3 bench/run.py build-release

# The fuzzers, with address and undefined-behaviour checks, for FUZZ_SECONDS seconds each:
# the catalogue reader's, seeded with tests/data/fuzz-regressions/ (keep what it finds
# there), then the HTML tokenizer's and the active content check's, seeded with
# tests/data/html-corpus/, then the workbook scanner's, seeded with
# tests/data/worksheet-corpus/; each runs even when one before finds something. What they
# find lands in build-fuzz/findings/, the tokenizer's under names that start with html-, the
# scanner's with worksheet-.
FUZZ_SECONDS ?= 60
fuzz: deps
	@sh tools/ensure-packages.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTCRAFT_FUZZ=ON >/dev/null
	@cmake --build build-fuzz --target catalogue-reader-fuzz html-tokenizer-fuzz \
		worksheet-scanner-fuzz -j $(JOBS)
	@mkdir -p build-fuzz/corpus build-fuzz/html-corpus build-fuzz/worksheet-corpus build-fuzz/findings
	@cp tests/data/fuzz-regressions/* examples/*.csv build-fuzz/corpus/ 2>/dev/null || true
	@cp tests/data/html-corpus/* build-fuzz/html-corpus/
	@cp tests/data/worksheet-corpus/* build-fuzz/worksheet-corpus/
	@status=0; \
	build-fuzz/bin/catalogue-reader-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build-fuzz/findings/ build-fuzz/corpus || status=1; \
	build-fuzz/bin/html-tokenizer-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build-fuzz/findings/html- build-fuzz/html-corpus || status=1; \
	build-fuzz/bin/worksheet-scanner-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build-fuzz/findings/worksheet- build-fuzz/worksheet-corpus || status=1; \
	exit $$status

# The pages of the sample catalogue, written into demo-pages/.
demo: build
	@mkdir -p demo-pages
	@$(BUILD_DIR)/bin/lotcraft-pages -o demo-pages --seller "seller@example.com" \
		--location "Leeds" --country "United Kingdom" examples/sample-catalogue.csv
	@echo "Open $(CURDIR)/demo-pages/1001.html in your browser."

# One picture of every button style and state, shown in the README.
gallery: build
	@mkdir -p docs
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/button-gallery docs/button-gallery.png

# The pictures of the windows shown in the README: the main window as it opens and with the
# sample catalogue loaded, in English and in German, then the dialogs and the source window.
screenshots: build screenshots-dialogs
	@mkdir -p docs
	@LANG=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/window-shots \
		examples/sample-catalogue.csv docs/main-window.png docs/main-window-loaded.png
	@LANG=de_DE.UTF-8 LANGUAGE=de QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/window-shots \
		examples/sample-catalogue.csv docs/main-window-de.png docs/main-window-loaded-de.png

# The main window in a light and a dark palette, measured by tests/contrast_check.py (as
# make test does); its pictures with the Load button focused are kept in docs/.
CONTRAST_DIR := $(BUILD_DIR)/contrast-shots
contrast: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target window-shots
	@mkdir -p docs
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/window-shots --contrast $(CONTRAST_DIR) \
		examples/sample-catalogue.csv
	@python3 tests/contrast_check.py $(CONTRAST_DIR)
	@cp $(CONTRAST_DIR)/contrast-button-light.png docs/contrast-light.png
	@cp $(CONTRAST_DIR)/contrast-button-dark.png docs/contrast-dark.png

# The layout dialog, the catalogue check's dialog (over a small faulty catalogue of its own),
# the output folder dialog (opened on a small folder tree of its own) and the source window
# (showing a page of the sample catalogue).
SHOTS_DIR := $(BUILD_DIR)/screenshots
screenshots-dialogs: build
	@mkdir -p docs "$(SHOTS_DIR)/pages" "$(SHOTS_DIR)/Seller pages/Spring sale" \
		"$(SHOTS_DIR)/Seller pages/Winter sale" "$(SHOTS_DIR)/Seller pages/archive"
	@$(BUILD_DIR)/bin/lotcraft-pages -o "$(SHOTS_DIR)/pages" --seller "seller@example.com" \
		--location "Leeds" --country "United Kingdom" examples/sample-catalogue.csv >/dev/null
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/dialog-screenshots docs \
		"$(SHOTS_DIR)/Seller pages" "$(SHOTS_DIR)/pages/1001.html"

# The real window driven like a user under a virtual display, then its pages rendered in
# headless Chromium; keeps one screenshot per layout in docs/. Then what a screen reader is
# told of the window and its dialogs, in English and in German (Debian's Python, which has
# pyatspi). Both run even when the first fails.
e2e: build
	@sh tools/ensure-packages.sh $(TEST_PACKAGES)
	@status=0; \
	LOTCRAFT_E2E_SHOTS=$(CURDIR)/docs xvfb-run -a -s "-screen 0 1280x1024x24" \
		$(BUILD_DIR)/bin/EndToEndTest || status=1; \
	xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 tests/e2e/accessible_tree_test.py \
		$(BUILD_DIR)/bin/lotcraft examples/sample-catalogue.csv || status=1; \
	exit $$status

# The window's texts gathered from src/ into translations/lotcraft_*.ts again (lupdate), after
# texts were added or changed: new ones come unfinished, to be translated; texts no longer in
# the program are dropped. The .qm files are compiled from the .ts files by every build.
translations: configure
	@cmake --build $(BUILD_DIR) --target lotcraft_lupdate

# Installs the programs (stripped; NOSTRIP=1 keeps their symbols), their pictures and help
# page, the menu entry, the icons, the metainfo, the manual pages and the sample catalogue
# under PREFIX, and records what it put there for make uninstall. DESTDIR=... installs into
# a staging folder as a packager does; the record still speaks of PREFIX.
PREFIX ?= /usr/local
install: app
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX) $(if $(NOSTRIP),,--strip)

# Removes exactly what make install put under PREFIX (and DESTDIR): its files, and the
# folders it made once they are empty.
uninstall:
	@DESTDIR="$(DESTDIR)" cmake -DPREFIX=$(PREFIX) -P cmake/uninstall.cmake

# The Debian package lotcraft_VERSION_amd64.deb and its debug symbols
# lotcraft-dbgsym_VERSION_amd64.ddeb, in $(PACKAGE_DIR)/package/: a build of its own with
# Debian's hardening flags (CPPFLAGS folded in, as CMake reads no CPPFLAGS), the source
# folder mapped to "." in the programs and their debug symbols, and every date in the
# package the date of the last commit, so that the same commit gives the same bytes
# wherever it is built.
PACKAGE_DIR ?= build-package
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
export SOURCE_DATE_EPOCH
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# Debian 12's dpkg-buildflags knows no stack clash or control-flow (CET) protection yet;
# later ones add these two with hardening=+all on amd64.
PACKAGE_EXTRA_FLAGS = -fstack-clash-protection -fcf-protection
package: deps
	@sh tools/ensure-packages.sh dpkg-dev
	@if [ -z "$(SOURCE_DATE_EPOCH)" ]; then \
		echo "make package: no git history to date the package; set SOURCE_DATE_EPOCH."; exit 1; fi
	@cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTCRAFT_WERROR=ON \
		-DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CXXFLAGS) $$($(PACKAGE_FLAGS) CPPFLAGS) $(PACKAGE_EXTRA_FLAGS) -ffile-prefix-map=$(CURDIR)=." \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS) --target $(APP_TARGETS)
	@rm -rf $(PACKAGE_DIR)/package
	@cd $(PACKAGE_DIR) && cpack -B package >/dev/null
	@ls $(PACKAGE_DIR)/package/*.deb $(PACKAGE_DIR)/package/*.ddeb

# The package as a distribution judges it: lintian --pedantic, hardening-check on both
# programs, the desktop entry and the metainfo validated, and the packaged lotcraft-pages
# writing the same bytes as the build's own, the window's class the desktop entry's.
PACKAGE_CHECK_PACKAGES := dpkg-dev lintian devscripts desktop-file-utils appstream xvfb xauth x11-utils
package-check: package build
	@sh tools/ensure-packages.sh $(PACKAGE_CHECK_PACKAGES)
	@sh tools/package-check.sh $(PACKAGE_DIR)/package $(BUILD_DIR) $(CURDIR)

# Two packages of the last commit, built in two folders of different names: their bytes
# must be the same (the commit's files only, as git has them; needs nothing else).
repro-check: deps
	@sh tools/ensure-packages.sh dpkg-dev
	@sh tools/repro-check.sh $(CURDIR)

# The package installed into a clean Debian 12 made by debootstrap (slow, and needs Debian's
# mirror): it installs with its dependencies alone, runs, shows its manual page, and a purge
# leaves nothing. Not part of make test.
package-chroot: package configure
	@sh tools/ensure-packages.sh debootstrap
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target WindowFontsTest
	@sh tools/package-chroot.sh $(PACKAGE_DIR)/package $(BUILD_DIR)

clean:
	@rm -rf $(BUILD_DIR) $(PACKAGE_DIR) build-release build-fuzz build-sanitize build-tsan demo-pages
