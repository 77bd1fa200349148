# The two everyday commands: `make play` and `make test`. Both install what is
# missing, configure and build; see README.md.
JOBS ?= 2
# Ninja compiles a library's files while the libraries it links are still being built,
# so both cores stay busy. A build folder keeps the generator it was made with.
export CMAKE_GENERATOR ?= Ninja
FUZZ_SECONDS ?= 30
SOAK_HOURS ?= 1
# Where `make install` puts the game: your own ~/.local, or for root /usr/local.
PREFIX ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)

.PHONY: deps build play play-editor test test-asan bench bench-quick soak soak-asan fuzz check-style contact-sheet level-shots format clean install uninstall

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j$(JOBS)

play: build
	cd build/dist && ./Zelkor

play-editor: build
	cd build/dist && ./ZelkorLvlEdit

test: build
	ctest --test-dir build --output-on-failure -j$(JOBS)

# The sanitizer build takes its archives from the everyday build (see CMakePresets.json).
test-asan: build
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

# One table of figures against their targets; the idle menu and the present of a
# frame are measured in a window on a virtual X display, large enough for the window
# to open at twice the picture's size.
BENCH_DISPLAY = if [ -z "$$DISPLAY" ] && command -v xvfb-run >/dev/null; then \
	  xvfb-run -a -s "-screen 0 1600x1200x24" "$$@"; else "$$@"; fi
bench: build
	@sh -c '$(BENCH_DISPLAY)' bench build/bench/zelkor_bench

# The same table in under a minute, each figure measured briefly and the long runs of
# the game left out: CI prints it, and no figure fails it.
bench-quick: build
	@sh -c '$(BENCH_DISPLAY)' bench build/bench/zelkor_bench --quick

# A day of play (SOAK_HOURS of game time): every game-hour prints game time, wall time
# and the heap in use. soak-asan plays it under the sanitizers.
# Without the allocator's per-thread cache, the heap in use is what the game holds.
soak: build
	cmake --build --preset default -j$(JOBS) --target soak_test
	GLIBC_TUNABLES=glibc.malloc.tcache_count=0 ZELKOR_SOAK_HOURS=$(SOAK_HOURS) build/tests/soak_test

soak-asan: build
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS) --target soak_test
	ZELKOR_SOAK_HOURS=$(SOAK_HOURS) build-asan/tests/soak_test

# Fuzzes every reader of outside data for FUZZ_SECONDS each, from random seeds.
fuzz: deps
	bash scripts/fuzz $(FUZZ_SECONDS)

contact-sheet: build
	build/tools/assetgen/assetgen --contact-sheet build/contact-sheet.png

# Screenshots of every level and their contact sheet, in build/levels.
level-shots: build
	bash scripts/level-shots.sh build

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Copies what `make build` made; it builds nothing, so `sudo make install` leaves no
# file of root's in build/ (the install manifest is handed back to the build's owner).
install:
	@test -x build/dist/Zelkor -a -f build/shipped.lst || \
	  { echo "make install: nothing built yet; run 'make build' first (as yourself)"; exit 1; }
	cmake --install build --prefix "$(abspath $(PREFIX))"
	@chown --reference=build build/install_manifest.txt 2>/dev/null || true

# Removes exactly what the last `make install` installed.
uninstall:
	cmake -DMANIFEST=build/install_manifest.txt -P packaging/uninstall.cmake

# What CI checks besides the tests: formatting and which folder includes what.
check-style:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
	python3 scripts/check-layers
	bash scripts/test-share

clean:
	rm -rf build build-asan build-fuzz
