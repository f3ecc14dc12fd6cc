# The two commands of the README: `make run` builds and starts the program, `make test` builds and
# runs every test. Both install missing packages first, `make run` only what the program needs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# `make install` puts the program, its menu entry and icon under PREFIX.
PREFIX ?= /usr/local
# Rebuilds after a change or in another checkout reuse what was already compiled. Looked up when
# a recipe runs, so that the run that installs ccache already uses it.
CCACHE ?= $$(command -v ccache)
CONFIGURE = cmake -S . -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)

# The second builds of `make test`: the unit and widget tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets (clang), each in its own folder.
SANITIZE_DIR ?= build-sanitize
SANITIZED_TESTS = model_tests entry_tests reports_tests export_tests net_tests ui_tests
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 20
# The file-based fuzz targets run many times faster on a memory file system.
FUZZ_TMPDIR ?= $(shell [ -w /dev/shm ] && echo /dev/shm || echo $${TMPDIR:-/tmp})

.PHONY: deps test-deps build build-tests run test test-main test-sanitize test-fuzz torture install package bench format clean

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps test

# The program and its browser module, nothing else; a warning of a newer compiler is no error here.
build: deps
	@$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF \
		-DORV_WARNINGS_AS_ERRORS=OFF >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/orv_pc

# The program with every test and benchmark, warnings as errors.
build-tests: test-deps
	@$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=ON \
		-DORV_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(BUILD_DIR)

# Every test (unit, widget, end-to-end, kill torture), then the sanitizer and fuzzing stages.
test: test-main test-sanitize test-fuzz

# All side by side; each end-to-end test has its own display.
test-main: build-tests
	@mkdir -p $(BUILD_DIR)/screenshots
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300 -j $(shell nproc)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# The Debian package, orv-pc_VERSION_ARCH.deb in the build folder.
package: build
	@scripts/install-deps package
	@cd $(BUILD_DIR) && cpack

# Any sanitizer report stops the test program, and so fails the stage. The widget tests load the
# embedded browser's engine, built without the sanitizers: it frees some objects through a type
# of another size and keeps some memory to the end, which their run lets pass (in the engine only).
BROWSER_ENGINE_SANITIZING = ASAN_OPTIONS=new_delete_type_mismatch=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/browser_engine.supp
test-sanitize: test-deps
	@$(CONFIGURE) -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DORV_SANITIZE=ON \
		-DORV_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) --target $(SANITIZED_TESTS)
	@for t in $(SANITIZED_TESTS); do echo "== $$t (AddressSanitizer, UndefinedBehaviorSanitizer)"; \
		engine=""; [ $$t = ui_tests ] && engine="$(BROWSER_ENGINE_SANITIZING)"; \
		env $$engine QT_QPA_PLATFORM=offscreen $(SANITIZE_DIR)/tests/$$t --gtest_brief=1 || exit 1; done

test-fuzz: test-deps
	@$(CONFIGURE) -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DBUILD_TESTING=ON -DORV_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) --target fuzz_targets
	@TMPDIR=$(FUZZ_TMPDIR) scripts/run-fuzzers $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

# The full kill torture (CI runs 50 kills within test-main).
torture: build-tests
	$(BUILD_DIR)/tests/kill_torture 300

bench: build-tests
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -executable -name 'bench_*' | sort); do \
		echo "== $$b"; $$b --benchmark_min_time=0.2; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
