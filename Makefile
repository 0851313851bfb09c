# Lurimba: `make run` plays the game, `make test` runs the whole suite.
BUILD := build
PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgif-dev libxcb1-dev \
	libgtest-dev fonts-liberation xvfb xauth hunspell hunspell-es
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test screenshot assets clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$$(nproc)

screenshot: build
	cmake --build $(BUILD) --target lurimba-screenshot lurimba-intro-screenshot -j$$(nproc)
	rm -rf $(BUILD)/screenshots
	mkdir -p $(BUILD)/screenshots
	for size in 800x600 1024x768 1280x1024 1920x1080; do \
		rm -rf $(BUILD)/screenshot-folder && cp -r data $(BUILD)/screenshot-folder && \
		(cd $(BUILD)/screenshot-folder && QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $${size}x24" \
			../tests/lurimba-screenshot ../screenshots) || exit 1; \
	done
	cd $(BUILD)/screenshot-folder && QT_QPA_PLATFORM=offscreen ../tests/lurimba-intro-screenshot ../screenshots
	@ls $(BUILD)/screenshots

assets: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target lurimba-artgen lurimba-keyboardgen -j$$(nproc)
	$(BUILD)/tools/artgen/lurimba-artgen $(CURDIR)
	$(BUILD)/lurimba-keyboardgen $(CURDIR)/data
	sh tools/wordlists/build.sh

clean:
	rm -rf $(BUILD)
