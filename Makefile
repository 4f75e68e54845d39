# Entry points for a fresh Debian 12 machine: `make run` and `make test` install what is missing,
# configure, build, then run the program or every test.
BUILD ?= build
# Our own builds stop on a warning; a plain cmake line does not (AMORTIX_WERROR is off by default).
WERROR = -DAMORTIX_WERROR=ON
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)

.PHONY: run test bench package fuzz check-sanitize check-style check-builds deps configure build clean

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
	$(BUILD)/bench/amortix-bench-rapport
	$(BUILD)/bench/amortix-bench-classeur

# A .deb in build/ (installs under /usr).
package: build
	cd $(BUILD) && cpack -G DEB

# Each fuzz target for FUZZ_SECONDES seconds (libFuzzer, clang, ASan + UBSan).
FUZZ_SECONDES ?= 120
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DAMORTIX_FUZZ=ON -DAMORTIX_TESTS=OFF -DAMORTIX_BENCH=OFF $(WERROR)
	cmake --build build-fuzz --target fuzz
	scripts/fuzz.sh build-fuzz $(FUZZ_SECONDES)

# The house rules: every source formatted by .clang-format, and the .clang-tidy checks clean on
# every file of ours (the build's compile_commands.json gives each file its flags).
SOURCES = $(shell find engine socle storage output ui cli app tests bench -name '*.cpp' -o -name '*.h' | grep -v /corpus/)
check-style: build
	clang-format --dry-run --Werror $(SOURCES)
	run-clang-tidy -quiet -p $(BUILD) -j2 '^$(CURDIR)/(engine|socle|storage|output|ui|cli|app|tests|bench)/.*\.cpp$$'

# Every build type a packager may choose, and clang, each stopping on a warning, so that a warning
# of -O3 or -Os or of another compiler is met here before a user's default build meets it.
CONSTRUCTIONS = Release Debug MinSizeRel
check-builds: deps
	for type in $(CONSTRUCTIONS); do \
		cmake -S . -B build-$$type -G Ninja -DCMAKE_BUILD_TYPE=$$type $(WERROR) && cmake --build build-$$type || exit 1; \
	done
	cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ $(WERROR)
	cmake --build build-clang

# The whole test suite, windows included, built with ASan + UBSan.
check-sanitize: deps
	cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMORTIX_SANITIZE=ON -DAMORTIX_BENCH=OFF $(WERROR)
	cmake --build build-sanitize
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD) build-fuzz build-sanitize build-Release build-Debug build-MinSizeRel build-clang
