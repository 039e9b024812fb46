# Two commands on a fresh Debian 12 machine:
#   make test   install what is missing, build, and run every test headless
#   make run    build and run the main job
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# `make fuzz`: each fuzz target for FUZZ_SECONDS, or only FUZZ_TARGET.
FUZZ_SECONDS ?= 60
FUZZ_TARGET  ?=
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

export QT_QPA_PLATFORM ?= offscreen
export ASAN_OPTIONS  ?= detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build test test-main test-asan bench run screenshots format fuzz clean package install

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DLUMO_WITH_QT=OFF -DLUMO_SANITIZE=ON -DLUMO_BENCH=OFF

# The fuzz targets: clang and libFuzzer, without the desktop program (the
# grid and number-text targets take Qt Core only).
$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DLUMO_WITH_QT=OFF -DLUMO_FUZZ=ON -DLUMO_BENCH=OFF

configure: $(BUILD)/build.ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout 900

test: test-main test-asan

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	bash tests/fuzz/run_fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGET)

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && { "$$b" || exit 1; }; done; true

run: build
	@if [ -n "$$DISPLAY" ] && [ -x $(BUILD)/bin/lumo ]; then \
	  QT_QPA_PLATFORM= $(BUILD)/bin/lumo; \
	else \
	  $(BUILD)/bin/lumo-run --default; \
	fi

# The Debian package in $(BUILD)/package; `make install PREFIX=/opt/lumo`.
PREFIX ?=
package: build
	cmake --build $(BUILD) --target package

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

screenshots: build
	cmake --build $(BUILD) --target screenshots

format:
	@git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
