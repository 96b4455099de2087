# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is needed, builds, and starts Varnello
#   make test  installs what is needed, builds, and runs every test
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test clean format

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	@clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')

clean:
	@rm -rf $(BUILD)
