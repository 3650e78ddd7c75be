# Builds, packages, runs and tests Setup.exe. Every target installs what it needs first (make deps: Debian
# packages and libjpeg-turbo cross-built for Windows) and is quick when nothing changed.
#   make run     build, stage dist/, start dist/win64/Setup.exe under Wine (screenshot when there is no display)
#   make test    all builds with warnings as errors and every test suite; ends with "N passed, N failed"
# WERROR=OFF builds without -Werror; JOBS sets parallel compile jobs; FUZZ_SECONDS the time per fuzz target.
SHELL := /bin/bash
WERROR ?= ON
JOBS ?= 2
FUZZ_SECONDS ?= 60
export WERROR JOBS FUZZ_SECONDS

.PHONY: deps build dist run test bench fuzz assets clean distclean

deps:
	@bash scripts/setup.sh

build: deps
	@bash scripts/build.sh all

dist: build
	@bash scripts/dist.sh win32 win64

run: dist
	@bash scripts/run.sh

test: deps
	@bash scripts/test.sh

bench: build
	@bash scripts/bench.sh

fuzz: deps
	@bash scripts/fuzz.sh run $(FUZZ_SECONDS)

# Regenerates the committed program icon and background picture from their generators.
assets: deps
	@bash scripts/build.sh native -- icongen wallpaper
	build/native/icongen resources/MAINICON.ico
	build/native/wallpaper resources/wall.jpg

# Keeps build/deps (the cross-built libjpeg) and the Wine prefixes, which take longest to make again.
clean:
	rm -rf build/native build/win32 build/win64 build/fuzz build/test-logs dist

distclean:
	rm -rf build dist
