# Thin wrapper over the CMake presets.
.PHONY: all bootstrap bootstrap-run programs build run install deb test bench fuzz fuzz-build asan clean

all: build

# What building and running the programs needs; `bootstrap` adds what the tests need.
bootstrap-run:
	@scripts/bootstrap run

bootstrap:
	@scripts/bootstrap

# The programs alone: the drill, the result graph to a PNG and the answer export.
programs: bootstrap-run
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target pikutora pikutora-graph pikutora-export

# Everything, the tests too.
build: bootstrap
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: programs
	./build/pikutora

# The programs, the menu entry, the icons and the AppStream metadata under $(PREFIX), staged
# under $(DESTDIR) when it is given.
PREFIX ?= /usr/local
install: programs
	@DESTDIR="$(DESTDIR)" cmake --install build --prefix "$(PREFIX)"

# The Debian package, in build/.
deb: build
	@cd build && cpack -G DEB

# Every test of the default build, then the unit and widget tests under the sanitizers, then the
# replay of the fuzz corpora.
test: build
	@scripts/run-tests default
	@$(MAKE) --no-print-directory asan
	@$(MAKE) --no-print-directory fuzz-build
	@scripts/run-fuzz replay

asan: bootstrap
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@scripts/run-tests asan

# Google Benchmark and the charting libraries the benchmarks compare with are installed for this
# target only.
bench:
	@PIKUTORA_BENCH_PEERS=1 scripts/bootstrap
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@scripts/run-bench

fuzz-build: bootstrap
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

fuzz: fuzz-build
	@scripts/run-fuzz run 60

clean:
	rm -rf build build-asan build-bench build-fuzz
