# Two commands do everything on a fresh Debian 12 machine:
#   make run   builds Brinox and starts it on the demo family
#   make test  builds Brinox and runs every test
BUILD_DIR  ?= build
BENCH_DIR  ?= build-bench
FUZZ_DIR   ?= build-fuzz
FUZZ_SECONDS ?= 60
DATA_HOME  := $(if $(XDG_DATA_HOME),$(XDG_DATA_HOME),$(HOME)/.local/share)/brinox

BUILD_PACKAGES := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev \
                  qt6-translations-l10n libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
RUN_PACKAGES   := gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation xdg-utils
SCREEN_PACKAGES := xvfb xauth xdotool imagemagick
FUZZ_PACKAGES  := clang-14 libclang-rt-14-dev
# Independent readers the tests check printed PDFs and written RTF against,
# the genealogy program GEDCOM exports are tried in, and the validators of
# the desktop entry and its metadata.
TEST_PACKAGES  := poppler-utils unrtf gramps desktop-file-utils appstream
PREFIX ?= /usr/local

CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINOX_WERROR=ON

.PHONY: run test bench fuzz build configure deps clean install

deps:
	@tools/install-packages.sh $(BUILD_PACKAGES) $(RUN_PACKAGES) $(SCREEN_PACKAGES)

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	@tools/install-packages.sh $(TEST_PACKAGES)
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300 -j 2

run: configure
	cmake --build $(BUILD_DIR) --target brinox brinox-cli
	@tools/run-demo.sh $(BUILD_DIR) "$(DATA_HOME)"

# Installs under PREFIX (below DESTDIR when packaging).
install: configure
	cmake --build $(BUILD_DIR) --target brinox brinox-cli brinox_sound
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The benchmark and fuzz builds fail on warnings like the test build does:
# GCC finds more at -O3 than at -O2.
bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINOX_WERROR=ON -DBRINOX_TESTS=OFF -DBRINOX_BENCH=ON
	cmake --build $(BENCH_DIR)
	@tools/run-benchmarks.sh $(BENCH_DIR)

fuzz: deps
	@tools/install-packages.sh $(FUZZ_PACKAGES)
	CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINOX_WERROR=ON -DBRINOX_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target fuzz_targets
	@tools/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR)
