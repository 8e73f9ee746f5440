# The two commands of a fresh machine:
#   make run    installs what is missing, builds, and starts the game
#   make test   installs what is missing, builds, and runs every test
# In CI (CI=true) warnings are errors.

PRESET := $(if $(filter true,$(CI)),ci,default)
BUILD_DIR := build/$(PRESET)

.PHONY: run test build deps configure format tidy clean screenshots art

run: build
	$(BUILD_DIR)/startup/klonkatron

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

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

# Re-exports art/images and docs/art.png from the sources in art/.
art: configure
	cmake --build $(BUILD_DIR) --target art

clean:
	rm -rf build
