# Lotcraft: the two everyday commands are `make run` and `make test`.
# Both install the Debian packages the build needs when they are missing.

MAKEFLAGS += --no-print-directory

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# The compiler, CMake, Qt 6 (with its platform plugins) and the fonts the tests draw with.
PACKAGES := g++ make cmake qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core

.PHONY: all deps configure build run test gallery clean

all: build

deps:
	@sh tools/ensure-packages.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DLOTCRAFT_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/bin/lotcraft

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# One picture of every button style and state, shown in the README.
gallery: build
	@mkdir -p docs
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/button-gallery docs/button-gallery.png

clean:
	@rm -rf $(BUILD_DIR)
