# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Zerbo: the two commands are `make run` and `make test`.
PRESET ?= default
BUILD  := build
# `make soak`: seconds of random user; `make fuzz`: seconds per fuzz target.
SOAK_SECONDS ?= 300
FUZZ_SECONDS ?= 600

.PHONY: all deps configure build run test sanitize soak fuzz bench screenshots package clean \
        test-debian12 test-debian13

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) > /dev/null

build: configure
	@cmake --build --preset $(PRESET)

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: start Zerbo from a desktop session, or run 'xvfb-run -a make run'."; \
	  exit 1; fi
	@$(MAKE) --no-print-directory build
	@./$(BUILD)/zerbo

# Every test, then every test again under the sanitizers with a short fuzz run.
test: build
	@ctest --preset $(PRESET)
	@$(MAKE) --no-print-directory sanitize

sanitize: deps
	@cmake --preset asan > /dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# The random user for SOAK_SECONDS under the sanitizers, new seeds each time
# (ZERBO_RANDOM_USER_SEED=N repeats a run).
soak: deps
	@cmake --preset asan > /dev/null
	@cmake --build --preset asan
	@ZERBO_RANDOM_USER_SECONDS=$(SOAK_SECONDS) ./build-asan/zerbo_core_tests \
	  --gtest_filter=RandomUser.Soak

# Each fuzzer for FUZZ_SECONDS; the corpus grows in build-asan/fuzz-corpus.
fuzz: deps
	@cmake --preset asan > /dev/null
	@cmake --build --preset asan
	@for t in number_text calculator; do \
	  mkdir -p build-asan/fuzz-corpus/$$t && \
	  ./build-asan/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -dict=tests/fuzz/$$t.dict -artifact_prefix=build-asan/fuzz-corpus/ \
	    build-asan/fuzz-corpus/$$t tests/fuzz/seeds/$$t || exit 1; \
	done

# The benchmarks, optimised (not part of `make test`).
bench: deps
	@cmake --preset bench > /dev/null
	@cmake --build --preset bench
	@QT_QPA_PLATFORM=offscreen ./build-bench/bench/zerbo_bench
	@QT_QPA_PLATFORM=offscreen ./build-bench/bench/zerbo_startup_bench

# The Debian package of an optimised build: build-release/zerbo_<version>_<arch>.deb
package: deps
	@cmake --preset release > /dev/null
	@cmake --build --preset release --target zerbo
	@cd build-release && cpack
	@ls build-release/zerbo_*.deb

# `make test`, `make package`, installing the package and `zerbo --version` on a
# fresh minimal Debian 12 or 13 made by debootstrap (needs root; the bare root is
# kept in /var/cache/zerbo-debootstrap).
test-debian12:
	@bash tools/test-debian.sh bookworm

test-debian13:
	@bash tools/test-debian.sh trixie

# Every page and dialog under build/screenshots, with each page's setup
# sheet; the README's pictures are copied from there into docs/screenshots,
# the manual's picture of the sheet is drawn from the milling sheet.
README_SHOTS := page-0-fraesen page-1-drehen page-2-bohren page-3-reiben page-4-senken page-5-saegen \
                dialog-genaue-materialbestimmung dialog-advisor-drehen
screenshots: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/zerbo_screenshots $(BUILD)/screenshots
	@mkdir -p docs/screenshots
	@for s in $(README_SHOTS); do cp $(BUILD)/screenshots/$$s.png docs/screenshots/; done
	@pdftoppm -png -r 50 -singlefile $(BUILD)/screenshots/sheet-0-fraesen.pdf src/ui/manual/einrichteblatt

clean:
	@rm -rf $(BUILD) build-*
