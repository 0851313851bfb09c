# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Lurimba: `make run` plays the game, `make test` runs the whole suite.
# `make stress` runs the classroom test at length.
# `make sanitize` builds and runs the suite with AddressSanitizer and
# UndefinedBehaviorSanitizer; `make fuzz` runs every fuzz target for a minute
# (`make fuzz FUZZ_SECONDS=600` for longer).
BUILD := build
SANITIZE_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS := 60
# clang-14 and libclang-rt-14-dev: the fuzz targets (libFuzzer and the sanitizer runtimes).
PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools libasound2-dev libgif-dev libxcb1-dev libhunspell-dev \
	libgtest-dev fonts-liberation xvfb xauth hunspell hunspell-es qt6-translations-l10n \
	poppler-utils \
	clang-14 libclang-rt-14-dev dpkg-dev desktop-file-utils appstream reuse man-db \
	x11-utils xdotool libespeak-ng-dev espeak-ng-data
# Only for `make test`: LibreOffice Calc reads back the exported spreadsheet.
TEST_PACKAGES := libreoffice-calc-nogui
# -O1 -g1 (set below) compiles in about 60 % of the time of -O2 -g, with line numbers in reports.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Every report fails the run; the leaks of the system's own libraries are not ours.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
PREFIX ?= /usr
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test-deps build run test stress sanitize fuzz screenshot bench assets install package clean

all: build

deps test-deps:
	@missing=$$(for p in $(if $(filter test-deps,$@),$(TEST_PACKAGES),$(PACKAGES)); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
		| grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$$(nproc)

run: build
	cd $(BUILD) && ./lurimba

test: build test-deps
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$$(nproc)

# The classroom test at length: STRESS_WRITERS copies of the program save into one results file
# and one points file at the same moment, STRESS_ROUNDS times; STRESS_FOLDER (a network folder,
# another file system) is where they save, a temporary folder unless set.
STRESS_WRITERS := 8
STRESS_ROUNDS := 1000
STRESS_FOLDER :=
stress: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen LURIMBA_CLASSROOM_WRITERS=$(STRESS_WRITERS) \
		LURIMBA_CLASSROOM_ROUNDS=$(STRESS_ROUNDS) LURIMBA_CLASSROOM_FOLDER=$(STRESS_FOLDER) \
		tests/window_tests --gtest_filter='Classroom.*'

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1" \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j$$(nproc)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j$$(nproc) -E '^EscapedException[.]'
# An exception that unwinds through Qt's own event dispatch leaves Qt's event
# objects behind (Qt is not exception-safe): those tests run without the leak check.
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
		QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^EscapedException[.]'

fuzz: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j$$(nproc)
	fuzz/run.sh $(FUZZ_SECONDS)

screenshot: build
	cmake --build $(BUILD) --target lurimba-screenshot lurimba-intro-screenshot \
		lurimba-results-screenshot lurimba-background-screenshot lurimba-help-screenshot \
		lurimba-docentix-results-screenshot lurimba-docentix-lists-screenshot -j$$(nproc)
	rm -rf $(BUILD)/screenshots
	mkdir -p $(BUILD)/screenshots
	for size in 800x600 1024x768 1280x1024 1920x1080; do \
		rm -rf $(BUILD)/screenshot-folder && cp -r data $(BUILD)/screenshot-folder && \
		(cd $(BUILD)/screenshot-folder && QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $${size}x24" \
			../tools/screenshot/lurimba-screenshot ../screenshots) || exit 1; \
		(cd $(BUILD)/screenshot-folder && QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $${size}x24" \
			../tools/screenshot/lurimba-background-screenshot ../screenshots) || exit 1; \
	done
	cd $(BUILD)/screenshot-folder && QT_QPA_PLATFORM=offscreen ../tools/screenshot/lurimba-intro-screenshot ../screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshot/lurimba-results-screenshot $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshot/lurimba-help-screenshot $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshot/lurimba-docentix-results-screenshot $(BUILD)/screenshots
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
		$(BUILD)/tools/screenshot/lurimba-docentix-lists-screenshot $(BUILD)/screenshots
	@ls $(BUILD)/screenshots

# Start-up time, memory and idle CPU against a bare Qt window; prints a table, never fails on a figure.
bench: build
	bench/run.sh $(BUILD)

# One word played with the Orca screen reader listening; prints what Orca said, never fails on it.
# What it needs besides the build (the screen reader and the desktop it runs on) is installed
# by a11y-deps, as deps installs the rest.
A11Y_PACKAGES := orca at-spi2-core dbus-x11 python3-pyatspi speech-dispatcher openbox xdotool xvfb
.PHONY: a11y-deps a11y-check
a11y-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(A11Y_PACKAGES)"

a11y-check: build a11y-deps
	tools/a11y-check/run.sh $(BUILD)

assets: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target lurimba-artgen lurimba-wmfgen lurimba-keyboardgen \
		lurimba-configgen -j$$(nproc)
	$(BUILD)/tools/artgen/lurimba-artgen $(CURDIR)
	$(BUILD)/tools/lurimba-wmfgen $(CURDIR)/data
	$(BUILD)/lurimba-keyboardgen $(CURDIR)/data
	$(BUILD)/lurimba-configgen $(CURDIR)/data
	sh tools/wordlists/build.sh

# `make install` (DESTDIR works as usual); `make package` builds lurimba_VERSION_amd64.deb.
install: build
	$(SUDO) env DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/lurimba_*.deb

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
