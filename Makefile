# The two everyday commands: `make play` and `make test`. Both install what is
# missing, configure and build; see README.md.
JOBS ?= 2
FUZZ_SECONDS ?= 30
# Where `make install` puts the game: your own ~/.local, or for root /usr/local.
PREFIX ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)

.PHONY: deps build play play-editor test test-asan bench soak fuzz contact-sheet level-shots format clean install uninstall

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j$(JOBS)

play: build
	cd build/dist && ./Zelkor --window

play-editor: build
	cd build/dist && ./ZelkorLvlEdit

test: build
	ctest --test-dir build --output-on-failure -j$(JOBS)

# The sanitizer build takes its archives from the everyday build (see CMakePresets.json).
test-asan: build
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

bench: build
	@for b in build/bench/*; do [ -x "$$b" ] && "$$b" || true; done

soak: build
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)
	ZELKOR_SOAK_MINUTES=30 ctest --test-dir build-asan --output-on-failure -L soak

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j$(JOBS)
	@for f in build-fuzz/fuzz/*; do [ -x "$$f" ] || continue; \
	  echo "== $$f"; mkdir -p "build-fuzz/corpus/$$(basename $$f)"; \
	  "$$f" -max_total_time=$(FUZZ_SECONDS) "build-fuzz/corpus/$$(basename $$f)" || exit 1; done

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

clean:
	rm -rf build build-asan build-fuzz
