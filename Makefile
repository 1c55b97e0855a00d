# The two commands of the README: `make run` and `make test`; `make bench` for the benchmarks and
# `make screenshots` for the README's pictures.
BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test bench screenshots clean

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

bench: build
	./$(BUILD)/tresslow-bench

# The pictures in docs/, from the real program under Xvfb.
screenshots: build
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
