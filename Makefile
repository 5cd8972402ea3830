# Duskbell: one entry point for setting up, building, playing, testing and measuring.
BUILD ?= build
DEBS := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsdl2-mixer-dev \
        libfluidsynth-dev fluid-soundfont-gm fonts-ipafont-gothic fonts-ipafont-mincho \
        abcmidi libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
HEADLESS := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Installing and packaging: the desktop's validators and AppStream's list of content ratings, strace
# for the installed-game check, the Debian package tools, lintian, and debootstrap for the fresh
# system that package-test installs into.
DEBS += desktop-file-utils appstream gir1.2-appstream-1.0 python3-gi strace dpkg-dev debhelper lintian debootstrap
# The screen-reader test: a private X server, a session bus and the accessibility bus.
DEBS += xvfb dbus-x11 at-spi2-core python3-pyatspi
# The session's end under a real session manager: xsm, and iceauth for its connections.
DEBS += x11-session-utils x11-xserver-utils
# A real screen reader beside the game, and the speech service that the game's own voice uses.
DEBS += orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox x11-utils libspeechd-dev
PREFIX ?= /usr/local

SANBUILD ?= build-asan
FUZZ_SECONDS ?= 30
# Leaks that the libraries keep until exit are theirs (tests/lsan.supp names their frames); slow
# unwinding, so that a leak's stack reaches the library frame that made it.
SANITIZERS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
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

.PHONY: install uninstall dist package package-test

VERSION = $(shell dpkg-parsechangelog -l debian/changelog -S Version)

# The standard tree under PREFIX (/usr/local unless given): program in games/, data in share/games/duskbell/.
# The list of what it laid is kept for make uninstall (the installed-game test installs elsewhere).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	{ cat $(BUILD)/install_manifest.txt; echo; } | sed '/^$$/d' >$(BUILD)/installed-files.txt

# Removes every file the last make install laid, then the game's own folders once they are empty.
uninstall:
	@test -f $(BUILD)/installed-files.txt || { echo "uninstall: nothing installed from $(BUILD)" >&2; exit 1; }
	@while IFS= read -r f; do rm -f "$$f"; done <$(BUILD)/installed-files.txt
	@sed 's#/[^/]*$$##' $(BUILD)/installed-files.txt | sort -ru | while IFS= read -r d; do \
	  while case $$d in */duskbell*) rmdir "$$d" 2>/dev/null;; *) false;; esac; do d=$${d%/*}; done; done
	@echo "uninstall: removed $$(wc -l <$(BUILD)/installed-files.txt) files"; rm -f $(BUILD)/installed-files.txt

# The commit's source tree (no build output, no uncommitted change) as a tarball, with its SHA-256.
dist:
	@mkdir -p $(BUILD)
	git archive --format=tar --prefix=duskbell-$(VERSION)/ HEAD | gzip -9n >$(BUILD)/duskbell-$(VERSION).tar.gz
	cd $(BUILD) && sha256sum duskbell-$(VERSION).tar.gz | tee duskbell-$(VERSION).tar.gz.sha256

# The Debian packages of the commit, built by dpkg-buildpackage from debian/ in build/package/.
package: deps
	sh dist/package_build.sh $(BUILD)/package

# A second build of the same commit in another folder must give the same bytes; then lintian, and the
# packages installed into a fresh Debian 12 (made once with debootstrap), started and removed.
package-test: package
	sh dist/package_build.sh $(BUILD)/package-again $$(cat $(BUILD)/package/commit)
	sh dist/package_test.sh $(BUILD)/package $(BUILD)/package-again $(BUILD)
