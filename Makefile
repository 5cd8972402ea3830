# Duskbell: one entry point for setting up, building, playing, testing and measuring.
BUILD ?= build
DEBS := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsdl2-mixer-dev \
        libfluidsynth-dev fluid-soundfont-gm fonts-ipafont-gothic fonts-ipafont-mincho \
        abcmidi libgtest-dev libbenchmark-dev
HEADLESS := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

.PHONY: deps build play test bench odds contact clean

# apt-get only runs when something is missing; dpkg -s needs no network.
deps:
	@missing=""; for p in $(DEBS); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j$$(nproc)

play: build
	$(BUILD)/game/duskbell

test: build
	cd $(BUILD) && $(HEADLESS) ctest --output-on-failure -j2

bench: build
	@$(HEADLESS) $(BUILD)/duskbell_bench

# How often simple ways of playing reach each ending, over 10 000 afternoons.
odds: build
	@$(BUILD)/duskbell_odds

contact: build
	cmake --build $(BUILD) --target contact_sheet

clean:
	rm -rf $(BUILD)
