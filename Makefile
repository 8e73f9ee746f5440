# The two commands of a fresh machine:
#   make run    installs what is missing, builds, and starts the game
#   make test   installs what is missing, builds, and runs every test
# In CI (CI=true) warnings are errors.

PRESET := $(if $(filter true,$(CI)),ci,default)
BUILD_DIR := build/$(PRESET)

.PHONY: run test test-e2e-stress test-sanitize test-windows windows package-windows deps-windows test-web web package-web deps-web fuzz soak package package-check build deps \
        configure format tidy clean screenshots art bench

run: build
	$(BUILD_DIR)/program/klonkatron

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# Every end-to-end test STRESS_ROUNDS times in a row (5 unless given) with
# every processor busy, other screen sizes and other pointer starts, to find
# tests that depend on timing before CI does; not part of `make test`.
# Klonkatron.exe's tests join once `make test-windows` has built them.
test-e2e-stress: package
	tools/e2e_stress.sh $(BUILD_DIR) $(or $(STRESS_ROUNDS),5)

# Every test once more under the address and undefined-behaviour sanitizers.
# The end-to-end and packaging runs start the real program, which is built
# the same way; leaks are not checked in the widget and end-to-end tests,
# whose system libraries keep caches to the end.
test-sanitize: deps
	cmake --preset sanitize
	cmake --build build/sanitize
	ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -E '^(qt|e2e|packaging)\.'
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build/sanitize --output-on-failure -R '^(qt|e2e)\.'

# The fuzz targets, built by clang with the address and undefined-behaviour
# sanitizers, for FUZZ_SECONDS in all (60 unless given), shared evenly.
fuzz: deps
	cmake --preset fuzz
	cmake --build build/fuzz
	fuzz/run.sh build/fuzz

# The real program under Xvfb, clicked at random for SOAK_SECONDS (600
# unless given): it must stay alive and responding, and its resident memory
# may grow by less than 2 MiB from minute 1 to the end.
soak: build
	tests/soak/soak.sh $(BUILD_DIR)/program/klonkatron

# The Windows build, cross-compiled with MinGW-w64 (everything but the Qt
# program), its tests run under Wine in a prefix of the build folder's own.
WINDOWS_WERROR := $(if $(filter true,$(CI)),ON,OFF)
test-windows: deps-windows
	cmake --preset windows-cross -DKLONKATRON_WERROR=$(WINDOWS_WERROR)
	cmake --build build/windows-cross
	ctest --test-dir build/windows-cross --output-on-failure

# Klonkatron.exe, the native Windows program, into build/windows-cross/program.
windows: deps-windows
	cmake --preset windows-cross -DKLONKATRON_WERROR=$(WINDOWS_WERROR)
	cmake --build build/windows-cross --target klonkatron

# Klonkatron.exe in a zip with its read-me and licence text, in build/windows-cross.
package-windows: windows
	cmake --build build/windows-cross --target package_windows

deps-windows:
	@packaging/install-debian-deps.sh packaging/debian-windows-deps.txt --no-install-recommends

# The web build, compiled with Debian's emscripten into build/web (the
# runtime core, the game, the side windows, the pictures and the headless
# backend, without Qt or the POSIX services), its tests run under Node; and
# the browser set-up of the page tests, Debian's Chromium driven by the
# playwright-core of tests/web/package-lock.json. Nothing is downloaded
# while building; `npm ci` fetches the pinned playwright-core as a test.
WEB_WERROR := $(if $(filter true,$(CI)),ON,OFF)
test-web: deps-web
	cmake --preset web -DKLONKATRON_WERROR=$(WEB_WERROR)
	cmake --build build/web
	ctest --test-dir build/web --output-on-failure

deps-web:
	@packaging/install-debian-deps.sh packaging/debian-web-deps.txt --no-install-recommends

# A Debian package of the program, in the build folder.
package: build
	cd $(BUILD_DIR) && cpack

# Installs that package with apt-get (root), starts the program from its
# desktop entry under Xvfb and sees the splash, then removes it again.
package-check: package
	tests/packaging/deb_install_check.sh $(BUILD_DIR)/klonkatron_$(shell sed -n 's/^set(KLONKATRON_VERSION "\(.*\)")/\1/p' CMakeLists.txt)_$(shell dpkg --print-architecture).deb $(BUILD_DIR)/package-check

build: configure
	cmake --build $(BUILD_DIR)

configure: deps
	cmake --preset $(PRESET)

# Missing Debian packages are installed with apt-get when root.
deps:
	@packaging/install-debian-deps.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: configure
	git ls-files '*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet

# Every window at 1x, 1.5x and 2x into build/<preset>/screenshots; the board
# at 1x becomes the README's picture.
screenshots: build
	$(BUILD_DIR)/tools/klonkatron_screenshots $(BUILD_DIR)/screenshots
	cp $(BUILD_DIR)/screenshots/Form1-1x.png docs/board.png

# The game measured against a bare Qt window on this machine, into
# bench/results.md (BENCH_QUICK=1 for short runs while trying things out),
# with the timers of Klonkatron.exe under Wine when MinGW-w64 and Wine are
# here.
WINDOWS_BENCH_DIR := $(shell command -v x86_64-w64-mingw32-g++-posix >/dev/null && \
                       { command -v wine || command -v wine64; } >/dev/null && echo build/windows-cross)
bench: configure
	cmake --build $(BUILD_DIR) --target bench
ifneq ($(WINDOWS_BENCH_DIR),)
	cmake --preset windows-cross -DKLONKATRON_WERROR=$(WINDOWS_WERROR)
	cmake --build $(WINDOWS_BENCH_DIR) --target bench
else
	@echo "MinGW-w64 or Wine is missing: Klonkatron.exe is not measured (make deps-windows installs them)"
endif
	@# The web page is measured as built now, where its build is set up.
	@[ ! -f build/web/build.ninja ] || cmake --build build/web --target package_web
	bench/run.sh $(BUILD_DIR) $(WINDOWS_BENCH_DIR)

# Re-exports art/images and docs/art.png from the sources in art/.
art: configure
	cmake --build $(BUILD_DIR) --target art

clean:
	rm -rf build

# The game in a web page, built with Debian's emscripten: build/web/
# klonkatron.html with its script, module and fonts, to serve as they are.
web: deps-web
	cmake --preset web -DKLONKATRON_WERROR=$(WEB_WERROR)
	cmake --build build/web --target klonkatron_web

# The game for the web packaged, in build/web/package: klonkatron.html, one
# self-contained file that plays from a double-click, and klonkatron-site.zip,
# the static site with a web app manifest, icons and a service worker.
package-web: web
	cmake --build build/web --target package_web
