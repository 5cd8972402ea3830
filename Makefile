# Duskbell: one entry point for setting up, building, playing, testing and measuring.
BUILD ?= build
DEBS := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsdl2-mixer-dev \
        libfluidsynth-dev fluid-soundfont-gm fonts-ipafont-gothic fonts-ipafont-mincho \
        abcmidi libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
HEADLESS := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Installing and packaging: the desktop's validators, strace for the installed-game check, the
# Debian package tools and debootstrap for the fresh system that package-test installs into.
DEBS += desktop-file-utils appstream strace dpkg-dev debootstrap
# The screen-reader test: a private X server, a session bus and the accessibility bus.
DEBS += xvfb dbus-x11 at-spi2-core python3-pyatspi
# A real screen reader beside the game, and the speech service that the game's own voice uses.
DEBS += orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox x11-utils libspeechd-dev
PREFIX ?= /usr/local

SANBUILD ?= build-asan
FUZZ_SECONDS ?= 30
# Leaks that Qt, fontconfig and SDL keep until exit are theirs, not the game's.
SANITIZERS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
              UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps build play test bench odds contact listen clean sanitize sanitize-build fuzz

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

# The whole suite again, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DDUSKBELL_SANITIZE=ON >/dev/null
	# The build runs its own tools (pictures, screenshots); their leaks at exit are not under test.
	ASAN_OPTIONS=detect_leaks=0 cmake --build $(SANBUILD) -j$$(nproc)

sanitize: sanitize-build
	cd $(SANBUILD) && $(HEADLESS) $(SANITIZERS) ctest --output-on-failure -j2

# Each reader of outside bytes under libFuzzer for FUZZ_SECONDS, from the game's own files as seeds.
# The corpus path is absolute: the targets change directory.
fuzz: sanitize-build
	@set -e; c=$(abspath $(SANBUILD))/corpus; mkdir -p $$c/savefile $$c/talkfiles $$c/clearrecord; \
	printf '\216\122\223\143\r\n"  a,b"\r\n 12 \r\nH\r\nL\r\nE\r\nR\r\nJ\r\nI\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n 7 \r\n' > $$c/savefile/seed; \
	{ cat $(SANBUILD)/game/DblKCode.dat; printf '\000'; cat $(SANBUILD)/game/DblKaiwa.dat; printf '\000'; \
	  cat $(SANBUILD)/game/DblResp.dat; } > $$c/talkfiles/seed; \
	printf '\004\001\351\266\2641\351\267\2712' > $$c/clearrecord/seed; \
	for t in savefile talkfiles clearrecord; do \
	  $(HEADLESS) $(SANITIZERS) $(SANBUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=65536 $$c/$$t; \
	done

bench: build
	@$(HEADLESS) $(BUILD)/duskbell_bench

# How often simple ways of playing reach each ending, over 10 000 afternoons.
odds: build
	@$(BUILD)/duskbell_odds

contact: build
	cmake --build $(BUILD) --target contact_sheet

# Every piece rendered with the game's soundfont and gain, measured per section and part (a tool, not a test).
listen: build
	@cmake --build $(BUILD) --target listen | grep -v 'make\[\|^\[\|^Built target\|^Scanning\|^Consolidate'

clean:
	rm -rf $(BUILD) $(SANBUILD)

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
