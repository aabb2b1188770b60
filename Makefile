# The two commands of the README: `make run` starts the guide, `make test` runs the suite.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test bench build deps configure test-sanitize fuzz install clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: run it under a virtual one with  xvfb-run -a $(BUILD)/bin/Settings"; \
	  exit 1; \
	fi
	@$(BUILD)/bin/Settings

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@scripts/run-benchmarks $(BUILD)

clean:
	@rm -rf $(BUILD)
