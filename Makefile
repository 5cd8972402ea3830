# Duskbell: one entry point for setting up, building, playing, testing and measuring.
BUILD ?= build
DEBS := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsdl2-mixer-dev \
        libfluidsynth-dev fluid-soundfont-gm fonts-ipafont-gothic fonts-ipafont-mincho \
        abcmidi libgtest-dev libbenchmark-dev
HEADLESS := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Installing and packaging: the desktop's validators, strace for the installed-game check, the
# Debian package tools and debootstrap for the fresh system that package-test installs into.
DEBS += desktop-file-utils appstream strace dpkg-dev debootstrap
PREFIX ?= /usr/local

.PHONY: deps build play test bench contact clean

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

contact: build
	cmake --build $(BUILD) --target contact_sheet

clean:
	rm -rf $(BUILD)

.PHONY: install package package-test

# The standard tree under PREFIX (/usr/local unless given): program in games/, data in share/games/.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, build/duskbell_*.deb, with its dependencies from dpkg-shlibdeps.
package: build
	cd $(BUILD) && cpack -G DEB

# Installs the package into a fresh Debian 12 (made once with debootstrap), starts it and removes it.
package-test: package
	sh dist/package_test.sh $(BUILD)
