# The two commands of the README: `make run` and `make test`. Both install missing packages first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# `make install` puts the program, its menu entry and icon under PREFIX.
PREFIX ?= /usr/local
# Rebuilds after a change or in another checkout reuse what was already compiled.
CCACHE ?= $(shell command -v ccache)

.PHONY: deps configure build run test install package bench format clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DORV_WARNINGS_AS_ERRORS=ON \
		-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/orv_pc

# Unit and widget tests run side by side; the end-to-end tests (RUN_SERIAL) one at a time.
test: build
	@mkdir -p $(BUILD_DIR)/screenshots
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300 -j $(shell nproc)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# The Debian package, orv-pc_VERSION_ARCH.deb in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack

bench: build
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -executable -name 'bench_*' | sort); do \
		echo "== $$b"; $$b --benchmark_min_time=0.2; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
