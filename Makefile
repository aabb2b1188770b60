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

# The suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
SAN_BUILD ?= build-sanitize
test-sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DSANITIZE=ON -DBUILD_TOOLS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@cd $(SAN_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$(CURDIR)/tests/support/ubsan.supp \
	  MONKEY_STEPS=$${MONKEY_STEPS:-20000} \
	  ctest --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS, starting from the seeds in fuzz/corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DFUZZ=ON -DBUILD_TESTING=OFF -DBUILD_TOOLS=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for target in jpeg rtf; do \
	  [ -x $(FUZZ_BUILD)/bin/fuzz_$$target ] || { echo "fuzz_$$target is not built"; exit 1; }; \
	  corpus=$(FUZZ_BUILD)/corpus-$$target; mkdir -p $$corpus; \
	  cp fuzz/corpus/$$target/* $$corpus/; \
	  [ $$target = jpeg ] && cp app/page/boardphoto.jpg $$corpus/; \
	  echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/bin/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=4096 \
	    -max_len=262144 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crash-$$target- $$corpus 2>&1 | tail -n 12; \
	done

# Installs the program, its launcher entry, icon and metadata (PREFIX=/usr/local by default).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)
