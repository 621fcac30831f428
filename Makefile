# Front door: `make run` starts Velkor, `make test` builds and runs every test.
BUILD_DIR := build

.PHONY: deps configure build run test test-asan bench fuzz clean format

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: build
	@cd $(BUILD_DIR)/velkor && ./velkor

test: build
	@ctest --preset default

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

fuzz:
	@./scripts/fuzz.sh

bench: build
	@./scripts/bench.sh $(BUILD_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) build-asan build-fuzz
