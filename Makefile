# Thin wrapper over the CMake presets.
.PHONY: all bootstrap build run test bench fuzz asan clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/pikutora

test: build
	@scripts/run-tests default

asan: bootstrap
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@scripts/run-tests asan

bench: bootstrap
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@scripts/run-bench

clean:
	rm -rf build build-asan build-bench
