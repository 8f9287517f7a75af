# Top-level entry points. Every target installs missing system packages first.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

PREFIX ?= /usr/local

.PHONY: all deps build demo check check-asan check-tsan fuzz bench install package clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j$(JOBS)

demo: deps
	@JOBS=$(JOBS) ./scripts/demo $(BUILD)

check: build
	@cd $(BUILD) && ctest -j$(JOBS) --output-on-failure --timeout 600

check-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZEL_SANITIZE=ON -DZEL_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest -j$(JOBS) --output-on-failure --timeout 900

# The crawl hands pages between the run loop, the network threads and the scan workers.
check-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_TSAN=ON -DZEL_BENCH=OFF >/dev/null
	@cmake --build $(TSAN_BUILD) -j$(JOBS)
	@cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 suppressions=$(CURDIR)/tests/tsan.supp" ctest -j$(JOBS) --output-on-failure --timeout 900

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@./scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# DESTDIR (as usual) puts the tree under a staging folder.
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

bench: build
	@./scripts/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
