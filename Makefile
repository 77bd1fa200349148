# The two everyday commands: `make play` and `make test`. Both install what is
# missing, configure and build; see README.md.
JOBS ?= 2
FUZZ_SECONDS ?= 30

.PHONY: deps build play play-editor test test-asan bench soak fuzz contact-sheet format clean

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

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

bench: build
	@for b in build/bench/*; do [ -x "$$b" ] && "$$b" || true; done

soak: deps
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

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
