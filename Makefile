# Zerbo: the two commands are `make run` and `make test`.
PRESET ?= default
BUILD  := build

.PHONY: all deps configure build run test screenshots clean

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

test: build
	@ctest --preset $(PRESET)

screenshots: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/zerbo_screenshots $(BUILD)/screenshots

clean:
	@rm -rf $(BUILD) build-*
