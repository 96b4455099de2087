# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is needed, builds, and starts Varnello
#   make test  installs what is needed, builds, and runs every test
# and make package builds the Debian package $(BUILD)/varnello_<version>_<arch>.deb.
BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON turns compiler warnings into errors (CI does).
WERROR ?= OFF

.PHONY: deps build run test package test-sanitize fuzz bench clean format

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNELLO_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@grep -ho 'soak: .*' $(BUILD)/Testing/Temporary/LastTest.log || true

package: build
	@cd $(BUILD) && { cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }; } && ls "$$PWD"/varnello_*.deb

# Core and command-line tests (the hostile-input sweep among them) under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B build-sanitize -DVARNELLO_SANITIZE=ON -DVARNELLO_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -E fuzz_short

# A longer fuzzing run: each target until its coverage has not grown for a minute.
fuzz: deps
	@bash scripts/fuzz.sh --until-stalled 60

# Benchmarks: start-up, presses, batch throughput, memory.
bench: deps
	@bash scripts/bench.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
