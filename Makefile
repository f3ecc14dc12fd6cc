# The two commands of the README: `make run` and `make test`. Both install missing packages first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# `make install` puts the program, its menu entry and icon under PREFIX.
PREFIX ?= /usr/local
# Rebuilds after a change or in another checkout reuse what was already compiled.
CCACHE ?= $(shell command -v ccache)

# The second builds of `make test`: the unit and widget tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets (clang), each in its own folder.
SANITIZE_DIR ?= build-sanitize
SANITIZED_TESTS = model_tests entry_tests reports_tests export_tests net_tests ui_tests
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 20
# The file-based fuzz targets run many times faster on a memory file system.
FUZZ_TMPDIR ?= $(shell [ -w /dev/shm ] && echo /dev/shm || echo $${TMPDIR:-/tmp})

.PHONY: deps configure build run test test-main test-sanitize test-fuzz torture install package bench format clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DORV_WARNINGS_AS_ERRORS=ON \
		-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/orv_pc

# Every test (unit, widget, end-to-end, kill torture), then the sanitizer and fuzzing stages.
test: test-main test-sanitize test-fuzz

# Unit and widget tests run side by side; the end-to-end tests (RUN_SERIAL) one at a time.
test-main: build
	@mkdir -p $(BUILD_DIR)/screenshots
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300 -j $(shell nproc)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# The Debian package, orv-pc_VERSION_ARCH.deb in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack

# Any sanitizer report stops the test program, and so fails the stage. The widget tests load the
# embedded browser's engine, built without the sanitizers: it frees some objects through a type
# of another size and keeps some memory to the end, which their run lets pass (in the engine only).
BROWSER_ENGINE_SANITIZING = ASAN_OPTIONS=new_delete_type_mismatch=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/browser_engine.supp
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON \
		-DORV_WARNINGS_AS_ERRORS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) >/dev/null
	@cmake --build $(SANITIZE_DIR) --target $(SANITIZED_TESTS)
	@for t in $(SANITIZED_TESTS); do echo "== $$t (AddressSanitizer, UndefinedBehaviorSanitizer)"; \
		engine=""; [ $$t = ui_tests ] && engine="$(BROWSER_ENGINE_SANITIZING)"; \
		env $$engine QT_QPA_PLATFORM=offscreen $(SANITIZE_DIR)/tests/$$t --gtest_brief=1 || exit 1; done

test-fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DORV_FUZZ=ON -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) >/dev/null
	@cmake --build $(FUZZ_DIR) --target fuzz_targets
	@TMPDIR=$(FUZZ_TMPDIR) scripts/run-fuzzers $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

# The full kill torture (CI runs 50 kills within test-main).
torture: build
	$(BUILD_DIR)/tests/kill_torture 300

bench: build
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -executable -name 'bench_*' | sort); do \
		echo "== $$b"; $$b --benchmark_min_time=0.2; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
