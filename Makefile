# The two commands of the README: `make run` and `make test`; `make bench` for the benchmarks,
# `make screenshots` for the README's pictures, `make install` and `make package`. Each builds only the
# targets it needs.
BUILD ?= build
SANITIZE_BUILD ?= $(BUILD)/sanitize
JOBS ?= 2
PREFIX ?= /usr/local

# What `cmake --install` and the package put in place.
INSTALLED = tresslow tresslow-sim desktop_files
# Every finding of the sanitizers fails its test, with a stack trace.
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 LSAN_OPTIONS=report_objects=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure run test bench install package screenshots clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

# Exit and closing the window both end the program with status 1: a normal end.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target tresslow
	./$(BUILD)/tresslow || [ $$? -eq 1 ]

# Every test on the plain build (the end-to-end ones start their own X servers), then the unit tests again
# in a second tree built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
test: configure
	@bash scripts/install-deps.sh --validator $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Release -DTRESSLOW_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target core_tests gl_tests ui_tests
	cd $(SANITIZE_BUILD) && $(SANITIZER_OPTIONS) ctest --output-on-failure -j $(JOBS) -L unit

# Micro-benchmarks, the phases of one frame at 20 x 20 on the sphere, and the frame rate of the real program
# under Xvfb with Play on (scripts/bench-real-gl.sh cuts a frame on the real GL stack into its parts).
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target tresslow-bench tresslow-sim tresslow xwindow
	./$(BUILD)/tresslow-bench
	./$(BUILD)/tresslow-sim --shape sphere --hairs 20 --bench
	bash scripts/bench-frame-rate.sh $(BUILD)

# tresslow and tresslow-sim into $(PREFIX)/bin; the desktop entry, icon, AppStream metadata and manual
# pages under $(PREFIX)/share.
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(INSTALLED)
	cmake --install $(BUILD) --prefix $(PREFIX)

# The same files as a Debian package under /usr: $(BUILD)/tresslow_VERSION_ARCH.deb.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(INSTALLED)
	cd $(BUILD) && cpack

# The pictures in docs/, from the real program under Xvfb and from tresslow-sim --png and --export (opened
# in view3dscene, a glTF viewer).
screenshots: configure
	@bash scripts/install-deps.sh view3dscene
	cmake --build $(BUILD) -j $(JOBS) --target tresslow tresslow-sim xwindow
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
