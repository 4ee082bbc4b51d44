# Developer targets; a bare machine starts with ./run and ./test (no make needed).
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLE_WERROR=ON

.PHONY: run test build deps bench sanitize soak clean

run: build
	$(BUILD)/gui/orle

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j2

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD)

bench: build
	$(BUILD)/bench/orle_bench

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer, in its own build folder.
# Leaks are reported except the one-time allocations of Qt and fontconfig (scripts/lsan.supp).
# The build runs the test programs too, to list their tests, so it gets the same settings.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DORLE_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure --no-tests=error -j2

# The long kill test: writing orle-cli commands killed thousands of times (CTest runs 200).
soak: build
	cmake --build $(BUILD) --target soak

deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
