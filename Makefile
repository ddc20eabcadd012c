# make run   installs what is missing, builds, and opens the editor on a copy of the example route
# make test  installs what is missing, builds, and runs every test through ctest

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
EXAMPLE_COPY = $(BUILD_DIR)/example/route-12

.PHONY: all deps configure build run test clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The editor works on a copy, so that saving never changes the example kept in the sources.
run: build
	@if [ ! -d "$(EXAMPLE_COPY)" ]; then mkdir -p "$(dir $(EXAMPLE_COPY))" && cp -r examples/route-12 "$(EXAMPLE_COPY)"; fi
	$(BUILD_DIR)/app/marvolt "$(EXAMPLE_COPY)"

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR)
