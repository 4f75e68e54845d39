# Entry points for a fresh Debian 12 machine: `make run` and `make test` install what is missing,
# configure, build, then run the program or every test.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test bench deps configure build clean

deps:
	@scripts/installe-dependances.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	scripts/lance-amortix.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	$(BUILD)/bench/amortix-bench
	$(BUILD)/bench/amortix-bench-fenetre
	$(BUILD)/bench/amortix-bench-classeur

clean:
	rm -rf $(BUILD)
