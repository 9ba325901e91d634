# SPDX-License-Identifier: GPL-3.0-or-later
# The one way in. Each target installs the Debian packages it needs when they are missing.
#   make run     release build, then start Corvina
#   make test    build with AddressSanitizer + UndefinedBehaviorSanitizer, run every test
#   make build   release build of every program into build/release/
#   make bench   release build of the benchmarks, then run them
#   make bench-limits  release corvina-cli against the walk and the walk + read floors on the corpora of
#                the shared benchmark harness (HARNESS, ../shared/bench), made in ${TMPDIR:-/tmp}/corvina-bench
#                when missing; LIMITS_ARGS passes options to bench/limits.sh, such as --scale 0.1
#   make deb     release build, then the Debian package build/deb/corvina_VERSION_ARCH.deb, checked
#   make format-check / make tidy    clang-format's and clang-tidy's checks
#   make fuzz    fuzz the session reader for FUZZ_SECONDS (300) on one core; inputs that reach new
#                code are merged into fuzz/corpus/session, which make test replays
#   make mutate  put each fault of tools/mutate.py's list into a copy of the safety code, one at a
#                time, and check that its tests fail; 3 to 20 minutes, so not in CI
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

# libqt6svg6: Qt's SVG image plugin, without which the window icon (an SVG) shows empty.
# qt6-tools-dev and qt6-l10n-tools: CMake's Qt6LinguistTools and its lrelease, which makes
# translations/*.ts into the .qm files built into the programs (and lupdate, which the test of the
# translations runs); qt6-translations-l10n: Qt's own texts (message box buttons, file dialogs) in
# the user's language, which the programs load at run time.
# qt6-image-formats-plugins: Qt's WebP and TIFF readers (JPEG, PNG, GIF and BMP come with
# libqt6gui6), which the similar-pictures search and its tests decode and write.
# libqt6sql6-sqlite: Qt's SQLite driver, a plugin no program links, for the cache of picture hashes
# (qt6-base-dev brings Qt SQL's headers).
PKGS_BUILD := g++ make cmake ninja-build pkg-config ccache qt6-base-dev libqt6svg6 libgtest-dev libgmock-dev \
              zlib1g-dev libxxhash-dev libcanberra-dev fonts-dejavu-core \
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins \
              libqt6sql6-sqlite
# The tests also validate the desktop entry, the AppStream metadata and the manual pages.
PKGS_TEST := appstream desktop-file-utils groff-base
PKGS_BENCH := libbenchmark-dev python3
PKGS_LIMITS := hyperfine python3 gcc
HARNESS ?= ../shared/bench
LIMITS_ARGS ?=
# dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; CPack runs file(1) to find programs.
PKGS_DEB := dpkg-dev file appstream desktop-file-utils
PKGS_SHOTS := xvfb xauth
# clang-tidy 16: version 14 cannot read std::source_location from Debian's libstdc++.
PKGS_LINT := clang-format clang-tidy-16
# clang 16: clang 14 has no std::source_location with Debian's libstdc++, and error reports use it.
PKGS_FUZZ := clang-16 libclang-rt-16-dev
FUZZ_SECONDS ?= 300

# $(call ensure,packages): installs the missing ones (with sudo when not root).
define ensure
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -qq; \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: run test test-config build bench bench-limits deb fuzz mutate screenshots deps install format format-check tidy clean

deps:
	$(call ensure,$(PKGS_BUILD))

build: deps
	cmake -S . -B build/release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCORVINA_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build
	./build/release/corvina

test-config: deps
	$(call ensure,$(PKGS_TEST))
	cmake -S . -B build/asan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCORVINA_SANITIZE=ON -DCORVINA_TESTS=ON \
	  -DCORVINA_WERROR=ON

test: test-config
	cmake --build build/asan -j $(JOBS)
	cd build/asan && ctest -j $(JOBS) --output-on-failure

bench: deps
	$(call ensure,$(PKGS_BENCH))
	cmake -S . -B build/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCORVINA_TESTS=OFF -DCORVINA_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	./build/bench/corvina-bench
	./build/bench/corvina-bench-ui

bench-limits: deps
	$(call ensure,$(PKGS_LIMITS))
	cmake -S . -B build/release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCORVINA_TESTS=OFF
	cmake --build build/release -j $(JOBS) --target corvina-cli
	bash bench/limits.sh --cli build/release/corvina-cli --harness $(HARNESS) $(LIMITS_ARGS)

deb: build
	$(call ensure,$(PKGS_DEB))
	rm -f build/deb/corvina_*.deb
	cpack --config build/release/CPackConfig.cmake -B build/deb
	packaging/check-deb.sh build/deb/corvina_*.deb

fuzz: deps
	$(call ensure,$(PKGS_FUZZ))
	cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_COMPILER=clang++-16 -DCORVINA_FUZZ=ON -DCORVINA_TESTS=OFF
	cmake --build build/fuzz -j $(JOBS) --target corvina-fuzz-session
	mkdir -p build/fuzz/found
	./build/fuzz/corvina-fuzz-session -max_total_time=$(FUZZ_SECONDS) -max_len=4096 build/fuzz/found fuzz/corpus/session
	./build/fuzz/corvina-fuzz-session -merge=1 fuzz/corpus/session build/fuzz/found

mutate: deps
	$(call ensure,$(PKGS_TEST) python3)
	python3 tools/mutate.py --jobs $(JOBS)

screenshots: build
	$(call ensure,$(PKGS_SHOTS))
	./tools/screenshots.sh build/release docs/screenshots
	./tools/screenshots.sh build/release docs/screenshots/de de_DE.UTF-8

install: build
	cmake --install build/release --prefix $${PREFIX:-$$HOME/.local}

format:
	$(call ensure,$(PKGS_LINT))
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a file is not formatted as .clang-format says (CI runs it).
format-check:
	$(call ensure,$(PKGS_LINT))
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# .clang-tidy's checks over the sources (FILES=... for some of them); slow: about ten seconds a file.
tidy: test-config
	$(call ensure,$(PKGS_LINT))
	run-clang-tidy-16 -quiet -p build/asan -j $(JOBS) $${FILES:-$$(git ls-files 'src/*.cpp' | tr '\n' ' ')}

clean:
	rm -rf build
