# The two commands of the README: `make run` and `make test`; `make bench` for the benchmarks,
# `make screenshots` for the README's pictures, `make install` and `make package`.
BUILD ?= build
JOBS ?= 2
PREFIX ?= /usr/local

.PHONY: deps build run test bench install package screenshots clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tresslow

# The end-to-end tests start their own X servers; everything else needs no display.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Micro-benchmarks, the phases of one frame at 20 x 20 on the sphere, and the frame rate of the real program
# under Xvfb with Play on (scripts/bench-real-gl.sh cuts a frame on the real GL stack into its parts).
bench: build
	./$(BUILD)/tresslow-bench
	./$(BUILD)/tresslow-sim --shape sphere --hairs 20 --bench
	bash scripts/bench-frame-rate.sh $(BUILD)

# tresslow and tresslow-sim into $(PREFIX)/bin; the desktop entry, icon, AppStream metadata and manual
# pages under $(PREFIX)/share.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The same files as a Debian package under /usr: $(BUILD)/tresslow_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

# The pictures in docs/, from the real program under Xvfb and from tresslow-sim --png.
screenshots: build
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
