# Thin wrapper: `make run` and `make test` work on a fresh Debian 12 machine.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps bench soak clean

run: build
	$(BUILD)/gui/orle

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j2

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD)

bench: build
	$(BUILD)/bench/orle_bench

# The long kill test: writing orle-cli commands killed thousands of times (CTest runs 200).
soak: build
	cmake --build $(BUILD) --target soak

deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD)
