# Front door: `make run` starts Velkor, `make test` builds and runs every test.
BUILD_DIR := build

.PHONY: deps configure build run test test-asan bench fuzz mutants coverage clean format package

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

# A Debian package of the installed layout, in build/.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# The long proofs: every fuzz target for FUZZ_SECONDS each, then 200 kills of the store loop.
fuzz: configure
	@./scripts/fuzz.sh
	@cmake --build --preset default --target crash_writer
	@./tests/crash/crash_test.sh $(BUILD_DIR)/tests/crash_writer 200

# Plants each fault of mutants/ in turn and shows which tests notice it (M=name-part picks some);
# SAMPLE=n [SEED=s] plants n mechanical mutants of src/ instead (M= then picks source files);
# RECHECK=FILE plants again the sites an earlier run listed there (its survivors, say).
mutants: deps
	@SAMPLE='$(SAMPLE)' SEED='$(SEED)' RECHECK='$(RECHECK)' ./scripts/mutants.sh $(M)

# Line and branch coverage of the tests per folder of src/, built in build-coverage/.
coverage: deps
	@./scripts/coverage.sh

bench: build
	@./scripts/bench.sh $(BUILD_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) build-asan build-fuzz build-mutants build-coverage
