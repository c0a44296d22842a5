# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

WIN_BUILD ?= build-windows
# Qt for Windows: a prefix or a .tar.xz of one; unset, scripts/windows-qt builds it from source.
QT_WINDOWS ?=

.PHONY: all deps configure build run test bench package test-sanitize fuzz clean \
	windows-deps windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/bandalyx

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Start-up, click to redraw and the engine, each beside its floor; figures only, never a failure
# on time. RUNS=n sets the start-up runs (default 21).
bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	bench/run.sh $(BUILD)

# A Debian package of the program, in build/.
package: build
	cd $(BUILD) && cpack -G DEB

# The whole suite under AddressSanitizer and UBSan, leak checking on at exit.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBANDALYX_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --output-on-failure -j $(JOBS)

# The engine's fuzz target (libFuzzer): the reader, the typed value box and the reading from both
# ends, for a bounded time.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DBANDALYX_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/fuzz_reader -max_total_time=$(FUZZ_SECONDS) -max_len=256 \
		-print_final_stats=1 $(FUZZ_BUILD)/corpus

# The Windows program, cross-built with MinGW-w64: $(WIN_BUILD)/bandalyx-1.0-win64.exe (an NSIS
# installer) and $(WIN_BUILD)/bandalyx-1.0-win64.zip (a portable folder).
windows-deps:
	@scripts/install-deps --windows

windows: windows-deps
	@qt=$$(QT_WINDOWS="$(QT_WINDOWS)" scripts/windows-qt) && \
	cmake -S . -B $(WIN_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE="$$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE="$(CURDIR)/cmake/mingw-w64-x86_64.cmake" \
		-DBANDALYX_HOST_XWIN="$(CURDIR)/$(BUILD)/tools/xwin" >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	cd $(WIN_BUILD) && cpack -G NSIS && cpack -G ZIP

# The Windows build's tests under Wine, on a private Xvfb: the test programs on offscreen, the
# real window under a window manager and the installer. The real-window test drives Wine's X11
# windows with the Linux build's xwin.
test-windows: windows configure
	@cmake --build $(BUILD) -j $(JOBS) --target xwin
	cd $(WIN_BUILD) && bash $(CURDIR)/tests/on_xvfb.sh 1280x1024x24 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
